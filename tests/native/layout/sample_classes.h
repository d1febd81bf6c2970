// A small portable component family with property tables, standing in for the toolkit in the
// native tests and the benchmark. The dialog classes are registered under the names the dialog
// layouts use.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "layout/class_registry.h"
#include "layout/layout_reader.h"
#include "layout/property_table.h"

namespace pp::layout::sample {

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TPanelKind { epkBackground, epkBitmap, epkGradient, epkSimple, epkMSMoney, epkGradientWithBitmap };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
struct TFontStyles {
  std::uint64_t bits = 0;
};

class Component;
using Notify = std::function<void(Component*)>;

// Owners free what they own; every live object is counted so tests can see leaks.
class Component {
 public:
  static inline int live = 0;
  explicit Component(Component* owner) : owner_(owner) {
    ++live;
    if (owner_) owner_->owned_.push_back(this);
  }
  virtual ~Component() {
    while (!owned_.empty()) delete owned_.back();
    if (owner_) std::erase(owner_->owned_, this);
    --live;
  }
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  Component* Owner() const { return owner_; }
  const std::vector<Component*>& Owned() const { return owned_; }
  Component* Find(const std::string& name) const {
    for (Component* c : owned_)
      if (c->name_ == name) return c;
    return nullptr;
  }
  virtual void Loaded() { ++loaded_count; }
  int loaded_count = 0;

 private:
  std::string name_;
  Component* owner_;
  std::vector<Component*> owned_;
};

class Font {
 public:
  std::string name = "Tahoma";
  int height = -11;
  std::int32_t color = static_cast<std::int32_t>(0xFF000008);
  int charset = 1;
  TFontStyles style;
};

class Control : public Component {
 public:
  using Component::Component;
  ~Control() override {
    for (Control* child : children) child->parent_ = nullptr;
    SetParent(nullptr);
  }
  Control* Parent() const { return parent_; }
  void SetParent(Control* parent) {
    if (parent_) std::erase(parent_->children, this);
    parent_ = parent;
    if (parent_) parent_->children.push_back(this);
  }
  Font* GetFont() { return &font; }

  std::vector<Control*> children;
  int left = 0, top = 0, width = 0, height = 0, tab_order = -1;
  std::string caption, hint;
  bool visible = true, show_hint = false;
  std::int32_t color = static_cast<std::int32_t>(0xFF00000F);
  TAlign align = alNone;
  Font font;
  Notify on_click;

 private:
  Control* parent_ = nullptr;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  bool checked = false;
};

class Button : public Control {
 public:
  using Control::Control;
  bool is_default = false, cancel = false;
  int modal_result = 0;
};

class Label : public Control {
 public:
  using Control::Control;
  bool auto_size = true, word_wrap = false;
  TTextLayout layout = tlTop;
  std::u16string wide_text;
  std::vector<std::string> lines;
};

class Image : public Control {
 public:
  using Control::Control;
  bool auto_size = false;
};

class Panel : public Control {
 public:
  using Control::Control;
  TPanelKind kind = epkBackground;
  bool transparent = true;
};

class TabSheet : public Control {
 public:
  using Control::Control;
};

class PageControl : public Control {
 public:
  using Control::Control;
  TabSheet* active_page = nullptr;
};

class Form : public Control {
 public:
  using Control::Control;
  TBorderStyle border_style = bsSizeable;
  TPosition position = poDefaultPosOnly;
  int client_width = 0, client_height = 0;
  Control* active_control = nullptr;
  Notify on_show, on_create;
};

// Stands in for both dialogs: it publishes the handlers their layouts name.
class DialogForm : public Form {
 public:
  using Form::Form;
  std::vector<std::string> calls;
  void FormShow(Component*) { calls.push_back("FormShow"); }
  void FormCreate(Component*) { calls.push_back("FormCreate"); }
  void Button_UpdateDisplayClick(Component*) { calls.push_back("Button_UpdateDisplayClick"); }
  void CheckBox_DataBitsClick(Component*) { calls.push_back("CheckBox_DataBitsClick"); }
  void CheckBox_ControlDataBitsClick(Component*) { calls.push_back("CheckBox_ControlDataBitsClick"); }
};

class Model : public ComponentModel {
 public:
  void SetName(ObjectRef c, std::string_view name) override { c.As<Component>()->SetName(std::string(name)); }
  bool SetParent(ObjectRef child, ObjectRef parent) override {
    Control* control = child.As<Control>();
    Control* container = parent.As<Control>();
    if (!control || !container) return false;
    control->SetParent(container);
    return true;
  }
  // Like the toolkit: the components first, in creation order, then the root.
  void EndLoading(ObjectRef root, const std::vector<ObjectRef>& components) override {
    for (ObjectRef c : components) Loaded(c.As<Component>());
    Loaded(root.As<Component>());
  }
  void Loaded(Component* component) {
    component->Loaded();
    loaded.push_back(component->Name());
  }
  void Destroy(ObjectRef c) noexcept override { delete c.As<Component>(); }
  std::vector<std::string> loaded;
};

}  // namespace pp::layout::sample

