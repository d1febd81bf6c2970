#include "layout/toolkit_classes.h"

namespace pp::layout {

using namespace toolkit;

#define PP_ENUM_INFO(E, ...)                               \
  const EnumInfo& EnumTraits<E>::Info() {                  \
    static const EnumInfo info{#E, {__VA_ARGS__}};         \
    return info;                                           \
  }
PP_ENUM_INFO(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient")
PP_ENUM_INFO(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
PP_ENUM_INFO(TFontPitch, "fpDefault", "fpVariable", "fpFixed")
PP_ENUM_INFO(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
PP_ENUM_INFO(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
PP_ENUM_INFO(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
             "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")
PP_ENUM_INFO(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")
PP_ENUM_INFO(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
PP_ENUM_INFO(TTextLayout, "tlTop", "tlCenter", "tlBottom")
#undef PP_ENUM_INFO

namespace {

constexpr NamedConstant kModalResults[] = {
    {"mrNone", mrNone},   {"mrOk", mrOk},   {"mrCancel", mrCancel},       {"mrAbort", mrAbort},
    {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore}, {"mrYes", mrYes},       {"mrNo", mrNo},
    {"mrAll", mrAll},     {"mrNoToAll", mrNoToAll}, {"mrYesToAll", mrYesToAll}, {"mrClose", mrClose},
};

constexpr NamedConstant kCharsets[] = {
    {"ANSI_CHARSET", ANSI_CHARSET},           {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},       {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
    {"HANGEUL_CHARSET", HANGEUL_CHARSET},     {"GB2312_CHARSET", GB2312_CHARSET},
    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET}, {"OEM_CHARSET", OEM_CHARSET},
    {"JOHAB_CHARSET", JOHAB_CHARSET},         {"HEBREW_CHARSET", HEBREW_CHARSET},
    {"ARABIC_CHARSET", ARABIC_CHARSET},       {"GREEK_CHARSET", GREEK_CHARSET},
    {"TURKISH_CHARSET", TURKISH_CHARSET},     {"VIETNAMESE_CHARSET", VIETNAMESE_CHARSET},
    {"THAI_CHARSET", THAI_CHARSET},           {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
    {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},     {"MAC_CHARSET", MAC_CHARSET},
    {"BALTIC_CHARSET", BALTIC_CHARSET},
};

// Notify-event properties: OnX = handler.
template <TNotifyEvent TControl::*Field>
void SetControlEvent(TControl& c, TNotifyEvent e) {
  c.*Field = std::move(e);
}
template <TNotifyEvent TCustomForm::*Field>
void SetFormEvent(TCustomForm& f, TNotifyEvent e) {
  f.*Field = std::move(e);
}

}  // namespace

std::span<const NamedConstant> ModalResultNames() noexcept { return kModalResults; }
std::span<const NamedConstant> CharsetNames() noexcept { return kCharsets; }

template <>
const ClassInfo& ClassOf<TComponent>() {
  static const ClassInfo info = ClassBuilder<TComponent>("TComponent")
                                    .Property("Name", &TComponent::Name, &TComponent::SetName)
                                    .NotStored()
                                    .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TFont>() {
  static const ClassInfo info = ClassBuilder<TFont>("TFont")
                                    .Property("Charset", &TFont::Charset, &TFont::SetCharset).Names(kCharsets).Default(int{DEFAULT_CHARSET})
                                    .Property("Color", &TFont::Color, &TFont::SetColor).As(PropertyType::Color).Default(clWindowText)
                                    .Property("Height", &TFont::Height, &TFont::SetHeight)
                                    .Property("Name", &TFont::Name, &TFont::SetName)
                                    .Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault)
                                    .Property("Size", &TFont::Size, &TFont::SetSize).NotStored()
                                    .Property("Style", &TFont::Style, &TFont::SetStyle).Default(TFontStyles{})
                                    .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TControl>() {
  static const ClassInfo info =
      ClassBuilder<TControl, TComponent>("TControl")
          .Property("Left", &TControl::Left, &TControl::SetLeft)
          .Property("Top", &TControl::Top, &TControl::SetTop)
          .Property("Width", &TControl::Width, &TControl::SetWidth)
          .Property("Height", &TControl::Height, &TControl::SetHeight)
          .Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone)
          .Property("Caption", &TControl::Caption, &TControl::SetCaption)
          .Property("Color", &TControl::Color, &TControl::SetColor).As(PropertyType::Color)
          .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true)
          .Object("Font", &TControl::Font)
          .Property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext).Default(0)
          .Property("Hint", &TControl::Hint, &TControl::SetHint).Default("")
          .Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
          .Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true)
          .Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true)
          .Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(false)
          .Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true)
          .Event("OnClick", &SetControlEvent<&TControl::OnClick>)
          .Event("OnDblClick", &SetControlEvent<&TControl::OnDblClick>)
          .Event("OnMouseEnter", &SetControlEvent<&TControl::OnMouseEnter>)
          .Event("OnMouseLeave", &SetControlEvent<&TControl::OnMouseLeave>)
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TGraphicControl>() {
  static const ClassInfo info = ClassBuilder<TGraphicControl, TControl>("TGraphicControl").Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TWinControl>() {
  static const ClassInfo info = ClassBuilder<TWinControl, TControl>("TWinControl")
                                    .Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                    .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                    .Property("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered)
                                    .Default(false)
                                    .Creatable<TComponent>()
                                    .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TCustomForm>() {
  static const ClassInfo info =
      ClassBuilder<TCustomForm, TWinControl>("TCustomForm")
          .Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
          .Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
          .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize})
          .Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable)
          .Property("ClientWidth", &TCustomForm::ClientWidth,
                    [](TCustomForm& f, int w) { f.SetClientSize(w, f.ClientHeight()); })
          .Property("ClientHeight", &TCustomForm::ClientHeight,
                    [](TCustomForm& f, int h) { f.SetClientSize(f.ClientWidth(), h); })
          .Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned)
          .Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal)
          .Event("OnCreate", &SetFormEvent<&TCustomForm::OnCreate>)
          .Event("OnShow", &SetFormEvent<&TCustomForm::OnShow>)
          .Event("OnHide", &SetFormEvent<&TCustomForm::OnHide>)
          .Event("OnActivate", &SetFormEvent<&TCustomForm::OnActivate>)
          .Event("OnDeactivate", &SetFormEvent<&TCustomForm::OnDeactivate>)
          .Event("OnDestroy", &SetFormEvent<&TCustomForm::OnDestroy>)
          .Event("OnClose", [](TCustomForm& f, std::function<void(TComponent*, TCloseAction&)> e) { f.OnClose = std::move(e); })
          .Event("OnCloseQuery", [](TCustomForm& f, std::function<void(TComponent*, bool&)> e) { f.OnCloseQuery = std::move(e); })
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TForm>() {
  static const ClassInfo info = ClassBuilder<TForm, TCustomForm>("TForm").Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TButton>() {
  static const ClassInfo info = ClassBuilder<TButton, TWinControl>("TButton")
                                    .Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false)
                                    .Property("Default", &TButton::Default, &TButton::SetDefault).Default(false)
                                    .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
                                    .Names(kModalResults).Default(mrNone)
                                    .Creatable<TComponent>()
                                    .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TLabel>() {
  static const ClassInfo info = ClassBuilder<TLabel, TGraphicControl>("TLabel")
                                    .Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify)
                                    .Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true)
                                    .Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
                                    .Property("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop)
                                    .Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true)
                                    .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false)
                                    .Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false)
                                    .Creatable<TComponent>()
                                    .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TImage>() {
  static const ClassInfo info = ClassBuilder<TImage, TGraphicControl>("TImage")
                                    .Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false)
                                    .Property("Center", &TImage::Center, &TImage::SetCenter).Default(false)
                                    .Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false)
                                    .Creatable<TComponent>()
                                    .Build();
  return info;
}

namespace {
// Every description is built when the module starts, so that DynamicRef knows each toolkit
// class from the first query on.
const bool kDescribed = [] {
  for (const ClassInfo* cls : {&ClassOf<TComponent>(), &ClassOf<TFont>(), &ClassOf<TControl>(),
                               &ClassOf<TGraphicControl>(), &ClassOf<TWinControl>(), &ClassOf<TCustomForm>(),
                               &ClassOf<TForm>(), &ClassOf<TButton>(), &ClassOf<TLabel>(), &ClassOf<TImage>()})
    static_cast<void>(cls);
  return true;
}();
}  // namespace

void RegisterToolkitClasses(ClassRegistry& registry) {
  for (const ClassInfo* cls : {&ClassOf<TWinControl>(), &ClassOf<TButton>(), &ClassOf<TLabel>(), &ClassOf<TImage>()})
    registry.Register(*cls);
}

}  // namespace pp::layout
