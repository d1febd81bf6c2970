// The button family of the themed controls: the press-tracking base shared with the check box,
// the push button (three looks and the flat Office face, Default / Cancel, modal result) and the
// bit button (a glyph strip beside the caption, predefined kinds).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "controls/button_states.h"
#include "controls/glyph_layout.h"
#include "controls/theme_services.h"
#include "controls/wide_caption.h"
#include "controls/xp_controls.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

namespace pp::controls {

using toolkit::TColor;
using toolkit::TComponent;
using toolkit::TMessage;

// Turns mouse and keyboard input into the pressed look and into clicks. A click on an unfocused
// control first takes the focus (and is dropped when the focus cannot be taken); Space presses
// and its release clicks; a press held with the mouse or Space keeps clicks made by code from
// counting as the user's (ClicksSuppressed).
class TWinXPCustomButtonControl : public TXPCustomControl {
 public:
  explicit TWinXPCustomButtonControl(TComponent* owner);
  const char* ClassName() const override { return "TWinXPCustomButtonControl"; }

  bool MouseCaptured() const { return press_.mouse_captured; }
  bool KeyPressed() const { return press_.key_pressed; }
  bool Down() const { return press_.down; }
  bool Hot() const { return hot_; }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  // A state change made now is not a click of its own: the user holds the mouse or Space on the
  // control, a click is moving the focus here, or the control is being loaded.
  bool ClicksSuppressed() const { return press_.Busy() || Loading(); }

  void WndProc(TMessage& m) override;
  void Dispatch(TMessage& m) override;

 protected:
  virtual void DoClick() { Click(); }
  virtual void ButtonMouseDown(int x, int y);
  virtual void ButtonMouseMove(int x, int y);
  virtual void ButtonMouseUp(int x, int y);
  // The theme detail that describes the control's state now.
  virtual int GetThemedDetail(bool enabled, bool down, bool hot) = 0;
  // BN_CLICKED reflected from the parent.
  virtual void CommandClick() { Click(); }
  void CreateParams(toolkit::TCreateParams& params) override;
  void SetDown(bool down);
  void Changed(bool look_changed) {
    if (look_changed) Invalidate();
  }

  // The window's "BUTTON" theme, opened when first drawn themed, re-opened on WM_THEMECHANGED.
  HTHEME ButtonTheme();
  void DestroyWnd() override;

  ButtonPress press_;

 private:
  ThemeHandle theme_{L"BUTTON"};
  bool hot_ = false;
  bool word_wrap_ = false;
};

// A push button: Enter clicks the active button (the focused one, or the default one while the
// focus is on something that is not a push button), Esc the cancel button, the caption's
// accelerator its own button. A click copies ModalResult to the form before OnClick runs.
class TWinXPCustomButton : public TWinXPCustomButtonControl {
 public:
  explicit TWinXPCustomButton(TComponent* owner);
  const char* ClassName() const override { return "TWinXPCustomButton"; }

  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  bool Default() const { return default_; }
  void SetDefault(bool on);
  toolkit::TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(toolkit::TModalResult result) { modal_result_ = result; }
  TXPButtonStyle Style() const { return style_; }
  void SetStyle(TXPButtonStyle style) { Store(style_, style); }
  bool Active() const { return active_; }
  TColor HotColor() const { return hot_color_; }
  void SetHotColor(TColor c) { Store(hot_color_, c); }
  TColor PressedColor() const { return pressed_color_; }
  void SetPressedColor(TColor c) { Store(pressed_color_, c); }
  TColor HotFrameColor() const { return hot_frame_color_; }
  void SetHotFrameColor(TColor c) { Store(hot_frame_color_, c); }
  TColor FrameColor() const { return frame_color_; }
  void SetFrameColor(TColor c) { Store(frame_color_, c); }

  void Click() override;
  void Dispatch(TMessage& m) override;

 protected:
  virtual bool ShiftContentWhenDown() { return true; }
  virtual void DrawButtonCaption(const RECT& rect, TColor text_color);
  virtual void DrawContent(const RECT& rect, TColor text_color) { DrawButtonCaption(rect, text_color); }
  virtual void DrawButtonFace(TColor text_color, RECT rect, const RECT* clip, bool enabled, bool down, bool hot,
                              bool with_content);
  int GetThemedDetail(bool enabled, bool down, bool hot) override;
  void Paint() override;
  void CreateWnd() override;
  template <class T>
  void Store(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

 private:
  void PaintOfficeFace(TColor text_color);
  void SetActive(bool on);

  bool cancel_ = false;
  bool default_ = false;
  toolkit::TModalResult modal_result_ = toolkit::mrNone;
  TXPButtonStyle style_ = xpbsWindows;
  bool active_ = false;
  TColor hot_color_ = toolkit::RGBColor(182, 189, 210);
  TColor pressed_color_ = toolkit::RGBColor(133, 146, 181);
  TColor hot_frame_color_ = toolkit::RGBColor(10, 36, 106);
  TColor frame_color_ = toolkit::clWindowFrame;
};

// A push button with a strip of 1 to 4 glyph cells (normal, disabled, pressed, down) laid out
// beside its caption, and the predefined kinds (OK, Cancel, Help, ...).
class TXPCustomBitBtn : public TWinXPCustomButton {
 public:
  explicit TXPCustomBitBtn(TComponent* owner);
  ~TXPCustomBitBtn() override;
  const char* ClassName() const override { return "TXPCustomBitBtn"; }

  toolkit::TBitmap& Glyph() { return glyph_; }
  void SetGlyph(toolkit::TBitmap& glyph);  // copies
  void SetGlyphHandle(HBITMAP bitmap);     // takes ownership
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout l) { Store(layout_, l); }
  int Margin() const { return margin_; }
  void SetMargin(int m);
  int Spacing() const { return spacing_; }
  void SetSpacing(int s) { Store(spacing_, s); }
  // The stored kind while the button still is what that kind made it; bkCustom once its glyph,
  // Default, Cancel or ModalResult were changed since.
  TBitBtnKind Kind();
  void SetKind(TBitBtnKind kind);
  bool MultilineCaption() const { return WordWrap(); }
  void SetMultilineCaption(bool on) { SetWordWrap(on); }
  // The number of cells the image list holds (what painting draws from).
  int CellCount() const;

  void Click() override;

 protected:
  void DrawContent(const RECT& rect, TColor text_color) override;

 private:
  void GlyphChanged();
  void RebuildCells();
  void DrawDisabledCell(HDC dc, int index, int x, int y);

  toolkit::TBitmap glyph_;
  int num_glyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TBitBtnKind kind_ = bkCustom;
  bool glyph_modified_ = false;
  std::unique_ptr<toolkit::TImageList> cells_;
  TColor transparent_color_ = 0;
};

class TXPBitBtn : public TXPCustomBitBtn {
 public:
  explicit TXPBitBtn(TComponent* owner) : TXPCustomBitBtn(owner) {}
  const char* ClassName() const override { return "TXPBitBtn"; }
};

// The kind glyph bitmaps, looked up by name in every module of the process (first found wins)
// and kept until the plug-in unloads. Raises EResNotFound when no module holds it.
HBITMAP KindGlyph(TBitBtnKind kind);
void FreeKindGlyphs();

}  // namespace pp::controls
