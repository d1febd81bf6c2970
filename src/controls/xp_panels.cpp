#include "controls/xp_panels.h"

#include <vssym32.h>

#include "controls/draw_helpers.h"
#include "controls/wide_caption.h"
#include "controls/xp_text.h"
#include "hostenv/clip_region.h"
#include "toolkit/handles.h"

namespace pp::controls {

using namespace toolkit;

namespace {

void Line(HDC dc, int x1, int y1, int x2, int y2, TColor color) {
  UniquePen pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  SelectedObject selected(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Polyline3(HDC dc, POINT a, POINT b, POINT c, TColor color) {
  UniquePen pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  SelectedObject selected(dc, pen.get());
  const POINT points[] = {a, b, c};
  Polyline(dc, points, 3);
}

void Fill(HDC dc, const RECT& r, TColor color) {
  UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FillRect(dc, &r, brush.get());
}

void Frame(HDC dc, const RECT& r, TColor color) {
  UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FrameRect(dc, &r, brush.get());
}

int TextHeightOf(HFONT font, const wchar_t* text) {
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  SelectedObject selected(dc.get(), font);
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text, static_cast<int>(wcslen(text)), &size);
  return size.cy;
}

}  // namespace

TXPCustomExtPanel::TXPCustomExtPanel(TComponent* owner) : TXPCustomControl(owner) {
  SetControlStyle(ControlStyle().Include(csAcceptsControls).Exclude(csOpaque));
  width_ = 185;
  height_ = 41;
  SetParentColor(false);
  SetTabStop(false);
  applying_default_color_ = true;
  SetColor(RGBColor(236, 233, 216));  // the stored default, replaced at once while UseDefaultColor holds
  applying_default_color_ = false;
  ApplyDefaultColor();
}

TXPCustomExtPanel::~TXPCustomExtPanel() = default;

void TXPCustomExtPanel::ApplyDefaultColor() {
  applying_default_color_ = true;
  SetColor(XPColorFace);
  applying_default_color_ = false;
}

void TXPCustomExtPanel::Loaded() {
  TXPCustomControl::Loaded();
  if (use_default_color_) ApplyDefaultColor();
}

void TXPCustomExtPanel::SetUseDefaultColor(bool on) {
  if (on == use_default_color_) return;
  if (on) ApplyDefaultColor();
  use_default_color_ = on;
  Invalidate();
}

void TXPCustomExtPanel::SetKind(TXPExtPanelKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  UpdateRegion();
  AlignControls();
  Invalidate();
}

void TXPCustomExtPanel::SetBitmap(TBitmap& bitmap) {
  bitmap_.Assign(bitmap);
  bitmap_.SetTransparent(bitmap_transparent_);
  Invalidate();
}

void TXPCustomExtPanel::SetBitmapTransparent(bool on) {
  if (on == bitmap_transparent_) return;
  bitmap_transparent_ = on;
  if (BitmapKind()) {
    bitmap_.SetTransparent(on);
    Invalidate();
  }
}

void TXPCustomExtPanel::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  if (BitmapKind()) SetControlStyle(on ? ControlStyle().Exclude(csOpaque) : ControlStyle().Include(csOpaque));
  Invalidate();
}

HRGN TXPCustomExtPanel::CreateRegion() {
  return CreateRoundRectRgn(0, 0, ClientWidth() + 1, ClientHeight() + 1, 5, 5);
}

void TXPCustomExtPanel::UpdateRegion() {
  if (!HandleAllocated()) return;
  if (UsesRoundRegion()) {
    // The window owns the region once it is set.
    SetWindowRgn(Handle(), CreateRegion(), TRUE);
    region_applied_ = true;
  } else if (region_applied_) {
    SetWindowRgn(Handle(), nullptr, TRUE);
    region_applied_ = false;
  }
}

void TXPCustomExtPanel::CreateWnd() {
  TXPCustomControl::CreateWnd();
  region_applied_ = false;
  UpdateRegion();
}

void TXPCustomExtPanel::AdjustClientRect(RECT& rect) {
  int title_height = 0;
  if (kind_ == epkMSMoney) title_height = TextHeightOf(Font().Handle(), L"Wj");
  const PanelRect area = PanelChildArea(PanelRect{rect.left, rect.top, rect.right, rect.bottom}, BorderWidth(),
                                        kind_, title_height);
  rect = RECT{area.left, area.top, area.right, area.bottom};
}

void TXPCustomExtPanel::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; return;
    case WM_SIZE:
      TXPCustomControl::Dispatch(m);
      if (UsesRoundRegion()) UpdateRegion();
      return;
    case WM_DESTROY:
      if (UsesRoundRegion() && region_applied_) {
        SetWindowRgn(reinterpret_cast<HWND>(Handle()), nullptr, FALSE);
        region_applied_ = false;
      }
      break;
    case WM_THEMECHANGED:
      if (tab_theme_) tab_theme_.Reopen();
      break;
    case CM_COLORCHANGED:
      TXPCustomControl::Dispatch(m);
      if (!applying_default_color_ && (Designing() || !Loading())) use_default_color_ = false;
      return;
    case CM_TEXTCHANGED:
      TXPCustomControl::Dispatch(m);
      if (kind_ == epkMSMoney) Invalidate();
      return;
  }
  TXPCustomControl::Dispatch(m);
}

