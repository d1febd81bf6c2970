#include "forms/dialog_placement.h"

#include <commdlg.h>

#include "forms/form_services.h"
#include "toolkit/common_dialogs.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"

namespace pp::forms {

namespace {

struct Previous {
  bool installed = false;
  bool vista_or_later = false;
  toolkit::CommonDialogExecuteHook execute = nullptr;
  toolkit::CommonDialogMessageHook message = nullptr;
  toolkit::FontDialogMessageHook font = nullptr;
};
Previous g_previous;
HMONITOR g_dialog_monitor = nullptr;  // set when a dialog starts, read when it is placed

HMONITOR MonitorOfActiveWindow() {
  HWND active = GetActiveWindow();
  return MonitorFromWindow(active ? active : GetForegroundWindow(), MONITOR_DEFAULTTONEAREST);
}

// Vista and later: the dialog is owned by a redirector over the active form.
bool ExecuteThroughRedirector(toolkit::TCommonDialog& dialog) {
  toolkit::TCustomForm* active = toolkit::Screen().ActiveForm();
  HWND owner = active ? active->Handle() : GetActiveWindow();
  RECT bounds{};
  if (owner) GetWindowRect(owner, &bounds);
  toolkit::Owned<TRedirectorWindow> redirector(new TRedirectorWindow(owner, bounds));
  g_dialog_monitor = MonitorFromWindow(redirector->Handle(), MONITOR_DEFAULTTONEAREST);
  return dialog.Execute(redirector->Handle());
}

// Before Vista: the monitor is remembered at the start, the frame centred by the hook.
bool ExecuteRememberingMonitor(toolkit::TCommonDialog& dialog) {
  g_dialog_monitor = MonitorOfActiveWindow();
  if (g_previous.execute) return g_previous.execute(dialog);
  toolkit::TCustomForm* active = toolkit::Screen().ActiveForm();
  return dialog.Execute(active ? active->Handle() : GetActiveWindow());
}

bool CentreOnInitDone(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR& result) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->code == static_cast<UINT>(CDN_INITDONE)) {
    CenterWindowOnMonitor(GetParent(wnd), g_dialog_monitor);
    result = 0;
    return true;
  }
  return g_previous.message && g_previous.message(wnd, msg, wparam, lparam, result);
}

void CentreFontDialog(toolkit::TFontDialog& dialog, HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (g_previous.font) g_previous.font(dialog, wnd, msg, wparam, lparam);
  if (msg != WM_INITDIALOG) return;
  g_dialog_monitor = MonitorOfActiveWindow();
  CenterWindowOnMonitor(wnd, g_dialog_monitor);
}

}  // namespace

TRedirectorWindow::TRedirectorWindow(HWND owner, const RECT& bounds) : TWinControl(nullptr), owner_(owner) {
  SetVisible(false);
  SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TRedirectorWindow::CreateParams(toolkit::TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP;  // hidden: never shown, only an owner
  params.ExStyle = 0;
  params.WndParent = owner_;
}

void TRedirectorWindow::WndProc(toolkit::TMessage& m) {
  if (!centred_ && HandleAllocated()) {
    // The dialog is a top-level window that this one owns; Windows puts it above its owner.
    for (HWND w = GetWindow(Handle(), GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
      if (GetWindow(w, GW_OWNER) == Handle()) {
        CenterWindowOnMonitor(w, MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST));
        centred_ = true;
        break;
      }
  }
  TWinControl::WndProc(m);
}

void InstallDialogPlacement(bool vista_or_later) {
  if (g_previous.installed) return;
  g_previous.vista_or_later = vista_or_later;
  if (vista_or_later) {
    // The font dialog too goes through the redirector. The file dialog, which may place
    // itself once more after the redirector last hears from it (Wine's does), is centred again
    // when it reports its initialisation done.
    g_previous.execute = toolkit::SetCommonDialogExecuteHook(&ExecuteThroughRedirector);
    g_previous.message = toolkit::SetCommonDialogMessageHook(&CentreOnInitDone);
  } else {
    // The toolkit's own dialog hook always exists: it takes the place of a captured one.
    g_previous.message = toolkit::SetCommonDialogMessageHook(&CentreOnInitDone);
    g_previous.execute = toolkit::SetCommonDialogExecuteHook(&ExecuteRememberingMonitor);
    g_previous.font = toolkit::SetFontDialogMessageHook(&CentreFontDialog);
  }
  g_previous.installed = true;
}

// Everything installed comes out again, the Vista replacement of Execute included: a dialog
// shown after the module is gone must not run code of the module.
void RemoveDialogPlacement() {
  if (!g_previous.installed) return;
  toolkit::SetCommonDialogMessageHook(g_previous.message);
  if (!g_previous.vista_or_later) toolkit::SetFontDialogMessageHook(g_previous.font);
  toolkit::SetCommonDialogExecuteHook(g_previous.execute);
  g_previous = Previous{};
}

}  // namespace pp::forms
