#include "controls/tabs/scroll_buttons.h"

#include "controls/tabs/tab_painting.h"

namespace pp::controls {

using namespace toolkit;

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
}

TXPScrollButtons::TXPScrollButtons(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle().Exclude(csAcceptsControls).Exclude(csDoubleClicks).Include(csOpaque));
  SetBounds(0, 0, 34, 17);
}

void TXPScrollButtons::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.WindowClass.style &= ~static_cast<UINT>(CS_DBLCLKS);
}

TXPScrollButtons::Part TXPScrollButtons::PartAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return None;
  return x < Width() / 2 ? Up : Down;
}

RECT TXPScrollButtons::PartRect(Part part) const {
  const int half = Width() / 2;
  return part == Up ? RECT{0, 0, half, Height()} : RECT{half, 0, Width(), Height()};
}

void TXPScrollButtons::Fire(Part part) {
  const TNotifyEvent& e = part == Up ? OnUpClick : OnDownClick;
  if (e) e(this);
}

void TXPScrollButtons::StopRepeat() {
  if (timer_ && HandleAllocated()) KillTimer(Handle(), timer_);
  timer_ = 0;
}

void TXPScrollButtons::SetHot(Part part) {
  if (part == hot_) return;
  hot_ = part;
  Invalidate();
}

void TXPScrollButtons::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  Part part = PartAt(x, y);
  if (part == None) return;
  pressed_ = part;
  inside_ = true;
  Invalidate();
  StopRepeat();
  timer_ = SetTimer(Handle(), kRepeatTimer, kFirstRepeatMs, nullptr);
  Fire(part);
}

void TXPScrollButtons::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  Part part = PartAt(x, y);
  SetHot(part);
  if (pressed_ != None) {
    const bool inside = part == pressed_;
    if (inside != inside_) {
      inside_ = inside;
      Invalidate();
    }
  }
}

void TXPScrollButtons::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  StopRepeat();
  if (pressed_ != None) {
    pressed_ = None;
    Invalidate();
  }
}

void TXPScrollButtons::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_TIMER:
      if (m.WParam == kRepeatTimer && timer_) {
        if (pressed_ == None) {
          StopRepeat();
        } else {
          SetTimer(Handle(), kRepeatTimer, kRepeatMs, nullptr);  // same timer, the faster pace
          if (inside_) Fire(pressed_);
        }
        return;
      }
      break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      StopRepeat();
      if (pressed_ != None) {
        pressed_ = None;
        Invalidate();
      }
      break;
    case CM_MOUSELEAVE:
      SetHot(None);
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) {
        StopRepeat();
        pressed_ = None;
      }
      break;
    case WM_NCDESTROY:
      timer_ = 0;  // the window's timers go with it
      theme_.Close();
      break;
    case WM_THEMECHANGED:
      theme_.Close();
      Invalidate();
      break;
  }
  TCustomControl::Dispatch(m);
}

void TXPScrollButtons::Paint() {
  HDC dc = Canvas().Handle();
  const TXPLookMode look = GetXPLookMode();
  if (look == xlmThemed && !theme_) theme_.Open(Handle());
  HTHEME theme = look == xlmThemed ? theme_.get() : nullptr;
  for (Part part : {Up, Down}) {
    ScrollArrowState state = !Enabled()                            ? ScrollArrowState::Disabled
                             : (pressed_ == part && inside_)        ? ScrollArrowState::Pressed
                             : (hot_ == part || pressed_ == part)   ? ScrollArrowState::Hot
                                                                    : ScrollArrowState::Normal;
    DrawScrollArrow(dc, look, theme, PartRect(part), part == Up, state);
  }
}

}  // namespace pp::controls
