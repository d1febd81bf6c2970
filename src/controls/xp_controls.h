// The themed controls' shared state and base class: which of the three looks to draw, the XP
// colour set, the classic check box size, painting a parent's image under a control, and the
// printing support every themed control has (WM_PRINT with its frame, WM_PRINTCLIENT).
#pragma once

#include <windows.h>

#include "toolkit/colors.h"
#include "toolkit/win_control.h"

namespace pp::controls {

using toolkit::TColor;

enum TXPLookMode { xlmClassic, xlmLuna, xlmThemed };

// Allows the drawn Luna look on Windows older than XP. The dialog framework sets it from the
// host's preference at library start.
extern bool UseLunaLook;

// The XP colour set, filled by UpdateXPColors: fixed RGB colours in the Luna look, system colour
// references otherwise (resolved when drawn).
extern TColor XPColorWindow;
extern TColor XPColorFace;
extern TColor XPColorHighlight;
extern TColor XPColorHighlightText;
extern TColor XPColorShadow;
extern TColor XPColorLight;
extern TColor XPColorGrayText;

// Size of one image of the system's classic check box bitmap (OBM_CHECKBOXES is 4 x 3 images).
extern POINT XPCheckBoxSize;

// Visual styles on: themed; else Luna when allowed and Windows is older than XP; else classic.
// Asked anew on every call: drawing code asks at the start of each paint.
TXPLookMode GetXPLookMode() noexcept;
bool IsWindowsXPOrLater() noexcept;
void UpdateXPColors() noexcept;

// Library start and end (module initialisation step 2 and its reverse): colours, check box
// size, the utility window that follows system colour changes, the window-DC redirection used
// while a control prints its frame, theme services and the gradient library.
void StartXPControls() noexcept;
void EndXPControls() noexcept;

// The hidden window that recomputes the colour set on WM_SYSCOLORCHANGE (null outside
// StartXPControls .. EndXPControls).
HWND XPUtilityWindow() noexcept;

// While a control handles WM_PRINT every whole-window DC request (toolkit::WholeWindowDC) of
// our drawing answers the print DC; outside it, the system's DC.
bool PrintRedirectActive() noexcept;
HDC PrintRedirectDC() noexcept;

// Paints `control`'s parent into `dc` (in the control's client coordinates), so that a control
// can draw itself over what its parent shows beneath it. clip (optional) narrows the drawing.
void PaintParentImage(toolkit::TControl* control, HDC dc, const RECT* clip = nullptr);

// The state query answered by every themed control (WM_USER + 1): wParam 1 asks whether the
// control's state changed since it was last marked seen (result 0 or 1), wParam 2 marks it seen.
constexpr UINT XPM_STATEQUERY = WM_USER + 1;

class TXPCustomControl : public toolkit::TCustomControl {
 public:
  explicit TXPCustomControl(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TXPCustomControl"; }

  bool SmoothDraw() const { return smooth_draw_; }
  void SetSmoothDraw(bool on);

  void Dispatch(toolkit::TMessage& m) override;

 protected:
  virtual void SmoothDrawChanged() { Invalidate(); }
  virtual bool HasStateChanged() { return false; }
  virtual void MarkStateSeen() {}

  void WMEraseBkgnd(toolkit::TMessage& m) override { m.Result = 1; }  // Paint covers everything
  void WMPrintClient(toolkit::TMessage& m) override;
  virtual void WMPrint(toolkit::TMessage& m);

 private:
  bool smooth_draw_ = false;
};

}  // namespace pp::controls
