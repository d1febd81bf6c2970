// Window classes of the toolkit and the link from a window back to its object.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/module_of.h"
#include "toolkit/errors.h"
#include "toolkit/win_control.h"

namespace pp::toolkit {

namespace {

std::vector<std::string> g_registered;
WindowDCHook g_window_dc_hook = nullptr;

// The object of a window is kept in a window property under this atom-named key; a superclassed
// system control may use its own window words, so the property is the one place that is ours.
const char kObjectProperty[] = "PPToolkitObject";

void AnchorFunction() {}

}  // namespace

HINSTANCE ToolkitInstance() {
  static HINSTANCE instance = win::ModuleOfAddress(reinterpret_cast<const void*>(&AnchorFunction));
  return instance;
}

const char* EnsureWindowClass(TCreateParams& params, WNDPROC& default_proc) {
  HINSTANCE instance = ToolkitInstance();
  WNDCLASSA wc = params.WindowClass;
  default_proc = DefWindowProcA;
  if (!params.SubClassOf.empty()) {
    // A superclass: the system class's look and behaviour, our procedure in front of it.
    WNDCLASSA system{};
    if (!GetClassInfoA(nullptr, params.SubClassOf.c_str(), &system))
      Raise(EOSError(GetLastError(), "Window class " + params.SubClassOf + " not found"));
    default_proc = system.lpfnWndProc;
    wc = system;
    wc.style = (system.style | (params.WindowClass.style & CS_DBLCLKS)) & ~CS_GLOBALCLASS;
  }
  WNDCLASSA existing{};
  if (GetClassInfoA(instance, params.WinClassName.c_str(), &existing)) return params.WinClassName.c_str();
  wc.lpfnWndProc = TWinControl::WindowProcedure;
  wc.hInstance = instance;
  wc.lpszClassName = params.WinClassName.c_str();
  if (!wc.hCursor) wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  if (!RegisterClassA(&wc)) Raise(EOSError(GetLastError(), "Cannot register window class " + params.WinClassName));
  g_registered.push_back(params.WinClassName);
  return params.WinClassName.c_str();
}

void UnregisterToolkitClasses() {
  for (const std::string& name : g_registered) UnregisterClassA(name.c_str(), ToolkitInstance());
  g_registered.clear();
}

WindowDCHook SetWindowDCHook(WindowDCHook hook) { return std::exchange(g_window_dc_hook, hook); }

HDC RequestWindowDC(HWND wnd, bool& from_system) noexcept {
  if (g_window_dc_hook)
    if (HDC dc = g_window_dc_hook(wnd)) {
      from_system = false;
      return dc;
    }
  from_system = true;
  return GetWindowDC(wnd);
}

TWinControl* FindControl(HWND wnd) {
  if (!wnd) return nullptr;
  // Only our own windows carry the property; a foreign window answers nothing.
  DWORD pid = 0;
  if (!GetWindowThreadProcessId(wnd, &pid) || pid != GetCurrentProcessId()) return nullptr;
  return static_cast<TWinControl*>(GetPropA(wnd, kObjectProperty));
}

void AttachObjectProperty(HWND wnd, TWinControl* control) { SetPropA(wnd, kObjectProperty, control); }
void DetachObjectProperty(HWND wnd) { RemovePropA(wnd, kObjectProperty); }

}  // namespace pp::toolkit