namespace pp::layout {

template <>
struct EnumTraits<sample::TAlign> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
    return info;
  }
};
template <>
struct EnumTraits<sample::TBorderStyle> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
    return info;
  }
};
template <>
struct EnumTraits<sample::TPosition> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TPosition",
                               {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                                "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
    return info;
  }
};
template <>
struct EnumTraits<sample::TTextLayout> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
    return info;
  }
};
template <>
struct EnumTraits<sample::TPanelKind> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TXPExtPanelKind", {"epkBackground", "epkBitmap", "epkGradient", "epkSimple", "epkMSMoney",
                                                   "epkGradientWithBitmap"}};
    return info;
  }
};
template <>
struct EnumTraits<sample::TFontStyle> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
    return info;
  }
};
template <>
struct SetTraits<sample::TFontStyles> {
  using Element = sample::TFontStyle;
  static std::uint64_t ToMask(const sample::TFontStyles& s) { return s.bits; }
  static sample::TFontStyles FromMask(std::uint64_t m) { return {m}; }
};

inline constexpr NamedConstant kModalResults[] = {{"mrNone", 0}, {"mrOk", 1}, {"mrCancel", 2}};
inline constexpr NamedConstant kCharsets[] = {{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SHIFTJIS_CHARSET", 128}};

// Field access through small callables keeps the sample classes plain structs.
#define PP_SAMPLE_FIELD(Class, field) \
  [](Class& o) { return o.field; }, [](Class& o, decltype(Class::field) v) { o.field = v; }

template <>
inline const ClassInfo& ClassOf<sample::Component>() {
  static const ClassInfo info = ClassBuilder<sample::Component>("TComponent")
                                    .Property("Name", &sample::Component::Name, &sample::Component::SetName)
                                    .NotStored()
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::Font>() {
  using sample::Font;
  static const ClassInfo info = ClassBuilder<Font>("TFont")
                                    .Property("Charset", PP_SAMPLE_FIELD(Font, charset)).Names(kCharsets).Default(1)
                                    .Property("Color", PP_SAMPLE_FIELD(Font, color)).As(PropertyType::Color)
                                    .Property("Height", PP_SAMPLE_FIELD(Font, height))
                                    .Property("Name", PP_SAMPLE_FIELD(Font, name))
                                    .Property("Style", PP_SAMPLE_FIELD(Font, style))
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::Control>() {
  using sample::Control;
  static const ClassInfo info =
      ClassBuilder<Control, sample::Component>("TControl")
          .Property("Left", PP_SAMPLE_FIELD(Control, left))
          .Property("Top", PP_SAMPLE_FIELD(Control, top))
          .Property("Width", PP_SAMPLE_FIELD(Control, width))
          .Property("Height", PP_SAMPLE_FIELD(Control, height))
          .Property("Align", PP_SAMPLE_FIELD(Control, align)).Default(sample::alNone)
          .Property("Caption", PP_SAMPLE_FIELD(Control, caption))
          .Property("Color", PP_SAMPLE_FIELD(Control, color)).As(PropertyType::Color).Default(0xFF00000F)
          .Object("Font", &Control::GetFont)
          .Property("Hint", PP_SAMPLE_FIELD(Control, hint)).Default("")
          .Property("ShowHint", PP_SAMPLE_FIELD(Control, show_hint)).Default(false)
          .Property("TabOrder", PP_SAMPLE_FIELD(Control, tab_order))
          .Property("Visible", PP_SAMPLE_FIELD(Control, visible)).Default(true)
          .Event("OnClick", [](Control& c, sample::Notify n) { c.on_click = std::move(n); })
          .Creatable<sample::Component>()
          .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::CheckBox>() {
  static const ClassInfo info = ClassBuilder<sample::CheckBox, sample::Control>("TCheckBox")
                                    .Property("Checked", PP_SAMPLE_FIELD(sample::CheckBox, checked)).Default(false)
                                    .Creatable<sample::Component>()
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::Button>() {
  using sample::Button;
  static const ClassInfo info = ClassBuilder<Button, sample::Control>("TButton")
                                    .Property("Cancel", PP_SAMPLE_FIELD(Button, cancel)).Default(false)
                                    .Property("Default", PP_SAMPLE_FIELD(Button, is_default)).Default(false)
                                    .Property("ModalResult", PP_SAMPLE_FIELD(Button, modal_result)).Names(kModalResults).Default(0)
                                    .Creatable<sample::Component>()
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::Label>() {
  using sample::Label;
  static const ClassInfo info = ClassBuilder<Label, sample::Control>("TLabel")
                                    .Property("AutoSize", PP_SAMPLE_FIELD(Label, auto_size)).Default(true)
                                    .Property("WordWrap", PP_SAMPLE_FIELD(Label, word_wrap)).Default(false)
                                    .Property("Layout", PP_SAMPLE_FIELD(Label, layout)).Default(sample::tlTop)
                                    .Property("WideText", PP_SAMPLE_FIELD(Label, wide_text))
                                    .Property("Lines", PP_SAMPLE_FIELD(Label, lines))
                                    .Creatable<sample::Component>()
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::Image>() {
  static const ClassInfo info = ClassBuilder<sample::Image, sample::Control>("TImage")
                                    .Property("AutoSize", PP_SAMPLE_FIELD(sample::Image, auto_size)).Default(false)
                                    .Creatable<sample::Component>()
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::Panel>() {
  using sample::Panel;
  static const ClassInfo info = ClassBuilder<Panel, sample::Control>("TPanel")
                                    .Property("Kind", PP_SAMPLE_FIELD(Panel, kind)).Default(sample::epkBackground)
                                    .Property("Transparent", PP_SAMPLE_FIELD(Panel, transparent)).Default(true)
                                    .Creatable<sample::Component>()
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::TabSheet>() {
  static const ClassInfo info =
      ClassBuilder<sample::TabSheet, sample::Control>("TTabSheet").Creatable<sample::Component>().Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::PageControl>() {
  static const ClassInfo info = ClassBuilder<sample::PageControl, sample::Control>("TPageControl")
                                    .Property("ActivePage", PP_SAMPLE_FIELD(sample::PageControl, active_page))
                                    .Creatable<sample::Component>()
                                    .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::Form>() {
  using sample::Form;
  static const ClassInfo info =
      ClassBuilder<Form, sample::Control>("TForm")
          .Property("BorderStyle", PP_SAMPLE_FIELD(Form, border_style)).Default(sample::bsSizeable)
          .Property("Position", PP_SAMPLE_FIELD(Form, position)).Default(sample::poDefaultPosOnly)
          .Property("ClientWidth", PP_SAMPLE_FIELD(Form, client_width))
          .Property("ClientHeight", PP_SAMPLE_FIELD(Form, client_height))
          .Property("ActiveControl", PP_SAMPLE_FIELD(Form, active_control))
          .Event("OnShow", [](Form& f, sample::Notify n) { f.on_show = std::move(n); })
          .Event("OnCreate", [](Form& f, sample::Notify n) { f.on_create = std::move(n); })
          .Build();
  return info;
}

template <>
inline const ClassInfo& ClassOf<sample::DialogForm>() {
  using sample::DialogForm;
  using sample::Notify;
  static const ClassInfo info = ClassBuilder<DialogForm, sample::Form>("TDialogForm")
                                    .Method<Notify>("FormShow", &DialogForm::FormShow)
                                    .Method<Notify>("FormCreate", &DialogForm::FormCreate)
                                    .Method<Notify>("Button_UpdateDisplayClick", &DialogForm::Button_UpdateDisplayClick)
                                    .Method<Notify>("CheckBox_DataBitsClick", &DialogForm::CheckBox_DataBitsClick)
                                    .Method<Notify>("CheckBox_ControlDataBitsClick", &DialogForm::CheckBox_ControlDataBitsClick)
                                    .Build();
  return info;
}

#undef PP_SAMPLE_FIELD

namespace sample {

// The sample classes under their own names and under the names the dialog layouts use.
inline ClassRegistry MakeRegistry() {
  ClassRegistry r;
  for (const ClassInfo* c : {&ClassOf<Control>(), &ClassOf<CheckBox>(), &ClassOf<Button>(), &ClassOf<Label>(),
                             &ClassOf<Image>(), &ClassOf<Panel>(), &ClassOf<TabSheet>(), &ClassOf<PageControl>()})
    r.Register(*c);
  r.Register("TXPCheckBox", ClassOf<CheckBox>());
  r.Register("TXPBitBtn", ClassOf<Button>());
  r.Register("TXPExtPanel", ClassOf<Panel>());
  r.Register("TWinXPTabSheet", ClassOf<TabSheet>());
  r.Register("TWinXPPageControl", ClassOf<PageControl>());
  r.Register("TParallelPortForm", ClassOf<DialogForm>());
  r.Register("TInstallConfirmForm", ClassOf<DialogForm>());
  return r;
}

}  // namespace sample
}  // namespace pp::layout
