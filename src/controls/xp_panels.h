// The gradient panel: a container that paints its whole surface in one of eight kinds (themed
// background, bitmap, gradient or top shadow, plain colour with border lines, a title panel with
// a rounded window, horizontal or vertical colour waves, gradient with a bitmap on top).
#pragma once

#include <windows.h>

#include "controls/panel_geometry.h"
#include "controls/theme_services.h"
#include "controls/xp_controls.h"
#include "toolkit/bitmap.h"
#include "toolkit/std_controls.h"

namespace pp::controls {

class TXPCustomExtPanel : public TXPCustomControl {
 public:
  explicit TXPCustomExtPanel(toolkit::TComponent* owner);
  ~TXPCustomExtPanel() override;
  const char* ClassName() const override { return "TXPCustomExtPanel"; }

  TXPExtPanelKind Kind() const { return kind_; }
  void SetKind(TXPExtPanelKind kind);
  bool UseDefaultColor() const { return use_default_color_; }
  void SetUseDefaultColor(bool on);
  TColor BeginColor() const { return begin_color_; }
  void SetBeginColor(TColor c) { Store(begin_color_, c, GradientKind()); }
  TColor EndColor() const { return end_color_; }
  void SetEndColor(TColor c) { Store(end_color_, c, GradientKind()); }
  TGradientPanelStyle GradientStyle() const { return gradient_style_; }
  void SetGradientStyle(TGradientPanelStyle s) { Store(gradient_style_, s, GradientKind()); }
  bool ShowBorder() const { return show_border_; }
  void SetShowBorder(bool on) { Store(show_border_, on, kind_ == epkSimple); }
  bool ShowTop() const { return show_top_; }
  void SetShowTop(bool on) { Store(show_top_, on, true); }
  bool ShowBottom() const { return show_bottom_; }
  void SetShowBottom(bool on) { Store(show_bottom_, on, kind_ == epkSimple); }
  bool ShowLeft() const { return show_left_; }
  void SetShowLeft(bool on) { Store(show_left_, on, kind_ == epkSimple); }
  bool ShowRight() const { return show_right_; }
  void SetShowRight(bool on) { Store(show_right_, on, kind_ == epkSimple); }
  TColor BorderColor() const { return border_color_; }
  void SetBorderColor(TColor c) { Store(border_color_, c, kind_ == epkSimple); }
  toolkit::TBitmap& Bitmap() { return bitmap_; }
  void SetBitmap(toolkit::TBitmap& bitmap);  // copies
  bool BitmapTransparent() const { return bitmap_transparent_; }
  void SetBitmapTransparent(bool on);
  toolkit::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(toolkit::TAlignment a) { Store(alignment_, a, BitmapKind()); }
  toolkit::TTextLayout Layout() const { return layout_; }
  void SetLayout(toolkit::TTextLayout l) { Store(layout_, l, BitmapKind()); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on) { Store(stretch_, on, BitmapKind()); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  // BorderWidth (the children's inset) is the windowed control's own.

  // When set, replaces the kind's painting entirely.
  toolkit::TNotifyEvent OnPaint;

  void Dispatch(toolkit::TMessage& m) override;
  // Whether the window is clipped to the rounded rectangle now.
  bool HasRoundRegion() const { return region_applied_; }

 protected:
  virtual bool SkipDecoration() { return false; }
  virtual bool UsesRoundRegion() { return kind_ == epkMSMoney; }
  virtual HRGN CreateRegion();
  void Loaded() override;
  void AdjustClientRect(RECT& rect) override;
  void Paint() override;
  void CreateWnd() override;

 private:
  template <class T>
  void Store(T& field, T value, bool repaint) {
    if (field == value) return;
    field = value;
    if (repaint) Invalidate();
  }
  bool GradientKind() const { return kind_ == epkGradient || kind_ == epkGradientWithBitmap; }
  bool BitmapKind() const { return kind_ == epkBitmap || kind_ == epkGradientWithBitmap; }
  void UpdateRegion();
  void ApplyDefaultColor();
  void PaintBackgroundKind(HDC dc);
  void PaintBitmap(HDC dc, bool with_background);
  void PaintGradient(HDC dc);
  void PaintSimple(HDC dc);
  void PaintWaves(HDC dc, bool vertical);
  void PaintTitle(HDC dc);
  bool Designing() const { return ComponentState().Contains(toolkit::csDesigning); }

  TXPExtPanelKind kind_ = epkBackground;
  bool use_default_color_ = true;
  bool applying_default_color_ = false;
  TColor begin_color_ = toolkit::cl3DDkShadow;
  TColor end_color_ = toolkit::clBtnFace;
  TGradientPanelStyle gradient_style_ = gsTopShadow;
  bool show_border_ = false;
  bool show_top_ = true, show_bottom_ = true, show_left_ = true, show_right_ = true;
  TColor border_color_ = toolkit::cl3DDkShadow;
  toolkit::TBitmap bitmap_;
  bool bitmap_transparent_ = false;
  toolkit::TAlignment alignment_ = toolkit::taLeftJustify;
  toolkit::TTextLayout layout_ = toolkit::tlTop;
  bool stretch_ = false;
  bool transparent_ = true;
  bool region_applied_ = false;
  ThemeHandle tab_theme_{L"TAB"};
};

class TXPExtPanel : public TXPCustomExtPanel {
 public:
  explicit TXPExtPanel(toolkit::TComponent* owner) : TXPCustomExtPanel(owner) {}
  const char* ClassName() const override { return "TXPExtPanel"; }
};

}  // namespace pp::controls
