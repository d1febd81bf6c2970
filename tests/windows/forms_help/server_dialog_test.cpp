// The server dialog: host ownership, the dialog frame of a form designed sizeable, centring on
// the active monitor, remembered bounds, Tab through windows the toolkit did not make, the
// dialog font on late controls, and test mode.
#include <windows.h>

#include <gtest/gtest.h>

#include "forms/form_bounds.h"
#include "forms/locale_fonts.h"
#include "forms_fixture.h"
#include "hostenv/preferences.h"
#include "toolkit/messages.h"

namespace pp::forms::testing {
namespace {

using namespace toolkit;
using toolkit::testing::Pump;
using toolkit::testing::SetKeyDown;

RECT WindowRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}
SIZE ClientSize(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return {r.right, r.bottom};
}
bool HasSystemCommand(HWND w, UINT command) {
  return GetMenuState(GetSystemMenu(w, FALSE), command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

TEST(ServerDialog, DesignedSizeableBecomesAResizableDialogFrameOfTheSameClientSize) {
  RECT designed{0, 0, 300, 200};
  AdjustWindowRectEx(&designed, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, FALSE, 0);
  const int frame_w = designed.right - designed.left - 300, frame_h = designed.bottom - designed.top - 200;
  Owned<TestDialog> dialog = MakeDialog({.border = bsSizeable, .bounds = {0, 0, 300 + frame_w, 200 + frame_h}});
  EXPECT_TRUE(dialog->Sizeable());
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  EXPECT_TRUE(dialog->BorderIcons() == (TBorderIcons{biSystemMenu, biHelp}));
  const HWND w = dialog->Handle();
  const LONG style = GetWindowLongA(w, GWL_STYLE), ex = GetWindowLongA(w, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(ex & WS_EX_CONTEXTHELP);
  EXPECT_TRUE(ex & WS_EX_DLGMODALFRAME);
  const SIZE client = ClientSize(w);
  EXPECT_EQ(client.cx, 300);
  EXPECT_EQ(client.cy, 200);
  EXPECT_EQ(GetWindow(w, GW_OWNER), HostMainWindow());
  EXPECT_TRUE(HasSystemCommand(w, SC_SIZE)) << "a resizable dialog keeps Size in its system menu";
}

TEST(ServerDialog, DesignedDialogKeepsItsFrame) {
  Owned<TestDialog> dialog = MakeDialog({.border = bsDialog});
  const HWND w = dialog->Handle();
  EXPECT_FALSE(dialog->Sizeable());
  EXPECT_FALSE(GetWindowLongA(w, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  EXPECT_EQ(GetWindow(w, GW_OWNER), HostMainWindow());
  for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
    EXPECT_FALSE(HasSystemCommand(w, command)) << "system command " << std::hex << command;
  EXPECT_TRUE(HasSystemCommand(w, SC_CLOSE));
}

// The stored bounds of the test dialog class, removed before and after.
struct BoundsFixture : ::testing::Test {
  std::string key = FormBoundsKey() + "\\TTestDialog";
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); }
  bool Stored() const {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
  }
};

TEST_F(BoundsFixture, AResizableDialogReopensWhereItWasClosed) {
  EXPECT_EQ(FormBoundsKey(), hostenv::GetPreferenceKey() + "\\Forms");
  {
    Owned<TestDialog> dialog = MakeDialog({.border = bsSizeable});
    dialog->SetBounds(100, 80, 500, 300);
    ASSERT_TRUE(dialog->CloseQuery());
  }
  ASSERT_TRUE(Stored());
  Owned<TestDialog> again = MakeDialog({.border = bsSizeable});
  const RECT r = WindowRect(again->Handle());
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 300);
}

TEST_F(BoundsFixture, RefusedCloseAndFixedDialogsStoreNothing) {
  Owned<TestDialog> fixed = MakeDialog({.border = bsDialog});
  EXPECT_TRUE(fixed->CloseQuery());
  EXPECT_FALSE(Stored());
  Owned<TestDialog> refusing = MakeDialog({.border = bsSizeable});
  refusing->OnCloseQuery = [](TComponent*, bool& can_close) { can_close = false; };
  EXPECT_FALSE(refusing->CloseQuery());
  EXPECT_FALSE(Stored());
}

TEST_F(BoundsFixture, StoredValuesReplaceOnlyWhatIsThere) {
  HKEY k = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
            ERROR_SUCCESS);
  const DWORD width = 640;
  RegSetValueExA(k, "Width", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width), sizeof width);
  RegSetValueExA(k, "Left", 0, REG_SZ, reinterpret_cast<const BYTE*>("-50"), 4);  // older hosts wrote text
  RegCloseKey(k);
  // Centring gives the dialog its place first; the stored values then replace what they name.
  Owned<TestDialog> dialog = MakeDialog({.border = bsSizeable, .bounds = {0, 0, 300, 200}});
  EXPECT_EQ(dialog->Width(), 640);
  EXPECT_EQ(dialog->Left(), -50);
  EXPECT_EQ(dialog->Height(), 200);
}

// Centring through a monitor layout the display does not have.
RECT g_monitor{};
HWND g_asked_for = nullptr;
bool FakeMonitor(HWND active, RECT& bounds) {
  g_asked_for = active;
  bounds = g_monitor;
  return true;
}

TEST(ServerDialog, CentresOnTheMonitorOfTheActiveWindow) {
  struct Case {
    RECT monitor;
    int width, height;
    POINT expected;
  };
  const Case cases[] = {
      {{1024, 0, 2048, 768}, 300, 200, {1386, 284}},
      {{-1280, -24, 0, 1000}, 301, 201, {-790, 387}},  // halves round toward zero
  };
  ActiveMonitorQuery previous = SetActiveMonitorQuery(&FakeMonitor);
  for (const Case& c : cases) {
    g_monitor = c.monitor;
    g_asked_for = nullptr;
    Owned<TestDialog> dialog = MakeDialog({.bounds = {5, 5, c.width, c.height}});
    EXPECT_EQ(g_asked_for, GetActiveWindow());
    EXPECT_EQ(dialog->Left(), c.expected.x);
    EXPECT_EQ(dialog->Top(), c.expected.y);
    EXPECT_EQ(dialog->Width(), c.width);
  }
  SetActiveMonitorQuery(previous);
}

TEST(ServerDialog, ShowsWhereConstructionPutIt) {
  Owned<TestDialog> dialog = MakeDialog({.bounds = {0, 0, 200, 100}});
  dialog->SetPosition(poScreenCenter);
  dialog->SetBounds(7, 9, 200, 100);
  dialog->Show();
  Pump();
  const RECT r = WindowRect(dialog->Handle());
  EXPECT_EQ(r.left, 7);
  EXPECT_EQ(r.top, 9);
  EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
}

TEST(ServerDialog, TabLeavesAForeignWindowForTheNextControl) {
  TWinControl *first = nullptr, *panel = nullptr, *last = nullptr;
  Owned<TestDialog> dialog = MakeDialog({}, [&](TestDialog* d) {
    auto add = [d](TWinControl* parent, int top) {
      auto* c = new TWinControl(d);
      c->SetTabStop(true);
      c->SetBounds(10, top, 150, 30);
      c->SetParent(parent);
      return c;
    };
    first = add(d, 10);
    panel = add(d, 50);
    panel->SetTabStop(false);
    last = add(d, 90);
  });
  dialog->Show();
  const HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 2, 2, 100, 20,
                                    panel->Handle(), nullptr, nullptr, nullptr);
  Pump();
  struct Case {
    int modifier;  // 0: none
    HWND expected;
    LRESULT result;
  };
  const Case cases[] = {
      {0, last->Handle(), 1},
      {VK_SHIFT, first->Handle(), 1},
      {VK_CONTROL, edit, 0},  // Ctrl+Tab and Alt+Tab are not the dialog's
      {VK_MENU, edit, 0},
  };
  for (const Case& c : cases) {
    SetFocus(edit);
    if (c.modifier) SetKeyDown(c.modifier, true);
    const LRESULT result = dialog->Perform(CM_DIALOGKEY, VK_TAB, 0);
    if (c.modifier) SetKeyDown(c.modifier, false);
    EXPECT_EQ(result, c.result) << "modifier " << c.modifier;
    EXPECT_EQ(GetFocus(), c.expected) << "modifier " << c.modifier;
  }
  DestroyWindow(edit);
}

