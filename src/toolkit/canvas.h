// A drawing surface over a device context the canvas does not own (a paint DC, a printing DC,
// a memory DC of a bitmap). Its font, pen and brush are selected into the DC for the length of
// each drawing call and the previous objects selected back, so that a canvas never leaves one
// of its handles inside a DC it is about to lose, and a changed font can be deleted at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/graphics.h"

namespace pp::toolkit {

class TBitmap;
class TIcon;

class TCanvas {
 public:
  TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas() = default;

  HDC Handle();            // asks CreateHandle when there is none
  void SetHandle(HDC dc);  // adopts a DC it does not own; nullptr lets it go
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }

  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  void RoundRect(int left, int top, int right, int bottom, int w, int h);
  void Ellipse(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  POINT PenPos();
  void Polyline(const std::vector<POINT>& points);
  void Polygon(const std::vector<POINT>& points);
  void DrawFocusRect(const RECT& r);

  // Text in the font's colour; the background is filled with the brush unless it is bsClear.
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const RECT& r, int x, int y, const std::string& text);  // clipped to r
  int DrawText(const std::string& text, RECT& r, UINT format);         // DrawTextA
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  void Draw(int x, int y, TBitmap& bitmap);  // honours the bitmap's transparency
  void Draw(int x, int y, TIcon& icon);
  void StretchDraw(const RECT& r, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& src);

  RECT ClipRect();

 protected:
  virtual void CreateHandle() {}

 private:
  friend class CanvasUse;
  HDC dc_ = nullptr;
  TFont font_;
  TPen pen_;
  TBrush brush_;
};

}  // namespace pp::toolkit
