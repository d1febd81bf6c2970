// Forms built from layouts compiled into this executable as RCDATA resources, with the toolkit's
// real windows. The themed control classes the dialog layouts name do not exist yet; toolkit
// classes (and small subclasses adding the properties the layouts set) stand in for them.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "layout/form_loader.h"
#include "layout/read_error.h"
#include "layout/reader_hooks.h"
#include "toolkit/application.h"
#include "toolkit/errors.h"

namespace pp::layout::testing {

using namespace toolkit;

// A form publishing the handlers the layouts name; it records each call.
class TLayoutTestForm : public TForm {
 public:
  using TForm::TForm;
  const char* ClassName() const override { return "TLayoutTestForm"; }
  std::vector<std::string> calls;
  void FormCreate(TComponent*) { calls.push_back("FormCreate"); }
  void FormShow(TComponent*) { calls.push_back("FormShow"); }
  void Button_UpdateDisplayClick(TComponent* s) { calls.push_back("Button_UpdateDisplayClick " + s->Name()); }
  void CheckBox_DataBitsClick(TComponent* s) { calls.push_back("CheckBox_DataBitsClick " + s->Name()); }
  void CheckBox_ControlDataBitsClick(TComponent* s) { calls.push_back("CheckBox_ControlDataBitsClick " + s->Name()); }
};

// Stand-ins that add what the dialog layouts set on the themed controls.
class TStandInCheckBox : public TButton {
 public:
  using TButton::TButton;
  bool checked = false;
};
class TStandInPageControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  TWinControl* active_page = nullptr;
};
enum TStandInPanelKind { epkBackground, epkBitmap, epkGradient, epkSimple };
class TStandInPanel : public TWinControl {
 public:
  using TWinControl::TWinControl;
  TStandInPanelKind kind = epkBackground;
  bool transparent = true;
};

}  // namespace pp::layout::testing

