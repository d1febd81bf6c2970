// The check box of the button family: a box in one of the three looks and a caption beside it,
// with three states. Every change of State fires OnClick exactly once, with State already at
// its new value, whether the user or code made it; except while the control is being loaded,
// or while the user holds the mouse or Space on it (the user's own click is on its way then).
#pragma once

#include <string>

#include "controls/alpha_image.h"
#include "controls/winxp_buttons.h"
#include "toolkit/std_controls.h"

namespace pp::controls {

class TXPCheckControl : public TWinXPCustomButtonControl {
 public:
  explicit TXPCheckControl(TComponent* owner);
  const char* ClassName() const override { return "TXPCheckControl"; }

  toolkit::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(toolkit::TAlignment a);
  bool DrawFocusRect() const { return draw_focus_rect_; }
  void SetDrawFocusRect(bool on) { draw_focus_rect_ = on; }
  bool Checked() { return GetChecked(); }
  void SetChecked(bool on) { SetCheckedValue(on); }

  void Dispatch(TMessage& m) override;

 protected:
  virtual bool GetChecked() = 0;
  virtual void SetCheckedValue(bool on) = 0;
  // The caption; `color` is not used.
  virtual void DrawContent(TColor color, TColor text_color);
  virtual void Toggle() = 0;
  virtual int GetThemePart() = 0;
  virtual int GetFirstDetail() = 0;
  virtual const TAlphaImage* GetStateImage() = 0;
  virtual unsigned GetClassicFlags() = 0;

  void CommandClick() override { Toggle(); }
  void CreateHandle() override;
  void Paint() override;
  // The box size of the look now, for the current detail.
  SIZE BoxSize(TXPLookMode look, HDC dc);

 private:
  void FitHeightToCaption();

  struct LayoutKey {
    std::wstring caption;
    HFONT font = nullptr;
    uint8_t flags = 0;
    int width = -1, height = -1, box_width = 0, box_height = 0;
    TButtonLayout layout = blGlyphLeft;
    bool operator==(const LayoutKey&) const = default;
  };
  LayoutKey layout_key_;
  RECT text_bounds_{};
  SIZE themed_box_{13, 13};
  HTHEME sized_theme_ = nullptr;
  toolkit::TAlignment alignment_ = toolkit::taRightJustify;
  bool draw_focus_rect_ = true;
};

class TXPCheckBox : public TXPCheckControl {
 public:
  explicit TXPCheckBox(TComponent* owner) : TXPCheckControl(owner) {}
  const char* ClassName() const override { return "TXPCheckBox"; }

  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool on) { allow_grayed_ = on; }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool InClick() const { return in_click_; }

  void Click() override;

 protected:
  bool GetChecked() override { return state_ == cbChecked; }
  void SetCheckedValue(bool on) override { SetState(on ? cbChecked : cbUnchecked); }
  void Toggle() override { SetState(NextCheckState(state_, allow_grayed_)); }
  int GetThemePart() override { return 3; }  // BP_CHECKBOX
  int GetFirstDetail() override { return kCheckBoxFirstDetail; }
  const TAlphaImage* GetStateImage() override;
  unsigned GetClassicFlags() override { return CheckBoxClassicFlags(Enabled(), Down(), state_); }
  int GetThemedDetail(bool enabled, bool down, bool hot) override {
    return CheckBoxDetailOf(enabled, down, hot, state_);
  }
  bool HasStateChanged() override { return state_ != seen_state_; }
  void MarkStateSeen() override { seen_state_ = state_; }

 private:
  bool allow_grayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
  TCheckBoxState seen_state_ = cbUnchecked;
  bool in_click_ = false;
  bool setting_state_ = false;
};

}  // namespace pp::controls