void TXPCustomExtPanel::Paint() {
  if (OnPaint) {
    OnPaint(this);
    return;
  }
  HDC dc = Canvas().Handle();
  switch (kind_) {
    case epkBackground: PaintBackgroundKind(dc); break;
    case epkBitmap: PaintBitmap(dc, true); break;
    case epkGradient: PaintGradient(dc); break;
    case epkSimple: PaintSimple(dc); break;
    case epkMSMoney: PaintTitle(dc); break;
    case epkWavy: PaintWaves(dc, false); break;
    case epkVerticalWavy: PaintWaves(dc, true); break;
    case epkGradientWithBitmap:
      PaintGradient(dc);
      PaintBitmap(dc, false);
      break;
  }
}

void TXPCustomExtPanel::PaintBackgroundKind(HDC dc) {
  const int cw = ClientWidth(), ch = ClientHeight();
  RECT r{0, 0, cw, ch};
  switch (GetXPLookMode()) {
    case xlmClassic: DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH); break;
    case xlmLuna:
      Frame(dc, RECT{0, 0, cw, ch}, RGBColor(255, 247, 247));
      Frame(dc, RECT{1, 1, cw - 1, ch - 1}, RGBColor(255, 247, 247));
      Line(dc, 2, 2, cw - 2, 2, RGBColor(160, 159, 156));
      Line(dc, 2, ch - 3, cw - 2, ch - 3, RGBColor(160, 159, 156));
      Line(dc, 2, 3, 2, ch - 3, RGBColor(187, 186, 184));
      Line(dc, cw - 3, 3, cw - 3, ch - 3, RGBColor(187, 186, 184));
      Polyline3(dc, {3, ch - 4}, {3, 3}, {cw - 3, 3}, clWhite);
      Polyline3(dc, {cw - 4, 4}, {cw - 4, ch - 4}, {3, ch - 4}, RGBColor(216, 216, 216));
      Fill(dc, RECT{4, 4, cw - 3, ch - 3}, RGBColor(236, 233, 216));
      break;
    case xlmThemed:
      if (!tab_theme_ && HandleAllocated()) tab_theme_.Open(Handle());
      if (FAILED(UxDrawThemeBackground(tab_theme_.get(), dc, TABP_PANE, 0, &r, nullptr)))
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
      break;
  }
}