namespace pp::layout {

using namespace testing;

template <>
struct EnumTraits<TStandInPanelKind> {
  static const EnumInfo& Info() {
    static const EnumInfo info{"TXPExtPanelKind", {"epkBackground", "epkBitmap", "epkGradient", "epkSimple"}};
    return info;
  }
};

template <>
const ClassInfo& ClassOf<TLayoutTestForm>() {
  using F = TLayoutTestForm;
  using E = toolkit::TNotifyEvent;
  static const ClassInfo info = ClassBuilder<F, toolkit::TForm>("TLayoutTestForm")
                                    .Method<E>("FormCreate", &F::FormCreate)
                                    .Method<E>("FormShow", &F::FormShow)
                                    .Method<E>("Button_UpdateDisplayClick", &F::Button_UpdateDisplayClick)
                                    .Method<E>("CheckBox_DataBitsClick", &F::CheckBox_DataBitsClick)
                                    .Method<E>("CheckBox_ControlDataBitsClick", &F::CheckBox_ControlDataBitsClick)
                                    .Build();
  return info;
}
template <>
const ClassInfo& ClassOf<TStandInCheckBox>() {
  static const ClassInfo info =
      ClassBuilder<TStandInCheckBox, toolkit::TButton>("TStandInCheckBox")
          .Property("Checked", [](TStandInCheckBox& c) { return c.checked; }, [](TStandInCheckBox& c, bool v) { c.checked = v; })
          .Creatable<toolkit::TComponent>()
          .Build();
  return info;
}
template <>
const ClassInfo& ClassOf<TStandInPageControl>() {
  static const ClassInfo info =
      ClassBuilder<TStandInPageControl, toolkit::TWinControl>("TStandInPageControl")
          .Property("ActivePage", [](TStandInPageControl& c) { return c.active_page; },
                    [](TStandInPageControl& c, toolkit::TWinControl* p) { c.active_page = p; })
          .Creatable<toolkit::TComponent>()
          .Build();
  return info;
}
template <>
const ClassInfo& ClassOf<TStandInPanel>() {
  static const ClassInfo info =
      ClassBuilder<TStandInPanel, toolkit::TWinControl>("TStandInPanel")
          .Property("Kind", [](TStandInPanel& p) { return p.kind; }, [](TStandInPanel& p, TStandInPanelKind k) { p.kind = k; })
          .Property("Transparent", [](TStandInPanel& p) { return p.transparent; },
                    [](TStandInPanel& p, bool v) { p.transparent = v; })
          .Creatable<toolkit::TComponent>()
          .Build();
  return info;
}

namespace testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

ClassRegistry StandInRegistry() {
  ClassRegistry r;
  RegisterToolkitClasses(r);
  r.Register("TXPBitBtn", ClassOf<TButton>());
  r.Register("TXPCheckBox", ClassOf<TStandInCheckBox>());
  r.Register("TWinXPPageControl", ClassOf<TStandInPageControl>());
  r.Register("TWinXPTabSheet", ClassOf<TWinControl>());
  r.Register("TXPExtPanel", ClassOf<TStandInPanel>());
  r.Register("TParallelPortForm", ClassOf<TLayoutTestForm>());
  r.Register("TInstallConfirmForm", ClassOf<TLayoutTestForm>());
  return r;
}

void Pump() {
  for (int i = 0; i < 3; ++i) {
    Application().ProcessMessages();
    Sleep(1);
  }
}

std::string WindowText(HWND wnd) {
  char text[256] = {};
  GetWindowTextA(wnd, text, sizeof text);
  return text;
}

// A child window's rectangle in its parent's client coordinates: left, top, width, height.
std::vector<int> PlaceOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Shows `form` modally and runs `during` once its loop runs; a loop still running after five
// seconds is ended with -1 so that a failing test cannot hang.
TCustomForm* g_modal = nullptr;
std::function<void()> g_during;
void CALLBACK StartTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_during) std::exchange(g_during, nullptr)();
}
void CALLBACK LimitTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_modal) g_modal->SetModalResult(-1);
}
TModalResult RunModal(TCustomForm& form, std::function<void()> during) {
  g_modal = &form;
  g_during = std::move(during);
  UINT_PTR start = SetTimer(nullptr, 0, 10, &StartTimer);
  UINT_PTR limit = SetTimer(nullptr, 0, 5000, &LimitTimer);
  TModalResult result = form.ShowModal();
  KillTimer(nullptr, start);
  KillTimer(nullptr, limit);
  g_modal = nullptr;
  return result;
}

class FormLayout : public ::testing::Test {
 protected:
  template <class F = TLayoutTestForm>
  Owned<F> Create(const char* resource, TComponent* owner = nullptr) {
    return CreateFormFromResource<F>(owner, GetModuleHandleA(nullptr), resource, registry_);
  }
  ClassRegistry registry_ = StandInRegistry();
};

TEST_F(FormLayout, DriverFailureNoticeIsBuiltFromItsResource) {
  Owned<TLayoutTestForm> form = Create("TINSTALLCONFIRMFORM");
  EXPECT_THAT(form->calls, ElementsAre("FormCreate")) << "expected OnCreate once, when the layout was read";
  EXPECT_EQ(form->Name(), "InstallConfirmForm");
  EXPECT_EQ(form->Position(), poOwnerFormCenter);
  EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form->ComponentCount(), 4);

  HWND wnd = form->Handle();
  EXPECT_EQ(WindowText(wnd), "Error");
  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 241) << "expected client width 241, got " << client.right;
  EXPECT_EQ(client.bottom, 121) << "expected client height 121, got " << client.bottom;

  auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
  auto* box = dynamic_cast<TStandInCheckBox*>(form->FindComponent("chxDontShow"));
  auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
  ASSERT_TRUE(button && box && label);
  EXPECT_EQ(form->ActiveControl(), button);
  EXPECT_EQ(GetParent(button->Handle()), wnd);
  EXPECT_EQ(WindowText(button->Handle()), "OK");
  EXPECT_EQ(PlaceOf(button->Handle()), (std::vector<int>{88, 88, 75, 25}));
  EXPECT_EQ(WindowText(box->Handle()), "&Don't show this message anymore");
  EXPECT_EQ(PlaceOf(box->Handle()), (std::vector<int>{8, 56, 209, 17}));
  EXPECT_FALSE(box->checked);
  EXPECT_EQ(label->Caption(), "Failed To Load Parallel Port Driver");
  EXPECT_TRUE(label->WordWrap());
  EXPECT_EQ(label->Layout(), tlCenter);
}

