// The painters of the tab strip, one per look: the pane's frame, a tab's face (by its theme
// state, see tab_metrics.h) and a scroll arrow. Each takes the look's result and nothing else;
// captions, images and the focus rectangle are the control's.
#pragma once

#include <windows.h>

#include "controls/tabs/tab_look.h"
#include "controls/tabs/tab_metrics.h"

namespace pp::controls {

struct PaneEdges {
  int Top, Bottom;
};
// The pane's frame thickness at its top and bottom in a look (themed: from the theme's
// content margins of the pane).
PaneEdges TabPaneEdges(TabLook look, const TabTheme& theme, HDC dc);

// The pane around `d`, drawn only inside `clip`.
void DrawTabPane(HDC dc, TabLook look, const TabTheme& theme, const RECT& d, const RECT& clip);

// A tab's face for theme state `detail` into `face`, drawn only inside `clip`; tpBottom faces
// are the tpTop face mirrored.
void DrawTabFace(HDC dc, TabLook look, const TabTheme& theme, int detail, const RECT& face, const RECT& clip,
                 TWinXPTabPosition position);

enum class ScrollArrowState { Normal, Hot, Pressed, Disabled };
void DrawScrollArrow(HDC dc, TabLook look, const TabTheme& theme, const RECT& r, bool left, ScrollArrowState state);

// Luna colours of the strip.
constexpr COLORREF kLunaPaneBorder = RGB(145, 155, 156);
constexpr COLORREF kLunaPaneFace = RGB(252, 252, 254);
constexpr COLORREF kLunaTabHot = RGB(255, 200, 60);
constexpr COLORREF kLunaTabSelected = RGB(230, 139, 44);

}  // namespace pp::controls
