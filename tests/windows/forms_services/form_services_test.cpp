// What the form services change for the whole module: colour names, hint windows, message
// boxes (their place, and test mode), the design-time host, and removal at shut-down.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../hostenv/hostenv_helpers.h"
#include "forms/form_services.h"
#include "forms/form_with_help.h"
#include "hostenv/message_dialog.h"
#include "test_host.h"
#include "toolkit/application.h"
#include "toolkit/colors.h"
#include "toolkit/form.h"
#include "toolkit/hint_window.h"
#include "toolkit/message_dialog.h"
#include "toolkit/screen.h"
#include "toolkit/std_controls.h"

namespace pp::forms::test {
namespace {

using ::testing::HasSubstr;

DWORD ClassStyle(toolkit::THintWindow* made) {
  toolkit::Owned<toolkit::THintWindow> hint(made);
  return static_cast<DWORD>(GetClassLongA(hint->Handle(), GCL_STYLE));
}
DWORD HintClassStyle() { return ClassStyle(toolkit::Application().HintWindowClass(nullptr)); }

TEST(FormServices, InstalledAndRemovedOrDesignTimeHost) {
  BindTestHost();
  ASSERT_NE(ClassStyle(new toolkit::THintWindow(nullptr)) & CS_DROPSHADOW, 0u) << "the toolkit's own hint window has one";
  const struct {
    bool design_time;
    bool installed;
    const char* old_encoding_name;
  } cases[] = {{false, true, "clBtnFace"}, {true, false, "$8000000F"}};
  for (const auto& c : cases) {
    toolkit::Application().OnException = nullptr;
    StartFormServices(c.design_time);
    EXPECT_EQ(FormServicesInstalled(), c.installed) << c.design_time;
    EXPECT_EQ(toolkit::ColorToString(static_cast<toolkit::TColor>(0x8000000F)), c.old_encoding_name) << c.design_time;
    EXPECT_EQ(toolkit::ColorToString(static_cast<toolkit::TColor>(0xFF00000F)), "clBtnFace");
    EXPECT_EQ(toolkit::ColorToString(static_cast<toolkit::TColor>(0x80FFFFFF)), c.installed ? "$FFFFFFFF" : "$80FFFFFF");
    EXPECT_EQ(HintClassStyle() & CS_DROPSHADOW, 0u) << "no hint of the module has a drop shadow";
    EXPECT_TRUE(toolkit::Application().OnException) << "the exception handler is set in either host";
    EXPECT_EQ(FormsKey(), "Software\\Veltrex2004\\Quillmark\\Forms");
    StopFormServices();
    EXPECT_FALSE(FormServicesInstalled());
    EXPECT_EQ(toolkit::ColorToString(static_cast<toolkit::TColor>(0x8000000F)), "$8000000F");
  }
}

TEST(FormServices, DesignTimeHostByExecutableNameWithoutCase) {
  EXPECT_TRUE(IsDesignTimeHost("C:\\Tools\\FormDesigner.exe"));
  EXPECT_TRUE(IsDesignTimeHost("c:\\tools\\FORMDESIGNER.EXE"));
  EXPECT_TRUE(IsDesignTimeHost("FormDesigner.exe"));
  EXPECT_FALSE(IsDesignTimeHost("C:\\FormDesigner.exe\\Host.exe"));
  EXPECT_FALSE(IsDesignTimeHost("C:\\Tools\\FormDesigner.exe.bak"));
}

// A control made in code and put on a help-aware form gets the host's dialog font, like the
// controls its layout made; without the services it keeps its own.
TEST(FormServices, ControlAddedInCodeGetsTheDialogFont) {
  BindTestHost();
  Host().Reset();
  Host().dialog_font = "Courier New";
  for (bool installed : {true, false}) {
    if (installed) StartFormServices(false);
    toolkit::Owned<TFormWithHelp> form(new TFormWithHelp(nullptr));
    ASSERT_TRUE(form->UseHostFont());
    auto* panel = new toolkit::TWinControl(form.get());
    panel->SetParent(form.get());
    auto* button = new toolkit::TButton(form.get());
    button->SetParentFont(false);
    button->SetParent(panel);  // the form is found among the new control's parents
    EXPECT_EQ(button->Font().Name() == "Courier New", installed) << "services installed: " << installed
                                                                 << ", font " << button->Font().Name();
    if (installed) StopFormServices();
  }
  Host().Reset();
}

// The place a message box opens: on the monitor of the active window, whatever the box asked.
RECT g_shown{};
UINT_PTR g_timer = 0;
void CALLBACK CloseBox(HWND, UINT, UINT_PTR, DWORD) {
  for (int i = 0; i < toolkit::Screen().FormCount(); ++i)
    if (auto* box = dynamic_cast<toolkit::TMessageForm*>(toolkit::Screen().Forms(i)))
      if (IsWindowVisible(box->Handle())) {
        GetWindowRect(box->Handle(), &g_shown);
        box->SetModalResult(toolkit::mrOk);
      }
}

TEST(FormServices, MessageBoxCentredOnTheActiveWindowsMonitor) {
  BindTestHost();
  StartFormServices(false);
  toolkit::Owned<toolkit::TForm> active(new toolkit::TForm(nullptr));
  active->SetBounds(20, 30, 200, 100);
  active->Show();
  SetActiveWindow(active->Handle());
  g_shown = RECT{};
  g_timer = SetTimer(nullptr, 0, 50, &CloseBox);
  toolkit::Owned<toolkit::TMessageForm> box(toolkit::CreateMessageDialog("Port 0x378 is gone", toolkit::mtWarning,
                                                                         {toolkit::mbOK}));
  box->SetPosition(toolkit::poDesigned);
  box->SetBounds(0, 0, box->Width(), box->Height());  // asked for the corner
  box->ShowModal();
  KillTimer(nullptr, g_timer);
  StopFormServices();
  MONITORINFO m{};
  m.cbSize = sizeof m;
  GetMonitorInfoA(MonitorFromWindow(active->Handle(), MONITOR_DEFAULTTONEAREST), &m);
  const int width = g_shown.right - g_shown.left, height = g_shown.bottom - g_shown.top;
  ASSERT_GT(width, 0) << "the box was never seen";
  EXPECT_EQ(g_shown.left, (m.rcMonitor.left + m.rcMonitor.right - width) / 2);
  EXPECT_EQ(g_shown.top, (m.rcMonitor.top + m.rcMonitor.bottom - height) / 2);
}

TEST(FormServices, CenterWindowOnMonitorUsesTheFullMonitorRectangle) {
  toolkit::Owned<toolkit::TForm> form(new toolkit::TForm(nullptr));
  form->SetBounds(5, 7, 301, 151);
  HMONITOR monitor = MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST);
  CenterWindowOnMonitor(form->Handle(), monitor);
  MONITORINFO m{};
  m.cbSize = sizeof m;
  GetMonitorInfoA(monitor, &m);
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.left, (m.rcMonitor.left + m.rcMonitor.right - 301) / 2);
  EXPECT_EQ(r.top, (m.rcMonitor.top + m.rcMonitor.bottom - 151) / 2);
  EXPECT_EQ(r.right - r.left, 301) << "size unchanged";
}