TEST_F(FormLayout, EscPressesTheNoticeButton) {
  Owned<TLayoutTestForm> form = Create("TINSTALLCONFIRMFORM");
  HWND button = dynamic_cast<TButton*>(form->FindComponent("Button1"))->Handle();
  TModalResult result = RunModal(*form, [&] {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(GetFocus(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
  });
  EXPECT_EQ(result, mrOk) << "expected Esc to press the Cancel button, whose modal result is mrOk";
  EXPECT_TRUE(IsWindow(button));
}

TEST_F(FormLayout, StatusDialogIsBuiltFromItsResource) {
  Owned<TLayoutTestForm> form = Create("TPARALLELPORTFORM");
  EXPECT_EQ(form->ComponentCount(), 33);
  EXPECT_EQ(WindowText(form->Handle()), "Parallel-Port Status/Control");

  auto find = [&](const char* name) {
    auto* c = dynamic_cast<TWinControl*>(form->FindComponent(name));
    if (!c) ADD_FAILURE() << "expected a windowed control " << name;
    return c;
  };
  TWinControl* page = find("PageControl_Data");
  TWinControl* sheet = find("TabSheet_Data");
  auto* d0 = dynamic_cast<TStandInCheckBox*>(find("CheckBox_D0"));
  TWinControl* panel = find("Panel_Buttons");
  TWinControl* ok = find("Button_OK");
  ASSERT_TRUE(page && sheet && d0 && panel && ok);
  EXPECT_EQ(static_cast<TStandInPageControl*>(page)->active_page, sheet);
  // Nesting in the layout is nesting of the windows.
  EXPECT_EQ(GetParent(d0->Handle()), sheet->Handle());
  EXPECT_EQ(GetParent(sheet->Handle()), page->Handle());
  EXPECT_EQ(GetParent(page->Handle()), form->Handle());
  EXPECT_EQ(GetParent(ok->Handle()), panel->Handle());
  EXPECT_EQ(PlaceOf(d0->Handle()), (std::vector<int>{8, 152, 150, 17}));
  EXPECT_EQ(PlaceOf(ok->Handle()), (std::vector<int>{358, 8, 75, 26}));
  EXPECT_EQ(PlaceOf(panel->Handle()), (std::vector<int>{0, 224, 439, 39}));
  EXPECT_EQ(static_cast<TStandInPanel*>(panel)->kind, epkGradient);
  EXPECT_TRUE(d0->checked);
  EXPECT_FALSE(dynamic_cast<TStandInCheckBox*>(find("CheckBox_Busy"))->checked);

  // A click on a data box, by the mouse, reaches the handler the layout named.
  form->Show();
  Pump();
  PostMessageA(d0->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(d0->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_THAT(form->calls, ElementsAre("FormShow", "CheckBox_DataBitsClick CheckBox_D0"));
}

// Gives every windowed control read whole its window at once, and remembers every window.
struct WindowRecorder : ReaderHooks {
  std::vector<HWND> windows;
  void AfterReadData(const ReadContext& c, bool failed) override {
    if (auto* w = c.component.As<TWinControl>(); w && (!failed || w->HandleAllocated())) windows.push_back(w->Handle());
  }
  std::string ReadString(const ReadContext& c, std::string text) override {
    return c.property_path == "Caption" && text == "OK" ? "Okay" : text;
  }
};

TEST_F(FormLayout, AFailingLayoutLeavesNoFormNoComponentAndNoWindow) {
  Owned<TComponent> owner(new TComponent(nullptr));
  WindowRecorder recorder;
  ScopedReaderHooks hooks(recorder);
  try {
    Create("TBROKENFORM", owner.get());
    ADD_FAILURE() << "expected EReadError, got a form";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Line(), 15) << e.what();
    EXPECT_THAT(e.what(), HasSubstr("TBROKENFORM, line 15: \"Captoin\" is not a property of Button2 (TButton)"));
  }
  EXPECT_EQ(owner->ComponentCount(), 0) << "expected the owner to hold nothing, got " << owner->ComponentCount();
  ASSERT_EQ(recorder.windows.size(), 3u) << "expected the windows of Button1, Panel1 and the form before the fault";
  for (HWND wnd : recorder.windows) EXPECT_FALSE(IsWindow(wnd)) << "expected window " << wnd << " destroyed";
}

TEST_F(FormLayout, HooksChangeTheTextsTheWindowsShow) {
  WindowRecorder recorder;
  ScopedReaderHooks hooks(recorder);
  Owned<TLayoutTestForm> form = Create("TINSTALLCONFIRMFORM");
  auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(WindowText(button->Handle()), "Okay");
  EXPECT_EQ(WindowText(form->Handle()), "Error");
}

// Counts the insertions the reader hooks are told of.
struct InsertionRecorder : ReaderHooks {
  std::vector<std::string> log;
  void ComponentInserted(ObjectRef owner, ObjectRef component) override {
    log.push_back("component into " + owner.As<TComponent>()->Name());
  }
  void ControlInserted(ObjectRef parent, ObjectRef control) override {
    log.push_back(control.As<TComponent>()->Name() + " on " + parent.As<TComponent>()->Name());
  }
};

TEST_F(FormLayout, InsertionsReachTheHooksOnceWhileReadingAndAfter) {
  InsertionRecorder recorder;
  ScopedReaderHooks hooks(recorder);
  ToolkitInsertionBridge bridge;
  Owned<TLayoutTestForm> form = Create("TINSTALLCONFIRMFORM");
  EXPECT_THAT(recorder.log, ElementsAre("component into InstallConfirmForm", "Label1 on InstallConfirmForm",
                                        "component into InstallConfirmForm", "Image1 on InstallConfirmForm",
                                        "component into InstallConfirmForm", "chxDontShow on InstallConfirmForm",
                                        "component into InstallConfirmForm", "Button1 on InstallConfirmForm"));
  recorder.log.clear();
  auto* late = new TButton(form.get());
  late->SetName("Late");
  late->SetParent(form.get());
  EXPECT_THAT(recorder.log, ElementsAre("component into InstallConfirmForm", "Late on InstallConfirmForm"));
}

TEST_F(FormLayout, AMissingResourceIsReported) {
  EXPECT_THROW(Create("TNOSUCHFORM"), EResNotFound);
}

TEST(ToolkitProperties, RunTimeQueriesSeeTheDynamicClass) {
  Owned<TForm> form(new TForm(nullptr));
  auto* button = new TButton(form.get());
  TControl* control = button;
  ObjectRef ref = DynamicRef(control);
  EXPECT_EQ(ref.cls, &ClassOf<TButton>());
  EXPECT_TRUE(HasProperty(ref, "Hint"));
  EXPECT_TRUE(HasProperty(ref, "ShowHint"));
  EXPECT_FALSE(HasProperty(DynamicRef(static_cast<TComponent*>(form.get())), "Checked"));
  std::vector<ObjectRef> fonts = ObjectPropertiesOf(ref, ClassOf<TFont>());
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].As<TFont>(), &button->Font());
  ASSERT_TRUE(SetStringProperty(ref, "Hint", "tip"));
  ASSERT_TRUE(SetBooleanProperty(ref, "ShowHint", true));
  EXPECT_EQ(button->Hint(), "tip");
  EXPECT_TRUE(button->ShowHint());
}

}  // namespace
}  // namespace testing
}  // namespace pp::layout
