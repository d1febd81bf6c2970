// The two dialog layouts read with the real themed classes: check boxes, bit buttons and the
// gradient panel come out as the layouts describe them, and reading them clicks nothing.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/button_classes.h"
#include "controls/tabs/tab_classes.h"
#include "controls/xp_controls.h"
#include "layout/form_loader.h"
#include "looks.h"
#include "toolkit/application.h"

namespace pp::layout::themed_testing {

using namespace toolkit;
using namespace controls;

class TThemedLayoutForm : public TForm {
 public:
  using TForm::TForm;
  const char* ClassName() const override { return "TThemedLayoutForm"; }
  std::vector<std::string> calls;
  void FormCreate(TComponent*) { calls.push_back("FormCreate"); }
  void FormShow(TComponent*) { calls.push_back("FormShow"); }
  void Button_UpdateDisplayClick(TComponent* s) { calls.push_back("Button_UpdateDisplayClick " + s->Name()); }
  void CheckBox_DataBitsClick(TComponent* s) { calls.push_back("CheckBox_DataBitsClick " + s->Name()); }
  void CheckBox_ControlDataBitsClick(TComponent* s) { calls.push_back("CheckBox_ControlDataBitsClick " + s->Name()); }
};

}  // namespace pp::layout::themed_testing

namespace pp::layout {

using themed_testing::TThemedLayoutForm;

template <>
const ClassInfo& ClassOf<TThemedLayoutForm>() {
  using F = TThemedLayoutForm;
  using E = toolkit::TNotifyEvent;
  static const ClassInfo info = ClassBuilder<F, toolkit::TForm>("TThemedLayoutForm")
                                    .Method<E>("FormCreate", &F::FormCreate)
                                    .Method<E>("FormShow", &F::FormShow)
                                    .Method<E>("Button_UpdateDisplayClick", &F::Button_UpdateDisplayClick)
                                    .Method<E>("CheckBox_DataBitsClick", &F::CheckBox_DataBitsClick)
                                    .Method<E>("CheckBox_ControlDataBitsClick", &F::CheckBox_ControlDataBitsClick)
                                    .Build();
  return info;
}

namespace themed_testing {
namespace {

using ::testing::ElementsAre;

struct ThemedLayouts : ::testing::Test {
  ClassRegistry registry;
  void SetUp() override {
    pp::test::StartControlsForTests();
    RegisterToolkitClasses(registry);
    RegisterButtonClasses(registry);
    RegisterTabClasses(registry);
    registry.Register("TParallelPortForm", ClassOf<TThemedLayoutForm>());
    registry.Register("TInstallConfirmForm", ClassOf<TThemedLayoutForm>());
  }
  Owned<TThemedLayoutForm> Create(const char* resource) {
    return CreateFormFromResource<TThemedLayoutForm>(nullptr, GetModuleHandleA(nullptr), resource, registry);
  }
  template <class T>
  T* Find(TForm& form, const char* name) {
    auto* c = dynamic_cast<T*>(form.FindComponent(name));
    if (!c) ADD_FAILURE() << "expected " << name << " of the themed class";
    return c;
  }
};

TEST_F(ThemedLayouts, DriverFailureNoticeHasAThemedBoxAndButton) {
  Owned<TThemedLayoutForm> form = Create("TINSTALLCONFIRMFORM");
  auto* box = Find<TXPCheckBox>(*form, "chxDontShow");
  auto* ok = Find<TXPBitBtn>(*form, "Button1");
  ASSERT_TRUE(box && ok);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(box->Caption(), "&Don't show this message anymore");
  EXPECT_TRUE(ok->Default());
  EXPECT_TRUE(ok->Cancel());
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_EQ(ok->Kind(), bkCustom);
  EXPECT_THAT(form->calls, ElementsAre("FormCreate"));
}

TEST_F(ThemedLayouts, StatusDialogLoadsItsBoxesCheckedWithoutOnClickAndTheButtonBar) {
  Owned<TThemedLayoutForm> form = Create("TPARALLELPORTFORM");
  const char* data[] = {"CheckBox_D7", "CheckBox_D3", "CheckBox_D0", "CheckBox_Strobe", "CheckBox_UnUsed1"};
  for (const char* name : data) {
    if (auto* b = Find<TXPCheckBox>(*form, name)) {
      EXPECT_EQ(b->State(), cbChecked) << name;
    }
  }
  if (auto* busy = Find<TXPCheckBox>(*form, "CheckBox_Busy")) {
    EXPECT_EQ(busy->State(), cbUnchecked);
  }
  EXPECT_TRUE(form->calls.empty()) << "expected no handler while reading, got " << form->calls.size();

  auto* panel = Find<TXPExtPanel>(*form, "Panel_Buttons");
  auto* ok = Find<TXPBitBtn>(*form, "Button_OK");
  auto* read = Find<TXPBitBtn>(*form, "Button_UpdateDisplay");
  ASSERT_TRUE(panel && ok && read);
  EXPECT_EQ(panel->Kind(), epkGradient);
  EXPECT_FALSE(panel->Transparent());
  EXPECT_TRUE(panel->UseDefaultColor());
  EXPECT_EQ(panel->Color(), XPColorFace);
  EXPECT_EQ(ok->Parent(), panel);
  EXPECT_TRUE(ok->Default() && ok->Cancel());
  EXPECT_EQ(read->Caption(), "&Read and Update Display");

  // One click on a data box: its handler once, with the box already clear.
  auto* d0 = Find<TXPCheckBox>(*form, "CheckBox_D0");
  ASSERT_TRUE(d0);
  form->Show();
  for (int i = 0; i < 3; ++i) Application().ProcessMessages();
  form->calls.clear();
  SendMessageA(d0->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(d0->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_THAT(form->calls, ElementsAre("CheckBox_DataBitsClick CheckBox_D0"));
  EXPECT_EQ(d0->State(), cbUnchecked);
}

}  // namespace
}  // namespace themed_testing
}  // namespace pp::layout