void TXPCustomExtPanel::PaintBitmap(HDC dc, bool with_background) {
  const int cw = ClientWidth(), ch = ClientHeight();
  const RECT client{0, 0, cw, ch};
  const bool see_through = transparent_ && !Designing();
  if (with_background) {
    if (see_through) PaintParentImage(this, dc);
    if (bitmap_.Empty() || SkipDecoration()) {
      Fill(dc, client, Color());
      return;
    }
  }
  if (bitmap_.Empty()) return;
  const PanelRect p = PanelBitmapRect(cw, ch, bitmap_.Width(), bitmap_.Height(), alignment_, layout_, stretch_);
  const RECT r{p.left, p.top, p.right, p.bottom};
  if (with_background && !see_through) {
    HRGN saved = nullptr;
    if (!bitmap_transparent_) hostenv::SaveClipAndRestrict(dc, r, saved, true);
    Fill(dc, client, Color());
    if (!bitmap_transparent_) hostenv::RestoreClip(dc, saved);
  }
  HDC src = bitmap_.Canvas().Handle();
  if (stretch_) {
    StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, src, 0, 0, bitmap_.Width(), bitmap_.Height(),
               SRCCOPY);
  } else if (bitmap_transparent_) {
    DrawTransparentBitmap(dc, r.left, r.top, bitmap_.Canvas().Pixel(0, 0), src, 0, 0, bitmap_.Width(),
                          bitmap_.Height());
  } else {
    BitBlt(dc, r.left, r.top, bitmap_.Width(), bitmap_.Height(), src, 0, 0, SRCCOPY);
  }
}

void TXPCustomExtPanel::PaintGradient(HDC dc) {
  const int cw = ClientWidth(), ch = ClientHeight();
  switch (gradient_style_) {
    case gsTopShadow:
      for (int row = 0; row < kTopShadowRows; ++row)
        Line(dc, 0, row, cw, row, BlendColors(begin_color_, end_color_, TopShadowFraction(row)));
      Fill(dc, RECT{0, kTopShadowRows, cw, ch}, Color());
      break;
    case gsLeftToRight: FillGradientRect(dc, RECT{0, 0, cw, ch}, begin_color_, true, end_color_); break;
    case gsTopToBottom: FillGradientRect(dc, RECT{0, 0, cw, ch}, begin_color_, false, end_color_); break;
  }
}

void TXPCustomExtPanel::PaintSimple(HDC dc) {
  const int cw = ClientWidth(), ch = ClientHeight();
  if (!transparent_ || Designing())
    Fill(dc, RECT{0, 0, cw, ch}, Color());
  else
    PaintParentImage(this, dc);
  if (!show_border_) return;
  if (show_top_) Line(dc, 0, 0, cw, 0, border_color_);
  if (show_bottom_) Line(dc, 0, ch - 1, cw, ch - 1, border_color_);
  if (show_left_) Line(dc, 0, 0, 0, ch, border_color_);
  if (show_right_) Line(dc, cw - 1, 0, cw - 1, ch, border_color_);
}

void TXPCustomExtPanel::PaintWaves(HDC dc, bool vertical) {
  const int cw = ClientWidth(), ch = ClientHeight();
  const HSL hsl = ColorToHSL(Color());
  const int extent = vertical ? cw : ch;
  for (int i = 0; i < extent; ++i) {
    const TColor c = HSLToColor(hsl.H, hsl.S, static_cast<uint8_t>(WavyLightness(i, extent, hsl.L)));
    if (vertical)
      Line(dc, i, 0, i, ch, c);
    else
      Line(dc, 0, i, cw, i, c);
  }
}

void TXPCustomExtPanel::PaintTitle(HDC dc) {
  PaintWaves(dc, false);
  if (SkipDecoration()) return;
  const int cw = ClientWidth(), ch = ClientHeight();
  const HSL hsl = ColorToHSL(Color());
  const TColor title = HSLToColor(hsl.H, hsl.S, static_cast<uint8_t>(hsl.L * 2 / 3));
  TFont bold;
  bold.Assign(Font());
  bold.SetStyle(bold.Style().Include(fsBold));
  const RECT r{kMoneyTitleLeft, kMoneyTitleTop, cw, ch};
  DrawXPText(Canvas(), r, WideCaption(Caption()), xePath, dtfWordWrap, xvaCenter, xhaLeft, title, bold);
  const int h = TextHeightOf(bold.Handle(), L"Wj");
  Line(dc, kMoneyTitleLeft, h + kMoneyTitleTop, cw - kMoneyTitleTop, h + kMoneyTitleTop, title);
}

}  // namespace pp::controls
