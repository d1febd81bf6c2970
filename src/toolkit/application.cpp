#include "toolkit/application.h"

#include "base/handler_hooks.h"

#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/hint_window.h"
#include "toolkit/key_routing.h"
#include "toolkit/screen.h"

namespace pp::toolkit {

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::HandleException(TComponent* sender) {
  TakenException taken;
  // A handler that throws in turn must not take the message loop down with it.
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      if (OnException)
        OnException(sender, &e);
      else
        ShowException(&e);
    } catch (...) {
      if (OnException)
        OnException(sender, nullptr);
      else
        ShowException(nullptr);
    }
  } catch (...) {
  }
}

void TApplication::ShowException(const std::exception* error) {
  std::string text = error ? error->what() : "Exception of unknown type";
  if (!text.empty() && text.back() != '.') text += '.';
  MessageBoxA(GetActiveWindow(), text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandOverQuit() {
  if (!terminated_) return;
  terminated_ = false;
  PostQuitMessage(static_cast<int>(quit_code_));
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND target = GetCapture() ? GetCapture() : msg.hwnd;
  if (TWinControl* c = FindControl(target))
    return c->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
  // A window we did not make: its nearest toolkit ancestor routes the key on its behalf.
  for (HWND w = GetParent(target); w; w = GetParent(w))
    if (TWinControl* nearest = FindControl(w)) {
      try {
        return RouteKey(nearest, target, msg.message, msg.wParam, msg.lParam);
      } catch (...) {
        HandleException(nearest);
        return true;
      }
    }
  return false;
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    quit_code_ = msg.wParam;
    return true;
  }
  if (!IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) WaitMessage();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
    if (terminated_) break;
  }
}

bool TApplication::HelpContext(int context) {
  return OnHelp ? OnHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(context)) : false;
}

// ---- hints

void TApplication::MouseControlChanged(TControl* control) {
  if (control == hint_control_) return;
  CancelHint();
  hint_control_ = control;
  if (!ShowHint || !control || !control->ShowHint() || control->Hint().empty()) return;
  hint_timer_ = SetTimer(nullptr, 0, static_cast<UINT>(HintPause), &TApplication::HintTimer);
}

void CALLBACK TApplication::HintTimer(HWND, UINT, UINT_PTR, DWORD) {
  TApplication& app = Application();
  if (app.hint_timer_) KillTimer(nullptr, app.hint_timer_);
  app.hint_timer_ = 0;
  if (app.hint_showing_) {
    app.CancelHint();  // the hide pause ran out
    return;
  }
  try {
    app.ShowHintNow();
  } catch (...) {
    app.HandleException(app.hint_control_);
  }
}

void TApplication::ShowHintNow() {
  if (!hint_control_) return;
  std::string hint = hint_control_->Hint();
  bool can_show = true;
  THintInfo info;
  info.HintControl = hint_control_;
  GetCursorPos(&info.CursorPos);
  info.HideTimeout = HintHidePause;
  if (OnShowHint) OnShowHint(hint, can_show, info);
  if (!can_show || hint.empty()) return;
  if (!hint_window_) hint_window_ = HintWindowClass ? HintWindowClass(nullptr) : new THintWindow(nullptr);
  RECT r = hint_window_->CalcHintRect(300, hint);
  OffsetRect(&r, info.CursorPos.x, info.CursorPos.y + 20);
  hint_window_->ActivateHint(r, hint);
  hint_showing_ = true;
  if (info.HideTimeout > 0)
    hint_timer_ = SetTimer(nullptr, 0, static_cast<UINT>(info.HideTimeout), &TApplication::HintTimer);
}

void TApplication::ForgetControl(TControl* control) {
  if (control == hint_control_) {
    CancelHint();
    hint_control_ = nullptr;
  }
}

void TApplication::FreeHintWindow() {
  CancelHint();
  if (hint_window_) std::exchange(hint_window_, nullptr)->Free();
}

void TApplication::CancelHint() {
  if (hint_timer_) KillTimer(nullptr, hint_timer_);
  hint_timer_ = 0;
  if (hint_window_) hint_window_->ReleaseHandle();
  hint_showing_ = false;
}

}  // namespace pp::toolkit
