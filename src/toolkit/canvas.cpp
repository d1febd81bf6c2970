#include "toolkit/canvas.h"

#include <optional>

#include "toolkit/bitmap.h"
#include "toolkit/errors.h"

namespace pp::toolkit {

enum CanvasNeeds { kFont = 1, kPen = 2, kBrush = 4 };

// Selects what one drawing call needs into the DC and puts the DC back as it was.
class CanvasUse {
 public:
  CanvasUse(TCanvas& c, int needs) : dc_(c.Handle()) {
    if (needs & kFont) {
      font_.emplace(dc_, c.font_.Handle());
      old_text_ = SetTextColor(dc_, ColorToRGB(c.font_.Color()));
      bool clear = c.brush_.Style() == bsClear;
      old_mode_ = SetBkMode(dc_, clear ? TRANSPARENT : OPAQUE);
      old_bk_ = SetBkColor(dc_, ColorToRGB(c.brush_.Color()));
    }
    if (needs & kPen) pen_.emplace(dc_, c.pen_.Handle());
    if (needs & kBrush) brush_.emplace(dc_, c.brush_.Handle());
    restore_text_ = needs & kFont;
  }
  ~CanvasUse() {
    if (restore_text_) {
      SetTextColor(dc_, old_text_);
      SetBkMode(dc_, old_mode_);
      SetBkColor(dc_, old_bk_);
    }
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  std::optional<SelectedObject> font_, pen_, brush_;
  bool restore_text_ = false;
  COLORREF old_text_ = 0, old_bk_ = 0;
  int old_mode_ = 0;
};

TCanvas::TCanvas() { brush_.SetColor(clWhite); }

HDC TCanvas::Handle() {
  if (!dc_) CreateHandle();
  if (!dc_) Raise(EInvalidOperation("Canvas does not allow drawing"));
  return dc_;
}

void TCanvas::SetHandle(HDC dc) { dc_ = dc; }

void TCanvas::FillRect(const RECT& r) {
  if (brush_.Style() == bsClear) return;
  ::FillRect(Handle(), &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) { ::FrameRect(Handle(), &r, brush_.Handle()); }

void TCanvas::Rectangle(int l, int t, int r, int b) {
  CanvasUse u(*this, kPen | kBrush);
  ::Rectangle(u.dc(), l, t, r, b);
}

void TCanvas::RoundRect(int l, int t, int r, int b, int w, int h) {
  CanvasUse u(*this, kPen | kBrush);
  ::RoundRect(u.dc(), l, t, r, b, w, h);
}

void TCanvas::Ellipse(int l, int t, int r, int b) {
  CanvasUse u(*this, kPen | kBrush);
  ::Ellipse(u.dc(), l, t, r, b);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  CanvasUse u(*this, kPen);
  ::LineTo(u.dc(), x, y);
}

POINT TCanvas::PenPos() {
  POINT p{};
  GetCurrentPositionEx(Handle(), &p);
  return p;
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  if (points.empty()) return;
  CanvasUse u(*this, kPen);
  ::Polyline(u.dc(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  if (points.empty()) return;
  CanvasUse u(*this, kPen | kBrush);
  ::Polygon(u.dc(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::DrawFocusRect(const RECT& r) { ::DrawFocusRect(Handle(), &r); }

void TCanvas::TextOut(int x, int y, const std::string& text) {
  CanvasUse u(*this, kFont);
  ::TextOutA(u.dc(), x, y, text.data(), static_cast<int>(text.size()));
  MoveToEx(u.dc(), x + TextExtent(text).cx, y, nullptr);
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& text) {
  CanvasUse u(*this, kFont);
  UINT options = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutA(u.dc(), x, y, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, RECT& r, UINT format) {
  CanvasUse u(*this, kFont);
  return ::DrawTextA(u.dc(), text.data(), static_cast<int>(text.size()), &r, format);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  CanvasUse u(*this, kFont);
  SIZE s{};
  GetTextExtentPoint32A(u.dc(), text.data(), static_cast<int>(text.size()), &s);
  return s;
}

TColor TCanvas::Pixel(int x, int y) { return static_cast<TColor>(GetPixel(Handle(), x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Handle(), x, y, ColorToRGB(color)); }

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  HDC dc = Handle();
  TCanvas& src = bitmap.Canvas();
  HDC sdc = src.Handle();
  if (bitmap.Transparent())
    TransparentBlt(dc, x, y, bitmap.Width(), bitmap.Height(), sdc, 0, 0, bitmap.Width(), bitmap.Height(),
                   ColorToRGB(bitmap.TransparentColor()));
  else
    BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), sdc, 0, 0, SRCCOPY);
}

void TCanvas::Draw(int x, int y, TIcon& icon) { icon.Draw(Handle(), x, y); }

void TCanvas::StretchDraw(const RECT& r, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  HDC dc = Handle();
  HDC sdc = bitmap.Canvas().Handle();
  int old = SetStretchBltMode(dc, COLORONCOLOR);
  if (bitmap.Transparent())
    TransparentBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, sdc, 0, 0, bitmap.Width(),
                   bitmap.Height(), ColorToRGB(bitmap.TransparentColor()));
  else
    StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, sdc, 0, 0, bitmap.Width(),
               bitmap.Height(), SRCCOPY);
  SetStretchBltMode(dc, old);
}

void TCanvas::CopyRect(const RECT& d, TCanvas& source, const RECT& s) {
  StretchBlt(Handle(), d.left, d.top, d.right - d.left, d.bottom - d.top, source.Handle(), s.left, s.top,
             s.right - s.left, s.bottom - s.top, SRCCOPY);
}

RECT TCanvas::ClipRect() {
  RECT r{};
  GetClipBox(Handle(), &r);
  return r;
}

}  // namespace pp::toolkit
