// The painters of the tab strip, one per look: the pane's frame, a tab's face (by its theme
// state, see tab_metrics.h) and a scroll arrow. Each takes the look's result and nothing else;
// captions, images and the focus rectangle are the control's.
#pragma once

#include <windows.h>

#include <uxtheme.h>

#include "controls/tabs/tab_metrics.h"
#include "controls/xp_controls.h"

namespace pp::controls {

struct PaneEdges {
  int Top, Bottom;
};
// The pane's frame thickness at its top and bottom in a look (themed: from the theme's
// content margins of the pane).
PaneEdges TabPaneEdges(TXPLookMode look, HTHEME theme, HDC dc);

// The pane around `d`, drawn only inside `clip`.
void DrawTabPane(HDC dc, TXPLookMode look, HTHEME theme, const RECT& d, const RECT& clip);

// A tab's face for theme state `detail` into `face`, drawn only inside `clip`; tpBottom faces
// are the tpTop face mirrored.
void DrawTabFace(HDC dc, TXPLookMode look, HTHEME theme, int detail, const RECT& face, const RECT& clip,
                 TWinXPTabPosition position);

enum class ScrollArrowState { Normal, Hot, Pressed, Disabled };
void DrawScrollArrow(HDC dc, TXPLookMode look, HTHEME theme, const RECT& r, bool left, ScrollArrowState state);

// The tab theme's parts.
constexpr int kTabPartTopItem = 5, kTabPartTopItemLeftEdge = 6, kTabPartTopItemRightEdge = 7,
              kTabPartTopItemBothEdges = 8, kTabPartPane = 9;

// Whether the Luna look draws the plug-in's tab images (else its own drawing of the same look).
bool LunaTabImagesLoaded();

// Luna colours of the strip where no images are carried.
constexpr COLORREF kLunaPaneBorder = RGB(145, 155, 156);
constexpr COLORREF kLunaPaneFace = RGB(252, 252, 254);
constexpr COLORREF kLunaTabHot = RGB(255, 200, 60);
constexpr COLORREF kLunaTabSelected = RGB(230, 139, 44);

}  // namespace pp::controls