// Test mode, in a child process: the box says which it is and ends the process with code 1.
TEST(DISABLED_FormServicesChild, ToolkitMessageBox) {
  BindTestHost();
  StartFormServices(false);
  toolkit::Owned<toolkit::TMessageForm> box(toolkit::CreateMessageDialog("Gone", toolkit::mtWarning, {toolkit::mbOK}));
  box->SetCaption("Port Check");
  box->ShowModal();
  std::printf("still running\n");
}
TEST(DISABLED_FormServicesChild, ErrorDialogOfTheHostEnvironment) {
  BindTestHost();
  StartFormServices(false);
  hostenv::ShowErrorDialog("Driver failed");
  std::printf("still running\n");
}

TEST(FormServices, TestModeMessageBoxWritesItsLineAndEndsTheProcess) {
  const struct {
    const char* child;
    const char* line;
  } cases[] = {
      {"ToolkitMessageBox", "Running modal dialog TMessageForm Port Check\n"},
      {"ErrorDialogOfTheHostEnvironment", "ShowDialogWithCaption withError Driver failed\n"},
  };
  hostenv::test::ScopedKey key(HKEY_LOCAL_MACHINE, "Software\\Veltrex\\TestMode");
  for (const auto& c : cases) {
    const hostenv::test::ChildResult child = hostenv::test::RunChild(
        "\"" + hostenv::test::ExePath() + "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_FormServicesChild." +
        c.child);
    EXPECT_EQ(child.exitCode, 1u) << c.child;
    EXPECT_THAT(child.output, HasSubstr(c.line)) << c.child;
    EXPECT_EQ(child.output.find("still running"), std::string::npos) << c.child;
  }
}

}  // namespace
}  // namespace pp::forms::test
