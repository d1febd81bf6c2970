// The small window that shows a control's hint.
#pragma once

#include <string>

#include "toolkit/win_control.h"

namespace pp::toolkit {

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);
  const char* ClassName() const override { return "THintWindow"; }
  // The rectangle (at 0, 0) the hint needs, wrapped at max_width.
  virtual RECT CalcHintRect(int max_width, const std::string& hint);
  // Shows the hint at `rect` (screen coordinates) without taking the activation.
  virtual void ActivateHint(const RECT& rect, const std::string& hint);
  void ReleaseHandle() { DestroyHandle(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};

}  // namespace pp::toolkit
