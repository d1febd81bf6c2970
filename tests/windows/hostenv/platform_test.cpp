#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "hostenv/platform.h"
#include "hostenv_helpers.h"

namespace pp::hostenv {
namespace {

TEST(DISABLED_Child, PrintVersionChecks) {
  std::printf("versions: 2000=%d vista=%d\n", IsWindows2000(), IsWindowsVistaOrLater());
}

// Wine reports the version set for a program under AppDefaults; each case runs a child of this
// program under one version.
TEST(Platform, VersionChecks) {
  struct Case {
    const char* version;
    const char* line;
  };
  const Case cases[] = {
      {"win2k", "versions: 2000=1 vista=0"},
      {"winxp", "versions: 2000=0 vista=0"},
      {"win7", "versions: 2000=0 vista=1"},
  };
  const std::string exe = test::ExePath().substr(test::ExeFolder().size());
  for (const Case& c : cases) {
    test::ScopedKey key(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + exe);
    key.SetString("Version", c.version);
    const test::ChildResult child = test::RunChild(
        "\"" + test::ExePath() + "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Child.PrintVersionChecks");
    EXPECT_NE(child.output.find(c.line), std::string::npos) << c.version << ": expected " << c.line << ", got\n"
                                                            << child.output;
  }
}

TEST(Platform, ModifierKeysFollowTheThreadKeyState) {
  BYTE saved[256];
  ASSERT_TRUE(GetKeyboardState(saved));
  struct Case {
    int key;
    bool ctrl, shift, alt;
  };
  const Case cases[] = {
      {0, false, false, false},
      {VK_CONTROL, true, false, false},
      {VK_SHIFT, false, true, false},
      {VK_MENU, false, false, true},
  };
  for (const Case& c : cases) {
    BYTE state[256] = {};
    if (c.key) state[c.key] = 0x80;
    state[VK_CAPITAL] = 0x01;  // toggled, not down: must not count
    ASSERT_TRUE(SetKeyboardState(state));
    EXPECT_EQ(IsCtrlDown(), c.ctrl) << "key " << c.key;
    EXPECT_EQ(IsShiftDown(), c.shift) << "key " << c.key;
    EXPECT_EQ(IsAltDown(), c.alt) << "key " << c.key;
  }
  BYTE toggledOnly[256] = {};
  toggledOnly[VK_CONTROL] = 0x01;  // the low bit is the toggle state, not "down"
  SetKeyboardState(toggledOnly);
  EXPECT_FALSE(IsCtrlDown());
  SetKeyboardState(saved);
}

}  // namespace
}  // namespace pp::hostenv
