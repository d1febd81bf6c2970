// The module's hint window: the toolkit's, without the window class's drop shadow, so that no
// hint of the module casts one whatever the system's effects setting.
#pragma once

#include "toolkit/hint_window.h"

namespace pp::forms {

class TNoShadowHintWindow : public toolkit::THintWindow {
 public:
  using THintWindow::THintWindow;
  const char* ClassName() const override { return "TNoShadowHintWindow"; }

 protected:
  void CreateParams(toolkit::TCreateParams& params) override {
    THintWindow::CreateParams(params);
    params.WindowClass.style &= ~CS_DROPSHADOW;
  }
};

}  // namespace pp::forms
