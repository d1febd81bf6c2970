// The base the tab control and the tab sheet stand on: a custom control that paints its whole
// surface (WM_ERASEBKGND erases nothing), draws its captions smoothly on request and can copy
// its parent's image under itself.
#pragma once

#include "toolkit/win_control.h"

namespace pp::controls {

class TTabThemedBase : public toolkit::TCustomControl {
 public:
  explicit TTabThemedBase(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TTabThemedBase"; }

  bool SmoothDraw() const { return smooth_draw_; }
  void SetSmoothDraw(bool on);
  void Dispatch(toolkit::TMessage& m) override;

 protected:
  virtual void SmoothDrawChanged() { Invalidate(); }
  // Draws the parent (its background, then its painting) into `dc` under this control,
  // restricted to `clip` when given.
  void PaintParentImage(HDC dc, const RECT* clip);

 private:
  bool smooth_draw_ = false;
};

}  // namespace pp::controls
