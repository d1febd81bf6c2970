#include "toolkit/graphics.h"

#include <cstring>

#include "toolkit/errors.h"

namespace pp::toolkit {

int ScreenPixelsPerInch() {
  static int ppi = [] {
    ClientDC dc(nullptr);
    int v = GetDeviceCaps(dc.get(), LOGPIXELSY);
    return v > 0 ? v : 96;
  }();
  return ppi;
}

// ---- TFont

namespace {
int g_default_charset = DEFAULT_CHARSET;
}

int TFont::DefaultCharset() { return g_default_charset; }
void TFont::SetDefaultCharset(int charset) { g_default_charset = charset; }

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Drop();
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Drop();
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Drop();
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;  // the handle does not carry the colour
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Drop();
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Drop();
  Changed();
}

bool TFont::Equals(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
         charset_ == o.charset_ && pitch_ == o.pitch_;
}

void TFont::Assign(const TFont& o) {
  if (&o == this || Equals(o)) return;
  name_ = o.name_;
  height_ = o.height_;
  style_ = o.style_;
  color_ = o.color_;
  charset_ = o.charset_;
  pitch_ = o.pitch_;
  Drop();
  Changed();
}

LOGFONTA TFont::LogFont() const {
  LOGFONTA lf{};
  lf.lfHeight = height_;
  lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Contains(fsItalic);
  lf.lfUnderline = style_.Contains(fsUnderline);
  lf.lfStrikeOut = style_.Contains(fsStrikeOut);
  lf.lfCharSet = static_cast<BYTE>(charset_);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
  return lf;
}

void TFont::SetLogFont(const LOGFONTA& lf) {
  name_ = std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  height_ = lf.lfHeight;
  TFontStyles s;
  if (lf.lfWeight >= FW_BOLD) s.Include(fsBold);
  if (lf.lfItalic) s.Include(fsItalic);
  if (lf.lfUnderline) s.Include(fsUnderline);
  if (lf.lfStrikeOut) s.Include(fsStrikeOut);
  style_ = s;
  charset_ = lf.lfCharSet;
  Drop();
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA lf = LogFont();
    handle_.reset(CreateFontIndirectA(&lf));
    if (!handle_) Raise(EOutOfResources("Out of system resources (font)"));
  }
  return handle_.get();
}

// ---- TPen

void TPen::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  handle_.reset();
  Changed();
}

void TPen::SetWidth(int w) {
  if (w == width_) return;
  width_ = w;
  handle_.reset();
  Changed();
}

void TPen::SetStyle(TPenStyle s) {
  if (s == style_) return;
  style_ = s;
  handle_.reset();
  Changed();
}

void TPen::Assign(const TPen& o) {
  color_ = o.color_;
  width_ = o.width_;
  style_ = o.style_;
  handle_.reset();
  Changed();
}

HPEN TPen::Handle() const {
  const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  uint32_t rgb = ColorToRGB(color_);
  if (!handle_ || made_for_ != static_cast<TColor>(rgb)) {
    handle_.reset(CreatePen(styles[style_], width_, rgb));
    made_for_ = static_cast<TColor>(rgb);
    if (!handle_) Raise(EOutOfResources("Out of system resources (pen)"));
  }
  return handle_.get();
}

// ---- TBrush

void TBrush::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  if (style_ == bsClear) style_ = bsSolid;  // giving a colour makes a hollow brush solid
  handle_.reset();
  Changed();
}

void TBrush::SetStyle(TBrushStyle s) {
  if (s == style_) return;
  style_ = s;
  handle_.reset();
  Changed();
}

void TBrush::Assign(const TBrush& o) {
  color_ = o.color_;
  style_ = o.style_;
  handle_.reset();
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  uint32_t rgb = ColorToRGB(color_);
  if (!handle_ || made_for_ != rgb) {
    const int hatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
    handle_.reset(style_ == bsSolid ? CreateSolidBrush(rgb) : CreateHatchBrush(hatches[style_], rgb));
    made_for_ = rgb;
    if (!handle_) Raise(EOutOfResources("Out of system resources (brush)"));
  }
  return handle_.get();
}

}  // namespace pp::toolkit