TEST(ServerDialog, ControlsGetTheHostsDialogFontAlsoWhenAddedLater) {
  HostSetting font("PPHOST_DIALOGFONT", "Tahoma,9,1,255,0");
  TLabel* label = nullptr;
  Owned<TestDialog> dialog = MakeDialog({}, [&](TestDialog* d) {
    label = new TLabel(d);
    label->SetParent(d);
  });
  auto* late = new TButton(dialog.get());
  late->SetParent(dialog.get());
  for (TFont* f : {&dialog->Font(), &label->Font(), &late->Font()}) {
    EXPECT_EQ(f->Name(), "Tahoma");
    EXPECT_EQ(f->Size(), 9);
    EXPECT_TRUE(f->Style().Contains(fsBold));
    EXPECT_EQ(f->Color(), 255);
  }
}

TEST(ServerDialog, WithoutAHostFontControlsKeepTheirOwn) {
  TLabel* label = nullptr;
  Owned<TestDialog> dialog = MakeDialog({}, [&](TestDialog* d) {
    label = new TLabel(d);
    label->Font().SetName("Courier New");
    label->SetParent(d);
  });
  EXPECT_FALSE(dialog->UseHostFont());
  EXPECT_EQ(label->Font().Name(), "Courier New");
}

TEST(ServerDialog, ShowingGoesOnWhenOnShowRaises) {
  toolkit::testing::HandledExceptions().clear();
  Owned<TestDialog> dialog = MakeDialog({});
  dialog->SetPosition(poScreenCenter);
  dialog->OnShow = [](TComponent*) { throw std::runtime_error("OnShow failed"); };
  dialog->Show();
  Pump();
  EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
  EXPECT_EQ(toolkit::testing::HandledExceptions(), std::vector<std::string>{"OnShow failed"});
}

