// A small software canvas for drawing the control images: straight-alpha RGBA pixels, shapes
// filled with 4 x 4 supersampled coverage so that rounded corners and diagonal strokes come
// out smooth.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace pp::imagegen {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;  // 0..1, straight alpha
};

constexpr Rgba RGB8(int r, int g, int b, float a = 1) { return {r / 255.f, g / 255.f, b / 255.f, a}; }
Rgba Mix(Rgba x, Rgba y, float t);  // t = 0 gives x
Rgba WithAlpha(Rgba c, float a);

using Inside = std::function<bool(float x, float y)>;
using Paint = std::function<Rgba(float x, float y)>;

class Raster {
 public:
  Raster(int width, int height);
  int Width() const { return w_; }
  int Height() const { return h_; }
  Rgba Get(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
  void Set(int x, int y, Rgba c) { px_[static_cast<size_t>(y) * w_ + x] = c; }
  // Source-over of colour c with the given coverage (0..1).
  void Blend(int x, int y, Rgba c, float coverage);
  // Every pixel's coverage by `inside` (sampled 4 x 4 per pixel), painted with `paint` at the
  // pixel's centre.
  void Fill(const Inside& inside, const Paint& paint);
  void Fill(const Inside& inside, Rgba c) {
    Fill(inside, [c](float, float) { return c; });
  }
  // Copies `src` with its top-left at (dx, dy).
  void Paste(const Raster& src, int dx, int dy);
  // 0xAARRGGBB values, straight alpha, top row first.
  std::vector<uint32_t> Pixels() const;

 private:
  int w_, h_;
  std::vector<Rgba> px_;
};

// Shapes in pixel coordinates (a pixel's centre is at x + 0.5).
Inside RoundRect(float l, float t, float r, float b, float radius);
// The ring between a rounded rectangle and the same one shrunk by `width`.
Inside RoundRectRing(float l, float t, float r, float b, float radius, float width);
Inside Segment(float x0, float y0, float x1, float y1, float half_width);
Inside Union(Inside a, Inside b);
Inside Minus(Inside a, Inside b);
// A vertical gradient from `top` at y0 to `bottom` at y1.
Paint VGradient(Rgba top, Rgba bottom, float y0, float y1);

}  // namespace pp::imagegen
