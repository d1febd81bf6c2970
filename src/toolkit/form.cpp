#include "toolkit/form.h"

#include <utility>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/errors.h"
#include "toolkit/screen.h"

namespace pp::toolkit {

namespace {

FormShowingHook g_form_showing_hook = nullptr;

// The thread's other top-level windows, disabled for the length of a modal show and enabled
// again (those that still exist) when it ends, however it ends.
class DisabledTaskWindows {
 public:
  explicit DisabledTaskWindows(HWND except) : except_(except) {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND w : windows_) EnableWindow(w, FALSE);
  }
  DisabledTaskWindows(const DisabledTaskWindows&) = delete;
  DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;
  ~DisabledTaskWindows() { Restore(); }
  void Restore() {
    for (HWND w : windows_)
      if (IsWindow(w)) EnableWindow(w, TRUE);
    windows_.clear();
  }

 private:
  static BOOL CALLBACK Collect(HWND w, LPARAM data) {
    auto* self = reinterpret_cast<DisabledTaskWindows*>(data);
    if (w != self->except_ && IsWindowVisible(w) && IsWindowEnabled(w)) self->windows_.push_back(w);
    return TRUE;
  }
  HWND except_;
  std::vector<HWND> windows_;
};

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  left_ = 100;
  top_ = 100;
  width_ = 320;
  height_ = 240;
  Screen().AddForm(this);
}

void TCustomForm::BeforeDestruction() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      Application().HandleException(this);
    }
  }
  Screen().RemoveForm(this);
  TWinControl::BeforeDestruction();
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  DoCreate();
}

void TCustomForm::DoCreate() {
  if (created_) return;
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == border_icons_) return;
  border_icons_ = icons;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState state) {
  if (state == window_state_) return;
  window_state_ = state;
  if (HandleAllocated() && Showing())
    ShowWindow(Handle(), state == wsMinimized ? SW_MINIMIZE : state == wsMaximized ? SW_SHOWMAXIMIZED : SW_RESTORE);
}

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  p.ExStyle = 0;
  p.WndParent = ParentWindow();
  p.WindowClass.style = CS_DBLCLKS;
  const bool icons_allowed = border_style_ != bsNone && border_style_ != bsDialog &&
                             border_style_ != bsToolWindow && border_style_ != bsSizeToolWin;
  switch (border_style_) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle: p.Style |= WS_CAPTION; break;
    case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      p.Style |= WS_POPUP | WS_CAPTION;
      p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      p.Style |= WS_CAPTION;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (border_style_ != bsNone && border_icons_.Contains(biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    if (icons_allowed && border_icons_.Contains(biMinimize)) p.Style |= WS_MINIMIZEBOX;
    if (icons_allowed && border_icons_.Contains(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
    // Windows draws the help button only without minimize and maximize buttons.
    if (border_icons_.Contains(biHelp) && !(p.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      p.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (position_ == poDefault || position_ == poDefaultPosOnly) p.X = p.Y = CW_USEDEFAULT;
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Before the window exists: the frame that CreateParams would give it.
  TCreateParams p;
  const_cast<TCustomForm*>(this)->CreateParams(p);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, p.Style, FALSE, p.ExStyle);
  return RECT{0, 0, width_ - (frame.right - frame.left), height_ - (frame.bottom - frame.top)};
}

// ---- focus

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == focused_control_) return false;
  focused_control_ = control;
  if (control != this) active_control_ = control;
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  return true;
}

void TCustomForm::FocusControl(TWinControl* control) {
  active_control_ = control;
  if (HandleAllocated() && IsWindowVisible(Handle()) && control && control->CanFocus())
    ::SetFocus(control->Handle());
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && (!ContainsControl(control) || (Visible() && !control->CanFocus())))
    Raise(EInvalidOperation("Cannot focus a disabled or invisible window"));
  FocusControl(control);
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  const bool had_focus = control->HandleAllocated() && (control->Focused() || IsChild(control->Handle(), GetFocus()));
  if (active_control_ && control->ContainsControl(active_control_)) active_control_ = nullptr;
  if (focused_control_ && control->ContainsControl(focused_control_)) focused_control_ = nullptr;
  if (had_focus && HandleAllocated()) {
    if (removing)
      ::SetFocus(Handle());
    else
      SelectNext(control->Handle(), true, true);
  }
}

void TCustomForm::SetWindowFocus() {
  TWinControl* target = active_control_;
  if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
  if (target && target->CanFocus())
    ::SetFocus(target->Handle());
  else
    ::SetFocus(Handle());
}

void TCustomForm::WMSetFocus(TMessage& m) {
  DefaultHandler(m);
  // The form itself got the focus (activation, a click on its caption): pass it on.
  if (active_control_ && active_control_->CanFocus()) ::SetFocus(active_control_->Handle());
}

void TCustomForm::WMActivate(TMessage& m) {
  if (LOWORD(m.WParam) != WA_INACTIVE) {
    if (!HIWORD(m.WParam)) SetWindowFocus();  // instead of the default, which focuses the frame
    form_state_.Include(fsActivated);
    if (OnActivate) OnActivate(this);
  } else {
    DefaultHandler(m);
    if (OnDeactivate) OnDeactivate(this);
  }
}

// ---- showing

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::MoveToPosition() {
  RECT area{};
  switch (position_) {
    case poScreenCenter:
      area = RECT{0, 0, Screen().Width(), Screen().Height()};
      break;
    case poDesktopCenter: area = Screen().DesktopRect(); break;
    case poMainFormCenter:
    case poOwnerFormCenter:
      if (!ParentWindow() || !GetWindowRect(ParentWindow(), &area)) area = RECT{0, 0, Screen().Width(), Screen().Height()};
      break;
    default: return;
  }
  SetBounds(area.left + (area.right - area.left - width_) / 2, area.top + (area.bottom - area.top - height_) / 2,
            width_, height_);
}

FormShowingHook SetFormShowingHook(FormShowingHook hook) { return std::exchange(g_form_showing_hook, hook); }

void TCustomForm::CMShowingChanged(TMessage& m) {
  if (Showing() && g_form_showing_hook && g_form_showing_hook(this)) {
    form_state_.Include(fsVisible);
    return;
  }
  if (Showing()) {
    form_state_.Include(fsShowing);
    try {
      DoShow();
    } catch (...) {
      form_state_.Exclude(fsShowing);
      throw;
    }
    form_state_.Exclude(fsShowing);
    MoveToPosition();
    const int cmd = window_state_ == wsMinimized ? SW_SHOWMINIMIZED
                    : window_state_ == wsMaximized ? SW_SHOWMAXIMIZED
                                                   : SW_SHOWNORMAL;
    ShowWindow(Handle(), cmd);
    form_state_.Include(fsVisible);
  } else {
    DoHide();
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    form_state_.Exclude(fsVisible);
  }
}

// ---- closing

bool TCustomForm::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (form_state_.Contains(fsModal)) {
    modal_result_ = mrCancel;  // the modal loop asks CloseQuery and OnClose
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    case caNone: break;
  }
}

