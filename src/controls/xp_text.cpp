#include "controls/xp_text.h"

#include "hostenv/clip_region.h"
#include "toolkit/handles.h"

namespace pp::controls {

using namespace pp::toolkit;

namespace {

UINT BaseFormat(uint8_t flags, uint8_t ellipsis) {
  UINT format = (flags & dtfWordWrap) ? DT_WORDBREAK : DT_SINGLELINE;
  switch (ellipsis) {
    case xeEnd: format |= DT_END_ELLIPSIS; break;
    case xePath: format |= DT_PATH_ELLIPSIS; break;
    case xeWord: format |= DT_WORD_ELLIPSIS; break;
    default: break;
  }
  if (flags & dtfNoPrefix) format |= DT_NOPREFIX;
  return format;
}

// The font to draw with in the smooth renderer: the caption's font asking for anti-aliasing.
UniqueFont SmoothFont(HFONT font) {
  LOGFONTW lf{};
  if (!GetObjectW(font, sizeof lf, &lf)) return UniqueFont();
  lf.lfQuality = ANTIALIASED_QUALITY;
  return UniqueFont(CreateFontIndirectW(&lf));
}

SIZE CalcSize(HDC dc, const RECT& r, const std::wstring& text, UINT format) {
  RECT calc = r;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &calc, format | DT_CALCRECT);
  return {calc.right - calc.left, calc.bottom - calc.top};
}

// Clip to r grown by one pixel for a scope, putting the previous clip region back.
class ClipScope {
 public:
  ClipScope(HDC dc, const RECT& r) : dc_(dc) {
    RECT grown = r;
    InflateRect(&grown, 1, 1);
    hostenv::SaveClipAndRestrict(dc_, grown, saved_, false);
  }
  ~ClipScope() { hostenv::RestoreClip(dc_, saved_); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  HDC dc_;
  HRGN saved_ = nullptr;
};

void DrawCaption(HDC dc, const RECT& r, const std::wstring& text, uint8_t ellipsis, uint8_t flags, uint8_t valign,
                 uint8_t halign, COLORREF color, HFONT font) {
  SavedDCState saved(dc);
  SelectedObject selected(dc, font);
  ClipScope clip(dc, r);
  SetBkMode(dc, TRANSPARENT);
  const UINT format = BaseFormat(flags, ellipsis);
  const SIZE size = CalcSize(dc, r, text, format);
  RECT t = r;
  const int free_w = (r.right - r.left) - size.cx, free_h = (r.bottom - r.top) - size.cy;
  if (halign == xhaRight) OffsetRect(&t, free_w, 0);
  else if (halign == xhaCenter) OffsetRect(&t, free_w / 2, 0);
  if (valign == xvaCenter) OffsetRect(&t, 0, free_h / 2);
  else if (valign == xvaBottom) OffsetRect(&t, 0, free_h);
  t.right = t.left + size.cx;
  t.bottom = t.top + size.cy;
  const UINT justify = halign == xhaRight ? DT_RIGHT : halign == xhaCenter ? DT_CENTER : DT_LEFT;
  auto out = [&](RECT at, COLORREF c) {
    SetTextColor(dc, c);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at, format | justify);
  };
  if (flags & dtfDisabled) {
    RECT shifted = t;
    OffsetRect(&shifted, 1, 1);
    out(shifted, ColorToRGB(clBtnHighlight));
    out(t, ColorToRGB(clBtnShadow));
  } else {
    out(t, color);
  }
  if ((flags & dtfFocusRect) && !text.empty()) {
    RECT f;
    if (!IntersectRect(&f, &t, &r)) f = t;
    InflateRect(&f, 1, 1);
    SetTextColor(dc, ColorToRGB(clWindowFrame));
    SetBkColor(dc, ColorToRGB(clBtnFace));
    DrawFocusRect(dc, &f);
  }
}

}  // namespace

void DrawSmoothText(HDC dc, const RECT& r, const std::wstring& text, UINT format, COLORREF color, HFONT font) {
  UniqueFont smooth = SmoothFont(font);
  SavedDCState saved(dc);
  SelectedObject selected(dc, smooth ? smooth.get() : font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  RECT at = r;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at, format);
}

SIZE MeasureSmoothText(HDC dc, const RECT& r, const std::wstring& text, UINT format, HFONT font) {
  UniqueFont smooth = SmoothFont(font);
  SelectedObject selected(dc, smooth ? smooth.get() : font);
  const std::wstring shown = (format & DT_NOPREFIX) ? text : StripAcceleratorMarks(text);
  return CalcSize(dc, r, shown, format | DT_NOPREFIX);
}

void DrawXPText(TCanvas& canvas, const RECT& r, const std::wstring& text, uint8_t ellipsis, uint8_t flags,
                uint8_t valign, uint8_t halign, TColor color, const TFont& font) {
  if (color == clDefault) color = font.Color();
  HDC dc = canvas.Handle();
  if (flags & dtfSmooth) {
    // The same placement, anti-aliased: the caption's font asked for smoothing.
    UniqueFont smooth = SmoothFont(font.Handle());
    DrawCaption(dc, r, text, ellipsis, static_cast<uint8_t>(flags & ~dtfSmooth), valign, halign, ColorToRGB(color),
                smooth ? smooth.get() : font.Handle());
    return;
  }
  DrawCaption(dc, r, text, ellipsis, flags, valign, halign, ColorToRGB(color), font.Handle());
}

SIZE MeasureXPText(TCanvas& canvas, const RECT& r, const std::wstring& text, uint8_t flags, const TFont& font) {
  canvas.Font().Assign(font);
  HDC dc = canvas.Handle();
  const UINT format = BaseFormat(flags, xeNone);
  if (flags & dtfSmooth) return MeasureSmoothText(dc, r, text, format, font.Handle());
  SavedDCState saved(dc);
  SelectedObject selected(dc, font.Handle());
  return CalcSize(dc, r, text, format);
}

void CalcGlyphLayout(TCanvas& canvas, const RECT& client, const TFont& font, uint8_t flags, SIZE glyph,
                     const std::wstring& caption, TButtonLayout layout, int margin, int spacing, POINT& glyph_pos,
                     RECT& text_bounds) {
  const IRect c = IRect{client.left, client.top, client.right, client.bottom};
  SIZE text{0, 0};
  if (!caption.empty()) {
    const IRect m = CaptionMeasureRect(c, glyph.cx, glyph.cy, layout, spacing);
    text = MeasureXPText(canvas, RECT{m.Left, m.Top, m.Right, m.Bottom}, caption, flags, font);
  }
  const GlyphPlacement p = PlaceGlyph(c, glyph.cx, glyph.cy, text.cx, text.cy, layout, margin, spacing);
  glyph_pos = {p.Glyph.X, p.Glyph.Y};
  text_bounds = {p.TextBounds.Left, p.TextBounds.Top, p.TextBounds.Right, p.TextBounds.Bottom};
}

}  // namespace pp::controls
