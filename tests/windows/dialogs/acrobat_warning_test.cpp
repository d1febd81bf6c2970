// The PDF reader warning: shown unless silenced, silenced by its own check box.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialog_driving.h"
#include "icon_pixels.h"
#include "dialogs/acrobat_warning_form.h"
#include "hostenv/acrobat_warning.h"
#include "toolkit/std_controls.h"

namespace pp::dialogs::testing {
namespace {

constexpr char kFormsKey[] = "Software\\Veltrex2004\\Quillmark\\Forms";

class ReaderWarning : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kFormsKey); }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kFormsKey); }

  // Shows the warning if it wants to; answers whether it appeared. `tick` ticks its box.
  bool Run(bool tick) {
    bool shown = false;
    RunWhileShown([] { hostenv::ShowAcrobatVersionWarning(); },
                  [&] {
                    TAcrobatWarningForm* form = FindForm<TAcrobatWarningForm>();
                    if (!form) return;
                    shown = IsWindowVisible(form->Handle()) && form->Caption() == "Warning";
                    if (tick) Click(dynamic_cast<toolkit::TWinControl&>(RequiredComponent(*form, "chxDontShow")).Handle());
                    Click(dynamic_cast<toolkit::TWinControl&>(RequiredComponent(*form, "Button1")).Handle());
                  },
                  5000);
    return shown;
  }
};

TEST_F(ReaderWarning, ShownUntilItsBoxIsTicked) {
  EXPECT_TRUE(Run(false));
  EXPECT_TRUE(hostenv::AcrobatVersionWarningEnabled()) << "expected an unticked box to store nothing";
  EXPECT_TRUE(Run(true));
  EXPECT_FALSE(hostenv::AcrobatVersionWarningEnabled());
  EXPECT_FALSE(Run(false)) << "expected the silenced warning not to show";
}

TEST_F(ReaderWarning, CarriesItsTextsAndTheWarningIcon) {
  toolkit::Owned<TAcrobatWarningForm> form = TAcrobatWarningForm::Create();
  EXPECT_EQ(form->Caption(), "Warning");
  auto& box = dynamic_cast<toolkit::TWinControl&>(RequiredComponent(*form, "chxDontShow"));
  EXPECT_EQ(box.Caption(), "&Don't show this again");
  EXPECT_EQ(dynamic_cast<toolkit::TWinControl&>(RequiredComponent(*form, "Button1")).Caption(), "OK");
  EXPECT_NE(dynamic_cast<toolkit::TLabel&>(RequiredComponent(*form, "Label1")).Caption().find("6.0 or later"),
            std::string::npos);
  EXPECT_TRUE(IconPixels(dynamic_cast<toolkit::TImage&>(RequiredComponent(*form, "Image1")).Icon()) ==
              SystemIconPixels(IDI_EXCLAMATION))
      << "expected the exclamation icon";
}

}  // namespace
}  // namespace pp::dialogs::testing
