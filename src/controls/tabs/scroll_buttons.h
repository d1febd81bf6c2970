// A pair of arrow buttons side by side (back on the left, forward on the right), as the tab
// strip uses to scroll its tabs. A press clicks at once; held down, the button clicks again
// after 500 ms and then every 100 ms until it is released or the mouse leaves it. The half
// under the mouse is drawn hot.
#pragma once

#include "controls/theme_services.h"
#include "toolkit/win_control.h"

namespace pp::controls {

class TXPScrollButtons : public toolkit::TCustomControl {
 public:
  enum Part { None = -1, Up = 0, Down = 1 };  // Up scrolls back (left), Down forward (right)

  explicit TXPScrollButtons(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TXPScrollButtons"; }

  toolkit::TNotifyEvent OnUpClick;
  toolkit::TNotifyEvent OnDownClick;

  Part HotPart() const { return hot_; }
  Part PressedPart() const { return pressed_; }
  Part PartAt(int x, int y) const;

  static constexpr UINT kFirstRepeatMs = 500;
  static constexpr UINT kRepeatMs = 100;

  void Dispatch(toolkit::TMessage& m) override;

 protected:
  void Paint() override;
  void CreateParams(toolkit::TCreateParams& params) override;
  void MouseDown(toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y) override;
  void MouseUp(toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y) override;
  void MouseMove(toolkit::TShiftState shift, int x, int y) override;

 private:
  void Fire(Part part);
  void StopRepeat();
  void SetHot(Part part);
  RECT PartRect(Part part) const;

  Part hot_ = None;
  Part pressed_ = None;
  bool inside_ = false;  // the pressed button is under the mouse
  UINT_PTR timer_ = 0;
  ThemeHandle theme_{L"SCROLLBAR"};
};

}  // namespace pp::controls
