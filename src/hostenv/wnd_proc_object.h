// A hidden window whose messages go to an object: how a non-visual part (the themed controls'
// library state) hears broadcasts such as WM_SYSCOLORCHANGE. The window is a hidden top-level
// popup, not a message-only window, because broadcasts reach top-level windows only.
#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/messages.h"

namespace pp::hostenv {

// One message as the handler sees it (the toolkit's record); Result is what the window
// procedure answers.
using toolkit::TMessage;

class TCustomWndProcObject {
 public:
  // Leave Handled false to let the default window procedure answer. An error escaping the
  // handler goes to the application's exception handler; the message then counts as handled.
  using MessageEvent = std::function<void(TMessage& message, bool& handled)>;

  TCustomWndProcObject();
  ~TCustomWndProcObject();
  TCustomWndProcObject(const TCustomWndProcObject&) = delete;
  TCustomWndProcObject& operator=(const TCustomWndProcObject&) = delete;

  HWND Handle() const noexcept { return handle_; }
  MessageEvent OnMessage;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

  HWND handle_ = nullptr;
};

}  // namespace pp::hostenv
