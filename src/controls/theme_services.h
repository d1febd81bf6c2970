// Visual styles through uxtheme.dll, resolved at run time: Windows 2000 has no uxtheme.dll, so
// the plug-in must not import it. Every call degrades to "no theme" when the library or the
// function is missing.
#pragma once

#include <windows.h>
#include <uxtheme.h>

#include <string>

namespace pp::controls {

// Loads uxtheme.dll (once; StartThemeServices at library start, StopThemeServices at the end
// frees it). Calls made before the start, or after the end, load it on demand.
void StartThemeServices() noexcept;
void StopThemeServices() noexcept;

// Visual styles are switched on for the system and for this application.
bool ThemesActive() noexcept;
bool UxIsAppThemed() noexcept;

// The uxtheme functions of the same names without the prefix (which would import them):
// E_NOTIMPL (or null, or false) when uxtheme or the function is missing.
HTHEME UxOpenThemeData(HWND wnd, const wchar_t* class_list) noexcept;
HRESULT UxCloseThemeData(HTHEME theme) noexcept;
HRESULT UxDrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip) noexcept;
HRESULT UxDrawThemeText(HTHEME theme, HDC dc, int part, int state, const wchar_t* text, int length, DWORD flags,
                      DWORD flags2, const RECT* rect) noexcept;
HRESULT UxGetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* rect, THEMESIZE kind,
                         SIZE* size) noexcept;
HRESULT UxGetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const RECT* bounds,
                                      RECT* content) noexcept;
HRESULT UxGetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color) noexcept;
HRESULT UxDrawThemeParentBackground(HWND wnd, HDC dc, const RECT* rect) noexcept;
bool UxIsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state) noexcept;
HRESULT UxDrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* rect, UINT edge, UINT flags,
                      RECT* content) noexcept;
HRESULT UxSetWindowTheme(HWND wnd, const wchar_t* app_name, const wchar_t* id_list) noexcept;

// One open theme handle for one window and class list: opened by Open, closed by Close or on
// destruction, re-opened by Reopen (call it on WM_THEMECHANGED and let the message travel on).
// Holds no handle while visual styles are off.
class ThemeHandle {
 public:
  ThemeHandle() = default;
  explicit ThemeHandle(std::wstring class_list) : classes_(std::move(class_list)) {}
  ThemeHandle(const ThemeHandle&) = delete;
  ThemeHandle& operator=(const ThemeHandle&) = delete;
  ThemeHandle(ThemeHandle&& other) noexcept;
  ThemeHandle& operator=(ThemeHandle&& other) noexcept;
  ~ThemeHandle() { Close(); }

  void SetClassList(std::wstring class_list) { classes_ = std::move(class_list); }
  HTHEME Open(HWND wnd) noexcept;  // closes any handle held first
  HTHEME Reopen() noexcept { return Open(wnd_); }
  void Close() noexcept;
  HTHEME get() const noexcept { return theme_; }
  explicit operator bool() const noexcept { return theme_ != nullptr; }

 private:
  std::wstring classes_;
  HWND wnd_ = nullptr;
  HTHEME theme_ = nullptr;
};

}  // namespace pp::controls
