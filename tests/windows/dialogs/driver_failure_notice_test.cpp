// The driver failure notice: when it shows, what it stores, and the manager's start that
// shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../hostenv/hostenv_helpers.h"
#include "dialog_driving.h"
#include "icon_pixels.h"
#include "dialogs/driver_failure_notice.h"
#include "dialogs/install_confirm_form.h"
#include "plugin/manager.h"
#include "plugin_host.h"
#include "toolkit/std_controls.h"

namespace pp::dialogs::testing {
namespace {

constexpr char kKey[] = "Software\\Veltrex2004\\Quillmark";
constexpr char kValue[] = "DontShowLoadParallerPortDriverFailed";

bool KeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}
void DeleteKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }
void SetValue(DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExA(key, kValue, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}
void SetDword(DWORD v) { SetValue(REG_DWORD, &v, sizeof v); }
std::optional<DWORD> StoredValue() {
  DWORD v = 0, size = sizeof v, type = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_ANY, &type, &v, &size) != ERROR_SUCCESS) return {};
  return v;
}

class Notice : public ::testing::Test {
 protected:
  void SetUp() override { DeleteKey(); }
  void TearDown() override { DeleteKey(); }
};

TEST_F(Notice, StoredValuesDecideWhetherItShows) {
  struct Case {
    const char* name;
    std::optional<DWORD> stored;
    bool shows;
  };
  const Case cases[] = {{"no value", {}, true}, {"0", 0u, true}, {"1", 1u, false}, {"7", 7u, false},
                        {"0xFFFFFFFF", 0xFFFFFFFFu, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteKey();
    if (c.stored) SetDword(*c.stored);
    EXPECT_EQ(ShouldShowDriverFailureNotice(), c.shows);
    EXPECT_TRUE(KeyExists()) << "expected the preference key to exist after the read";
  }
}

TEST_F(Notice, AValueOfAnotherTypeRaises) {
  SetValue(REG_SZ, "1", 2);
  EXPECT_THROW(ShouldShowDriverFailureNotice(), ERegistryValueError);
  const unsigned char eight[8] = {1};
  SetValue(REG_BINARY, eight, sizeof eight);
  EXPECT_THROW(ShouldShowDriverFailureNotice(), ERegistryValueError);
}

TEST_F(Notice, SuppressStoresOne) {
  SuppressDriverFailureNotice();
  EXPECT_EQ(StoredValue(), 1u);
  EXPECT_FALSE(ShouldShowDriverFailureNotice());
}

// How the notice is closed, with the box ticked or not, against what is stored.
TEST_F(Notice, TickingTheBoxStoresOneHoweverItIsClosed) {
  enum Close { kOk, kEsc, kCloseBox };
  struct Case {
    const char* name;
    bool tick;
    Close close;
  };
  const Case cases[] = {{"ticked, OK", true, kOk},           {"ticked, Esc", true, kEsc},
                        {"ticked, close box", true, kCloseBox}, {"unticked, OK", false, kOk},
                        {"unticked, close box", false, kCloseBox}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteKey();
    bool shown = false;
    RunWhileShown([] { ShowDriverFailureNotice(); },
                  [&] {
                    TInstallConfirmForm* form = FindForm<TInstallConfirmForm>();
                    ASSERT_NE(form, nullptr);
                    shown = IsWindowVisible(form->Handle());
                    auto& box = dynamic_cast<toolkit::TWinControl&>(RequiredComponent(*form, "chxDontShow"));
                    if (c.tick) Click(box.Handle());
                    HWND ok = dynamic_cast<toolkit::TWinControl&>(RequiredComponent(*form, "Button1")).Handle();
                    switch (c.close) {
                      case kOk: Click(ok); break;
                      case kEsc: PostKey(VK_ESCAPE); break;
                      case kCloseBox: PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
                    }
                  });
    EXPECT_TRUE(shown);
    EXPECT_EQ(FindForm<TInstallConfirmForm>(), nullptr) << "expected the notice freed";
    if (c.tick)
      EXPECT_EQ(StoredValue(), 1u);
    else
      EXPECT_EQ(StoredValue(), std::nullopt) << "expected nothing written";
  }
}

TEST_F(Notice, SilencedNoticeMakesNoWindow) {
  SetDword(1);
  static int shown = 0;
  shown = 0;
  auto previous = toolkit::SetFormShowingHook([](toolkit::TCustomForm*) {
    ++shown;
    return false;
  });
  ShowDriverFailureNotice();
  toolkit::SetFormShowingHook(previous);
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(toolkit::Screen().FormCount(), 0);
}

TEST_F(Notice, ThirtyTwoBitWindowsSaysTheDriverFailedWithTheErrorIcon) {
  toolkit::Owned<TInstallConfirmForm> form = TInstallConfirmForm::Create();
  EXPECT_EQ(form->Caption(), "Error");
  EXPECT_EQ(dynamic_cast<toolkit::TLabel&>(RequiredComponent(*form, "Label1")).Caption(),
            "Failed To Load Parallel Port Driver");
  const auto shown = IconPixels(dynamic_cast<toolkit::TImage&>(RequiredComponent(*form, "Image1")).Icon());
  EXPECT_TRUE(shown == SystemIconPixels(IDI_HAND)) << "expected the error icon";
  EXPECT_FALSE(shown == SystemIconPixels(IDI_EXCLAMATION));
}

// The manager's start, without a driver: the notice once per start; a broken value fails the
// start and shows nothing.
TEST_F(Notice, ManagerStartShowsItOnceOrReportsABrokenValue) {
  test::SimLog log;
  test::ScopedEnv fails("VEXIO_SIM_LOAD_FAILS", "1000");
  int shown = 0;
  {
    plugin::TParallelPortManager manager;
    BYTE available = 9;
    RunWhileShown([&] { EXPECT_EQ(manager.Start(&available), S_OK); },
                  [&] {
                    shown += FindForm<TInstallConfirmForm>() != nullptr;
                    PostKey(VK_ESCAPE);
                  });
    EXPECT_EQ(available, 0);
    LONG count = -1;
    EXPECT_EQ(manager.GetPortCount(&count), S_OK);
    EXPECT_EQ(shown, 1);
  }
  SetValue(REG_SZ, "yes", 4);
  plugin::TParallelPortManager manager;
  BYTE available = 9;
  EXPECT_EQ(manager.Start(&available), static_cast<HRESULT>(0x8000FFFF));
  EXPECT_EQ(toolkit::Screen().FormCount(), 0);
}

// Bodies run in a child process: each ends it.
TEST(DISABLED_Child, ShowNotice) {
  DeleteKey();
  ShowDriverFailureNotice();
  std::printf("still running\n");
}

TEST(NoticeTestMode, WritesOneLineAndEndsTheProcess) {
  hostenv::test::ScopedKey key(HKEY_LOCAL_MACHINE, "Software\\Veltrex\\TestMode");
  const hostenv::test::ChildResult child = hostenv::test::RunChild(
      "\"" + hostenv::test::ExePath() + "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Child.ShowNotice");
  EXPECT_EQ(child.exitCode, 1u);
  EXPECT_NE(child.output.find("Running modal dialog TInstallConfirmForm Error\n"), std::string::npos)
      << "got\n" << child.output;
  EXPECT_EQ(child.output.find("still running"), std::string::npos);
}

}  // namespace
}  // namespace pp::dialogs::testing
