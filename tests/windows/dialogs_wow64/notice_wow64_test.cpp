// The driver failure notice of a 32-bit host on 64-bit Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include "../dialogs/icon_pixels.h"
#include "dialogs/install_confirm_form.h"
#include "hostenv/platform.h"
#include "toolkit/std_controls.h"

namespace pp::dialogs {
namespace {

TEST(NoticeOn64BitWindows, SaysTheDriverIsNotSupportedWithTheExclamationIcon) {
  ASSERT_TRUE(hostenv::IsWow64()) << "expected the 64-bit prefix";
  toolkit::Owned<TInstallConfirmForm> form = TInstallConfirmForm::Create();
  EXPECT_EQ(form->Caption(), "Warning");
  EXPECT_EQ(dynamic_cast<toolkit::TLabel&>(RequiredComponent(*form, "Label1")).Caption(),
            "Paraller Port Driver is not supported in 64-bit Windows");
  const auto shown =
      testing::IconPixels(dynamic_cast<toolkit::TImage&>(RequiredComponent(*form, "Image1")).Icon());
  EXPECT_TRUE(shown == testing::SystemIconPixels(IDI_EXCLAMATION)) << "expected the exclamation icon";
  EXPECT_FALSE(shown == testing::SystemIconPixels(IDI_HAND));
}

}  // namespace
}  // namespace pp::dialogs
