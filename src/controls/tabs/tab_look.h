// How the tab strip, its pane and its scroll buttons are drawn: which of the three looks is in
// force, and the visual-styles calls the themed look makes. uxtheme is reached at run time, so
// that the controls load where it does not exist (Windows 2000).
#pragma once

#include <windows.h>

namespace pp::controls {

enum class TabLook { Classic, Luna, Themed };

// The look evaluated now: visual styles when the application is themed, else the drawn Luna
// look before Windows XP (when allowed), else classic.
TabLook CurrentTabLook();
// Tests draw each look on one machine: a forced look wins until cleared (nullptr).
void ForceTabLook(const TabLook* look);
// Whether the drawn Luna look may be used before Windows XP.
void SetTabLunaAllowed(bool allowed);

// One open theme of a window class ("TAB", "SCROLLBAR"), closed with the object.
class TabTheme {
 public:
  TabTheme(HWND wnd, const wchar_t* class_list);
  ~TabTheme();
  TabTheme(const TabTheme&) = delete;
  TabTheme& operator=(const TabTheme&) = delete;
  explicit operator bool() const { return theme_ != nullptr; }

  void DrawBackground(HDC dc, int part, int state, const RECT& r, const RECT* clip) const;
  // The content rectangle of a part drawn into `bounds`; `bounds` when the theme has none.
  RECT ContentRect(HDC dc, int part, int state, const RECT& bounds) const;

 private:
  void* theme_ = nullptr;
};

// The theme paints the parent's background under a child (the sheet on its page control).
bool DrawThemedParentBackground(HWND child, HDC dc, const RECT* r);

// The tab theme's parts.
constexpr int kTabPartTopItem = 5, kTabPartTopItemLeftEdge = 6, kTabPartTopItemRightEdge = 7,
              kTabPartTopItemBothEdges = 8, kTabPartPane = 9;

}  // namespace pp::controls
