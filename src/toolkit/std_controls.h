// Standard controls of the toolkit: a push button (the system's BUTTON class with our window
// procedure in front of it), a text label and a picture, both window-less.
#pragma once

#include <string>

#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/win_control.h"

namespace pp::toolkit {

// Enter clicks the active button (the focused button, or when another control has the focus
// the default one), Esc the cancel button; the caption's accelerator clicks it too. A click
// sets the form's modal result to the button's (also when that is mrNone) before OnClick.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  const char* ClassName() const override { return "TButton"; }

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  bool Active() const { return active_; }

  void Click() override;
  void Dispatch(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void SetActive(bool on);

  TModalResult modal_result_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  const char* ClassName() const override { return "TLabel"; }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout l);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool on);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  // The control that the caption's accelerator focuses.
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* control);

  void Dispatch(TMessage& m) override;

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  UINT TextFlags() const;
  void AdjustBounds();

 private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool word_wrap_ = false;
  bool auto_size_ = true;
  bool show_accel_char_ = true;
  bool transparent_ = false;
  TWinControl* focus_control_ = nullptr;
};

// A picture: an icon or a bitmap, optionally sized to it, centred or stretched.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  const char* ClassName() const override { return "TImage"; }

  TIcon& Icon() { return icon_; }
  TBitmap& Bitmap() { return bitmap_; }
  void PictureChanged();  // after changing the icon or bitmap
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);
  bool Center() const { return center_; }
  void SetCenter(bool on);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);

 protected:
  void Paint() override;

 private:
  SIZE PictureSize() const;
  TIcon icon_;
  TBitmap bitmap_;
  bool auto_size_ = false;
  bool center_ = false;
  bool stretch_ = false;
};

}  // namespace pp::toolkit
