#include "controls/button_painters.h"

#include <vssym32.h>

#include "controls/button_images.h"
#include "controls/button_states.h"
#include "controls/draw_helpers.h"
#include "controls/theme_services.h"
#include "toolkit/handles.h"
#include "toolkit/win_control.h"

namespace pp::controls {

namespace {

HWND WindowOf(toolkit::TControl& control) {
  auto* w = dynamic_cast<toolkit::TWinControl*>(&control);
  return w && w->HandleAllocated() ? w->Handle() : nullptr;
}

void FrameWithWindowFrame(HDC dc, RECT& r) {
  toolkit::UniqueBrush frame(CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME)));
  FrameRect(dc, &r, frame.get());
  InflateRect(&r, -1, -1);
}

}  // namespace

RECT PaintPushButtonFace(TXPLookMode look, toolkit::TControl& control, HDC dc, HTHEME theme, RECT r, int detail, bool active,
                         unsigned classic_flags) {
  switch (look) {
    case xlmClassic:
      if (active) FrameWithWindowFrame(dc, r);
      DrawFrameControl(dc, &r, DFC_BUTTON, classic_flags);  // DFCS_ADJUSTRECT leaves the content area in r
      return r;
    case xlmLuna: {
      const TAlphaImage* image = PushButtonImage();
      if (!image) return PaintPushButtonFace(xlmClassic, control, dc, theme, r, detail, active, classic_flags);
      PaintParentImage(&control, dc, &r);
      const int k = PushButtonLunaFrame(detail);
      const RECT source{0, 23 * k, 20, 23 * k + 23};
      const RECT centre{8, 8, 11, 14};
      DrawNineSlice(r, centre, source, true, image->Bitmap(), dc);
      return r;
    }
    case xlmThemed: {
      const int state = PushButtonThemeState(detail);
      {
        toolkit::SavedDCState saved(dc);
        if (UxIsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state))
          UxDrawThemeParentBackground(WindowOf(control), dc, &r);
      }
      UxDrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &r, nullptr);
      return r;
    }
  }
  return r;
}

// In every look the parent's own image. In the themed look that is what the theme's parent
// background gives too (the parent's erase and client printing under the control), but Wine's
// DrawThemeParentBackground costs ten times as much, and a dialog paints 24 of these boxes.
// Clipped to the box: printed into a DC shared with other controls, the parent's whole client
// area would otherwise land over what they drew there.
void PaintCheckBoxBackground(TXPLookMode, toolkit::TControl& control, HDC dc, int) {
  toolkit::SavedDCState saved(dc);
  const RECT box = control.ClientRect();
  PaintParentImage(&control, dc, &box);
}

SIZE CheckBoxBoxSize(TXPLookMode look, HDC dc, HTHEME theme, int detail) {
  switch (look) {
    case xlmClassic: return SIZE{XPCheckBoxSize.x, XPCheckBoxSize.y};
    case xlmLuna: return SIZE{13, 13};
    case xlmThemed: {
      SIZE size{13, 13};
      if (FAILED(UxGetThemePartSize(theme, dc, BP_CHECKBOX, CheckBoxThemeState(detail), nullptr, TS_DRAW, &size)))
        size = SIZE{13, 13};
      return size;
    }
  }
  return SIZE{13, 13};
}

void PaintCheckBoxBox(TXPLookMode look, HDC dc, HTHEME theme, RECT box, int detail,
                      unsigned classic_flags) {
  switch (look) {
    case xlmClassic:
      DrawFrameControl(dc, &box, DFC_BUTTON, classic_flags);
      return;
    case xlmLuna:
      if (const TAlphaImage* image = CheckBoxImage()) {
        toolkit::SavedDCState saved(dc);
        const int k = CheckBoxLunaFrame(detail);
        const RECT source{0, 13 * k, 13, 13 * k + 13};
        const RECT centre{0, 0, 13, 13};
        DrawNineSlice(box, centre, source, true, image->Bitmap(), dc);
      } else {
        DrawFrameControl(dc, &box, DFC_BUTTON, classic_flags);
      }
      return;
    case xlmThemed: {
      UxDrawThemeBackground(theme, dc, BP_CHECKBOX, CheckBoxThemeState(detail), &box, nullptr);
      return;
    }
  }
}

}  // namespace pp::controls
