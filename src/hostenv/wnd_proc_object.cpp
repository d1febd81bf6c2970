#include "hostenv/wnd_proc_object.h"

#include "base/errors.h"
#include "toolkit/application.h"

namespace pp::hostenv {

namespace {

const char kClassName[] = "PPUtilWindow";

// The module that holds this code: the class is registered once per module and process.
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<const char*>(&ThisModule), &module);
  return module;
}

}  // namespace

TCustomWndProcObject::TCustomWndProcObject() {
  const HINSTANCE instance = ThisModule();
  WNDCLASSA wc = {};
  if (!GetClassInfoA(instance, kClassName, &wc)) {
    wc = {};
    wc.lpfnWndProc = &TCustomWndProcObject::WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
  }
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
  if (!handle_) Raise(EOSError(GetLastError(), "Cannot create the utility window"));
}

TCustomWndProcObject::~TCustomWndProcObject() {
  if (handle_) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);  // no message reaches a half-destroyed object
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
  // Windows keeps a library's classes after the library is unloaded; one loaded again at another
  // address would find its class pointing into the old code. Fails while other objects' windows
  // still use the class, which is what we want.
  UnregisterClassA(kClassName, ThisModule());
}

LRESULT CALLBACK TCustomWndProcObject::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TCustomWndProcObject*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->handle_ = window;
  }
  auto* self = reinterpret_cast<TCustomWndProcObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, msg, wParam, lParam);
  return self->Dispatch(msg, wParam, lParam);
}

LRESULT TCustomWndProcObject::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  TMessage message = {msg, wParam, lParam, 0};
  bool handled = false;
  if (OnMessage) {
    try {
      OnMessage(message, handled);
    } catch (...) {
      // An error must not unwind through the system's message dispatch; it is reported like
      // any error in a window's handler, and the message counts as handled.
      toolkit::Application().HandleException(nullptr);
      handled = true;
    }
  }
  if (!handled) message.Result = DefWindowProcA(handle_, msg, wParam, lParam);
  return message.Result;
}

}  // namespace pp::hostenv