TEST(ServerDialog, LateControlsGetLocaleFontsFromTheHost) {
  HostLog log;
  HostSetting locale("PPHOST_GetUseSystemLocaleLanguage", "1");
  HostSetting update("PPHOST_UpdateFont", "1");
  HostSetting face("PPHOST_UPDATEFONT_FACE", "Arial");
  SetFontSubstitutionOn(true);
  Owned<TestDialog> dialog = MakeDialog({});
  ASSERT_TRUE(dialog->UseLocaleLanguage());
  auto* late = new TButton(dialog.get());
  late->SetParent(dialog.get());
  SetFontSubstitutionOn(false);
  EXPECT_EQ(late->Font().Name(), "Arial");
  EXPECT_FALSE(log.Calls("ClientAPI_UpdateFont(").empty());
}

// Test mode: a modal show writes one line and ends the process, here in a child.
TEST(DISABLED_Child, ShowModalInTestMode) {
  Owned<TestDialog> dialog = MakeDialog({});
  dialog->ShowModal();
  std::printf("still running\n");
}

TEST(ServerDialog, TestModeEndsTheProcessInsteadOfShowing) {
  hostenv::test::ScopedKey key(HKEY_LOCAL_MACHINE, "Software\\Veltrex\\TestMode");
  const hostenv::test::ChildResult child = hostenv::test::RunChild(
      "\"" + hostenv::test::ExePath() + "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Child.ShowModalInTestMode");
  EXPECT_EQ(child.exitCode, 1u);
  EXPECT_NE(child.output.find("Running modal dialog TTestDialog Test dialog\n"), std::string::npos) << child.output;
  EXPECT_EQ(child.output.find("still running"), std::string::npos) << child.output;
}

}  // namespace
}  // namespace pp::forms::testing
