// Shared pieces of the themed-control tests: a pump, a control painting a known pattern, a
// picture to read pixels back from.
#pragma once

#include <windows.h>

#include <string>

#include "controls/xp_controls.h"
#include "surface.h"
#include "toolkit/form.h"

namespace pp::controls::testing {

using pp::gallery::Surface;

void Pump(int rounds = 3);

// Paints left half red, right half blue, a lime 4 x 4 square at (2, 2); draws its frame (a 2-pixel
// yellow border) into the whole-window DC on WM_NCPAINT, as the drawn frame does.
class PatternControl : public TXPCustomControl {
 public:
  explicit PatternControl(toolkit::TComponent* owner) : TXPCustomControl(owner) {}
  int smooth_changes = 0;
  int marks = 0;
  bool state_changed = false;
  int paints = 0;
  void Dispatch(toolkit::TMessage& m) override;

 protected:
  void CreateParams(toolkit::TCreateParams& params) override {
    TXPCustomControl::CreateParams(params);
    params.Style |= WS_BORDER;  // a non-client area for WM_PRINT to print
  }
  void Paint() override;
  void SmoothDrawChanged() override;
  bool HasStateChanged() override { return state_changed; }
  void MarkStateSeen() override { ++marks; }
};

// Every pixel of `a` equals `b`'s (colours only); the first difference in `where`.
bool SamePixels(const Surface& a, const Surface& b, std::string* where);

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kLime = 0x00FF00, kYellow = 0xFFFF00;

}  // namespace pp::controls::testing
