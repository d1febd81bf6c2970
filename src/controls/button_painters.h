// One painter per look for the button family. Each takes the look decided by button_states.h
// (theme detail, frame, DrawFrameControl flags) and nothing else of the control's state; in
// the themed look `theme` is the control's open "BUTTON" theme handle.
#pragma once

#include <windows.h>
#include <uxtheme.h>

#include "controls/xp_controls.h"
#include "toolkit/control.h"

namespace pp::controls {

// The push-button face in `look`, filling `rect`; answers the area left for the content.
// Classic: a one-pixel frame first when `active`, then DrawFrameControl with `classic_flags`.
// Luna: the parent's image, then frame (detail - 2) of "XPPUSHBUTTON" nine-sliced. Themed: the
// theme's push-button part in the detail's state over the parent's background.
RECT PaintPushButtonFace(TXPLookMode look, toolkit::TControl& control, HDC dc, HTHEME theme, RECT rect, int detail,
                         bool active, unsigned classic_flags);

// The check box's background: the parent's image (classic, Luna), or the parent's background
// under the themed element (themed).
void PaintCheckBoxBackground(TXPLookMode look, toolkit::TControl& control, HDC dc, int detail);

// The box itself at `box` (its top-left corner; the size is the look's own).
void PaintCheckBoxBox(TXPLookMode look, HDC dc, HTHEME theme, RECT box, int detail, unsigned classic_flags);

// The box's size in `look`: XPCheckBoxSize (classic), 13 x 13 (Luna), the theme's part size (themed).
SIZE CheckBoxBoxSize(TXPLookMode look, HDC dc, HTHEME theme, int detail);

}  // namespace pp::controls
