#include "controls/tabs/tab_look.h"

#include <optional>

namespace pp::controls {

namespace {

std::optional<TabLook> g_forced;
bool g_luna_allowed = true;

// uxtheme's entry points, looked up once; all null where the library is missing.
struct ThemeApi {
  using IsAppThemedFn = BOOL(WINAPI*)();
  using OpenFn = void*(WINAPI*)(HWND, LPCWSTR);
  using CloseFn = HRESULT(WINAPI*)(void*);
  using DrawFn = HRESULT(WINAPI*)(void*, HDC, int, int, const RECT*, const RECT*);
  using ContentFn = HRESULT(WINAPI*)(void*, HDC, int, int, const RECT*, RECT*);
  using ParentFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
  IsAppThemedFn is_app_themed = nullptr;
  IsAppThemedFn is_theme_active = nullptr;
  OpenFn open = nullptr;
  CloseFn close = nullptr;
  DrawFn draw = nullptr;
  ContentFn content = nullptr;
  ParentFn parent = nullptr;

  ThemeApi() {
    HMODULE m = LoadLibraryA("uxtheme.dll");  // kept for the life of the process
    if (!m) return;
    is_app_themed = reinterpret_cast<IsAppThemedFn>(reinterpret_cast<void*>(GetProcAddress(m, "IsAppThemed")));
    is_theme_active = reinterpret_cast<IsAppThemedFn>(reinterpret_cast<void*>(GetProcAddress(m, "IsThemeActive")));
    open = reinterpret_cast<OpenFn>(reinterpret_cast<void*>(GetProcAddress(m, "OpenThemeData")));
    close = reinterpret_cast<CloseFn>(reinterpret_cast<void*>(GetProcAddress(m, "CloseThemeData")));
    draw = reinterpret_cast<DrawFn>(reinterpret_cast<void*>(GetProcAddress(m, "DrawThemeBackground")));
    content = reinterpret_cast<ContentFn>(reinterpret_cast<void*>(GetProcAddress(m, "GetThemeBackgroundContentRect")));
    parent = reinterpret_cast<ParentFn>(reinterpret_cast<void*>(GetProcAddress(m, "DrawThemeParentBackground")));
  }
  bool Themed() const {
    return is_app_themed && is_theme_active && open && draw && is_app_themed() && is_theme_active();
  }
};

const ThemeApi& Api() {
  static const ThemeApi api;
  return api;
}

bool IsWindowsXPOrLater() {
  OSVERSIONINFOA v = {};
  v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&v);
#pragma GCC diagnostic pop
  return v.dwMajorVersion > 5 || (v.dwMajorVersion == 5 && v.dwMinorVersion > 0);
}

}  // namespace

TabLook CurrentTabLook() {
  if (g_forced) return *g_forced;
  if (Api().Themed()) return TabLook::Themed;
  if (g_luna_allowed && !IsWindowsXPOrLater()) return TabLook::Luna;
  return TabLook::Classic;
}

void ForceTabLook(const TabLook* look) {
  if (look)
    g_forced = *look;
  else
    g_forced.reset();
}

void SetTabLunaAllowed(bool allowed) { g_luna_allowed = allowed; }

TabTheme::TabTheme(HWND wnd, const wchar_t* class_list) {
  if (Api().open) theme_ = Api().open(wnd, class_list);
}

TabTheme::~TabTheme() {
  if (theme_ && Api().close) Api().close(theme_);
}

void TabTheme::DrawBackground(HDC dc, int part, int state, const RECT& r, const RECT* clip) const {
  if (theme_) Api().draw(theme_, dc, part, state, &r, clip);
}

RECT TabTheme::ContentRect(HDC dc, int part, int state, const RECT& bounds) const {
  RECT content = bounds;
  if (!theme_ || !Api().content || FAILED(Api().content(theme_, dc, part, state, &bounds, &content))) return bounds;
  return content;
}

bool DrawThemedParentBackground(HWND child, HDC dc, const RECT* r) {
  return Api().parent && SUCCEEDED(Api().parent(child, dc, r));
}

}  // namespace pp::controls
