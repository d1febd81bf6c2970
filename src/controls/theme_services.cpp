#include "controls/theme_services.h"

#include <utility>

namespace pp::controls {

namespace {

struct UxTheme {
  HMODULE module = nullptr;
  bool tried = false;
  BOOL(WINAPI* IsThemeActive)() = nullptr;
  BOOL(WINAPI* IsAppThemed)() = nullptr;
  HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* CloseThemeData)(HTHEME) = nullptr;
  HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;
  HRESULT(WINAPI* DrawThemeText)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*) = nullptr;
  HRESULT(WINAPI* GetThemePartSize)(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE*) = nullptr;
  HRESULT(WINAPI* GetThemeBackgroundContentRect)(HTHEME, HDC, int, int, const RECT*, RECT*) = nullptr;
  HRESULT(WINAPI* GetThemeColor)(HTHEME, int, int, int, COLORREF*) = nullptr;
  HRESULT(WINAPI* DrawThemeParentBackground)(HWND, HDC, const RECT*) = nullptr;
  BOOL(WINAPI* IsThemeBackgroundPartiallyTransparent)(HTHEME, int, int) = nullptr;
  HRESULT(WINAPI* DrawThemeEdge)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*) = nullptr;
  HRESULT(WINAPI* SetWindowTheme)(HWND, LPCWSTR, LPCWSTR) = nullptr;
};

UxTheme g_ux;

template <class F>
void Bind(F& f, const char* name) {
  f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(g_ux.module, name)));
}

const UxTheme& Ux() {
  if (!g_ux.tried) {
    g_ux.tried = true;
    g_ux.module = LoadLibraryA("uxtheme.dll");
    if (g_ux.module) {
      Bind(g_ux.IsThemeActive, "IsThemeActive");
      Bind(g_ux.IsAppThemed, "IsAppThemed");
      Bind(g_ux.OpenThemeData, "OpenThemeData");
      Bind(g_ux.CloseThemeData, "CloseThemeData");
      Bind(g_ux.DrawThemeBackground, "DrawThemeBackground");
      Bind(g_ux.DrawThemeText, "DrawThemeText");
      Bind(g_ux.GetThemePartSize, "GetThemePartSize");
      Bind(g_ux.GetThemeBackgroundContentRect, "GetThemeBackgroundContentRect");
      Bind(g_ux.GetThemeColor, "GetThemeColor");
      Bind(g_ux.DrawThemeParentBackground, "DrawThemeParentBackground");
      Bind(g_ux.IsThemeBackgroundPartiallyTransparent, "IsThemeBackgroundPartiallyTransparent");
      Bind(g_ux.DrawThemeEdge, "DrawThemeEdge");
      Bind(g_ux.SetWindowTheme, "SetWindowTheme");
    }
  }
  return g_ux;
}

}  // namespace

void StartThemeServices() noexcept { Ux(); }

void StopThemeServices() noexcept {
  if (g_ux.module) FreeLibrary(g_ux.module);
  g_ux = UxTheme{};
}

bool ThemesActive() noexcept {
  const UxTheme& u = Ux();
  return u.IsThemeActive && u.IsAppThemed && u.IsThemeActive() && u.IsAppThemed();
}

bool UxIsAppThemed() noexcept {
  const UxTheme& u = Ux();
  return u.IsAppThemed && u.IsAppThemed();
}

HTHEME UxOpenThemeData(HWND wnd, const wchar_t* class_list) noexcept {
  const UxTheme& u = Ux();
  return u.OpenThemeData ? u.OpenThemeData(wnd, class_list) : nullptr;
}
HRESULT UxCloseThemeData(HTHEME theme) noexcept {
  const UxTheme& u = Ux();
  return u.CloseThemeData ? u.CloseThemeData(theme) : E_NOTIMPL;
}
HRESULT UxDrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip) noexcept {
  const UxTheme& u = Ux();
  return u.DrawThemeBackground ? u.DrawThemeBackground(theme, dc, part, state, rect, clip) : E_NOTIMPL;
}
HRESULT UxDrawThemeText(HTHEME theme, HDC dc, int part, int state, const wchar_t* text, int length, DWORD flags,
                      DWORD flags2, const RECT* rect) noexcept {
  const UxTheme& u = Ux();
  return u.DrawThemeText ? u.DrawThemeText(theme, dc, part, state, text, length, flags, flags2, rect) : E_NOTIMPL;
}
HRESULT UxGetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* rect, THEMESIZE kind,
                         SIZE* size) noexcept {
  const UxTheme& u = Ux();
  return u.GetThemePartSize ? u.GetThemePartSize(theme, dc, part, state, rect, kind, size) : E_NOTIMPL;
}
HRESULT UxGetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const RECT* bounds,
                                      RECT* content) noexcept {
  const UxTheme& u = Ux();
  return u.GetThemeBackgroundContentRect ? u.GetThemeBackgroundContentRect(theme, dc, part, state, bounds, content)
                                         : E_NOTIMPL;
}
HRESULT UxGetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color) noexcept {
  const UxTheme& u = Ux();
  return u.GetThemeColor ? u.GetThemeColor(theme, part, state, property, color) : E_NOTIMPL;
}
HRESULT UxDrawThemeParentBackground(HWND wnd, HDC dc, const RECT* rect) noexcept {
  const UxTheme& u = Ux();
  return u.DrawThemeParentBackground ? u.DrawThemeParentBackground(wnd, dc, rect) : E_NOTIMPL;
}
bool UxIsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state) noexcept {
  const UxTheme& u = Ux();
  return u.IsThemeBackgroundPartiallyTransparent && u.IsThemeBackgroundPartiallyTransparent(theme, part, state);
}
HRESULT UxDrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* rect, UINT edge, UINT flags,
                      RECT* content) noexcept {
  const UxTheme& u = Ux();
  return u.DrawThemeEdge ? u.DrawThemeEdge(theme, dc, part, state, rect, edge, flags, content) : E_NOTIMPL;
}
HRESULT UxSetWindowTheme(HWND wnd, const wchar_t* app_name, const wchar_t* id_list) noexcept {
  const UxTheme& u = Ux();
  return u.SetWindowTheme ? u.SetWindowTheme(wnd, app_name, id_list) : E_NOTIMPL;
}

ThemeHandle::ThemeHandle(ThemeHandle&& other) noexcept
    : classes_(std::move(other.classes_)), wnd_(other.wnd_), theme_(std::exchange(other.theme_, nullptr)) {}

ThemeHandle& ThemeHandle::operator=(ThemeHandle&& other) noexcept {
  if (this != &other) {
    Close();
    classes_ = std::move(other.classes_);
    wnd_ = other.wnd_;
    theme_ = std::exchange(other.theme_, nullptr);
  }
  return *this;
}

HTHEME ThemeHandle::Open(HWND wnd) noexcept {
  Close();
  wnd_ = wnd;
  if (ThemesActive() && !classes_.empty()) theme_ = UxOpenThemeData(wnd, classes_.c_str());
  return theme_;
}

void ThemeHandle::Close() noexcept {
  if (theme_) UxCloseThemeData(std::exchange(theme_, nullptr));
}

}  // namespace pp::controls
