#include "forms/server_dialog.h"

#include <utility>

#include "controls/theme_services.h"
#include "forms/form_bounds.h"
#include "forms/theme_form.h"
#include "hostenv/host_client.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"
#include "toolkit/screen.h"

namespace pp::forms {

using namespace toolkit;

namespace {

bool ScreenMonitor(HWND active, RECT& bounds) {
  const std::optional<TMonitor> monitor = Screen().MonitorFromWindow(active, mdNearest);
  if (!monitor) return false;
  bounds = monitor->BoundsRect;
  return true;
}

ActiveMonitorQuery g_monitor_query = &ScreenMonitor;

// Removes the entries by command, then separators left first, last or doubled.
void TrimDialogSystemMenu(HWND wnd) {
  HMENU menu = wnd ? GetSystemMenu(wnd, FALSE) : nullptr;
  if (!menu) return;
  for (UINT command : {SC_TASKLIST, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) DeleteMenu(menu, command, MF_BYCOMMAND);
  auto separator = [menu](int i) { return GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR; };
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    const int count = GetMenuItemCount(menu);
    if (separator(i) && (i == 0 || i == count - 1 || (i + 1 < count && separator(i + 1))))
      DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  }
}

}  // namespace

ActiveMonitorQuery SetActiveMonitorQuery(ActiveMonitorQuery query) {
  return std::exchange(g_monitor_query, query ? query : &ScreenMonitor);
}

TServerDialog::TServerDialog(TComponent* owner) : TFormWithHelp(owner) {}

TBorderIcons TServerDialog::GetDialogBorderIcons() { return TBorderIcons{biSystemMenu, biHelp}; }
bool TServerDialog::GetRememberBounds() { return true; }
bool TServerDialog::GetOwnedByHost() { return true; }
bool TServerDialog::GetContextHelpButton() { return true; }

void TServerDialog::Loaded() {
  TFormWithHelp::Loaded();
  sizeable_ = BorderStyle() == bsSizeable;
  if (sizeable_) SetBorderStyle(bsDialog);
  if (HandleAllocated()) RecreateWnd();
  if (pp::controls::UxIsAppThemed()) SetColor(clBtnFace);
  AdjustBorderIcons();
  ApplyFormFontDeep(this);
  // The rest of construction, once the dialog is whole.
  AttachThemedFrame(this);
  CenterOnActiveMonitor();
  RestoreBounds();
}

void TServerDialog::AdjustBorderIcons() {
  const int client_width = ClientWidth(), client_height = ClientHeight();
  SetBorderIcons(GetDialogBorderIcons());
  SetBounds(Left(), Top(), Width() + client_width - ClientWidth(), Height() + client_height - ClientHeight());
}

void TServerDialog::CenterOnActiveMonitor() {
  RECT m{};
  if (!g_monitor_query(GetActiveWindow(), m)) return;
  SetBounds((m.left + m.right - Width()) / 2, (m.top + m.bottom - Height()) / 2, Width(), Height());
}

bool TServerDialog::Resizable() const {
  return sizeable_ || BorderStyle() == bsSizeable || BorderStyle() == bsSizeToolWin;
}

void TServerDialog::RestoreBounds() {
  if (GetRememberBounds() && Resizable()) LoadFormBounds(this, true, true);
}

void TServerDialog::StoreBounds() {
  if (GetRememberBounds() && Resizable()) SaveFormBounds(this, true, true);
}

void TServerDialog::CreateWnd() {
  TFormWithHelp::CreateWnd();
  // Windows gives a dialog frame's system menu entries that cannot apply to it (Size, Minimize,
  // Maximize, Restore, Switch To); a dialog made resizable keeps them, since it can be sized.
  if (!sizeable_ && BorderStyle() == bsDialog) TrimDialogSystemMenu(WindowHandleOrNull());
}

void TServerDialog::CreateParams(TCreateParams& p) {
  TFormWithHelp::CreateParams(p);
  if (GetContextHelpButton())
    p.ExStyle |= WS_EX_CONTEXTHELP;
  else
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTEXTHELP);
  if (sizeable_) p.Style |= WS_THICKFRAME;
  if (GetOwnedByHost()) p.WndParent = hostenv::GetHostMainWindow();
}

bool TServerDialog::CloseQuery() {
  if (!TFormWithHelp::CloseQuery()) return false;
  StoreBounds();
  return true;
}

// ---- showing

void TServerDialog::CMShowingChanged(TMessage& m) {
  if (Showing() && Position() != poDesigned)
    ShowWithoutPositioning();
  else
    TFormWithHelp::CMShowingChanged(m);
}

void TServerDialog::ShowWithoutPositioning() {
  IncludeFormState(fsShowing);
  try {
    DoShow();
  } catch (...) {
    Application().HandleException(this);
  }
  ExcludeFormState(fsShowing);
  const int cmd = WindowState() == wsMinimized   ? SW_SHOWMINNOACTIVE
                  : WindowState() == wsMaximized ? SW_SHOWMAXIMIZED
                                                 : SW_SHOWNORMAL;
  ShowWindow(Handle(), cmd);
  IncludeFormState(fsVisible);
}

void TServerDialog::DoShow() {
  TFormWithHelp::DoShow();
  ShowDynamicHelpFor(this, this);
}

// ---- keys and controls added later

void TServerDialog::CMDialogKey(TMessage& m) {
  if (m.WParam != VK_TAB || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_CONTROL) < 0) {
    TFormWithHelp::CMDialogKey(m);
    return;
  }
  // The focus may sit in a window the toolkit did not make (a control's edit child, a window of
  // the host): start from the nearest window that has a control.
  TWinControl* start = nullptr;
  for (HWND w = GetFocus(); w && !start; w = GetParent(w)) start = FindControl(w);
  if (TWinControl* next = FindNextControl(start, GetKeyState(VK_SHIFT) >= 0, true, false)) next->SetFocus();
  m.Result = 1;
}

void TServerDialog::Notification(TComponent* component, TOperation operation) {
  TFormWithHelp::Notification(component, operation);
  if (operation != opInsert || ComponentState().Contains(csLoading)) return;
  if (auto* control = dynamic_cast<TControl*>(component)) {
    ApplyFormFontDeep(control);
    CheckLocaleFonts(control);
  }
}

void TServerDialog::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_CONTROLCHANGE:
      if (m.LParam) {
        auto* control = reinterpret_cast<TControl*>(m.WParam);
        ApplyFormFontDeep(control);
        CheckLocaleFonts(control);
      }
      break;  // the form's own handling follows
  }
  TFormWithHelp::Dispatch(m);
}

}  // namespace pp::forms
