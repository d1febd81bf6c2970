// The system's standard dialogs of the module open centred on the monitor of the active form,
// not where the system would put them (over their owner's corner).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "forms/form_services.h"
#include "test_host.h"
#include "toolkit/common_dialogs.h"
#include "toolkit/form.h"

namespace pp::forms::test {
namespace {

struct Seen {
  RECT rect{};
  bool found = false;
  HWND owner_form = nullptr;
};
Seen g_seen;

BOOL CALLBACK FindDialog(HWND w, LPARAM) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(w)) return TRUE;
  GetWindowRect(w, &g_seen.rect);
  g_seen.found = true;
  PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
  return FALSE;
}

void CALLBACK LookForDialog(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_seen.found) EnumThreadWindows(GetCurrentThreadId(), &FindDialog, 0);
}

TEST(DialogPlacement, FileOpenAndFontDialogsCentredOnTheActiveFormsMonitor) {
  BindTestHost();
  StartFormServices(false);
  toolkit::Owned<toolkit::TForm> active(new toolkit::TForm(nullptr));
  active->SetBounds(10, 10, 160, 90);
  active->Show();
  SetActiveWindow(active->Handle());
  const struct {
    const char* what;
    std::function<toolkit::TCommonDialog*()> make;
  } cases[] = {
      {"file open", [] { return new toolkit::TOpenDialog(nullptr); }},
      {"font", [] { return new toolkit::TFontDialog(nullptr); }},
  };
  for (const auto& c : cases) {
    g_seen = Seen{};
    toolkit::Owned<toolkit::TCommonDialog> dialog(c.make());
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &LookForDialog);
    EXPECT_FALSE(dialog->Execute()) << c.what << ": cancelled";
    KillTimer(nullptr, timer);
    ASSERT_TRUE(g_seen.found) << c.what << ": no dialog window seen";
    MONITORINFO m{};
    m.cbSize = sizeof m;
    GetMonitorInfoA(MonitorFromWindow(active->Handle(), MONITOR_DEFAULTTONEAREST), &m);
    const int width = g_seen.rect.right - g_seen.rect.left, height = g_seen.rect.bottom - g_seen.rect.top;
    EXPECT_EQ(g_seen.rect.left, (m.rcMonitor.left + m.rcMonitor.right - width) / 2) << c.what;
    EXPECT_EQ(g_seen.rect.top, (m.rcMonitor.top + m.rcMonitor.bottom - height) / 2) << c.what;
  }
  StopFormServices();
}

}  // namespace
}  // namespace pp::forms::test