void TCustomForm::Release() {
  if (HandleAllocated()) PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  switch (action) {
    case caNone: modal_result_ = mrNone; break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::WMClose(TMessage& m) {
  Close();  // never the default, which would destroy the window under the object
  m.Result = 0;
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || form_state_.Contains(fsModal))
    Raise(EInvalidOperation("Cannot make a visible window modal"));
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HandleNeeded();
  const HWND previous_active = GetActiveWindow();
  form_state_.Include(fsModal);
  modal_result_ = mrNone;
  DisabledTaskWindows disabled(Handle());
  Application().ModalStarted();
  struct End {
    TCustomForm* form;
    DisabledTaskWindows& disabled;
    HWND previous_active;
    ~End() {
      // Enabled before hiding, so that Windows can hand the activation back to the owner.
      disabled.Restore();
      if (form->Visible()) {
        try {
          form->Hide();
        } catch (...) {
          Application().HandleException(form);
        }
      }
      if (previous_active && IsWindow(previous_active)) SetActiveWindow(previous_active);
      form->form_state_.Exclude(fsModal);
      Application().ModalFinished();
    }
  } end{this, disabled, previous_active};
  Show();
  while (true) {
    Application().HandleMessage();
    if (Application().Terminated()) {
      modal_result_ = mrCancel;
      break;
    }
    if (modal_result_ != mrNone) {
      CloseModal();
      if (modal_result_ != mrNone) break;
    }
  }
  if (Application().Terminated()) Application().HandOverQuit();
  return modal_result_;
}

// ---- dialog keys

void TCustomForm::CMDialogKey(TMessage& m) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (m.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(GetFocus(), GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (active_control_ && active_control_->Parent()) {
          active_control_->Parent()->SelectNext(active_control_->Handle(),
                                                m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
          m.Result = 1;
        }
        return;
    }
  }
  TWinControl::CMDialogKey(m);  // Enter, Esc and the rest: to the controls
}

void TCustomForm::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE: WMClose(m); return;
    case WM_ACTIVATE: WMActivate(m); return;
    case CM_RELEASE: Free(); return;  // nothing of this object may be touched afterwards
  }
  TWinControl::Dispatch(m);
}

}  // namespace pp::toolkit
