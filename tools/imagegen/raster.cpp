#include "raster.h"

#include <algorithm>
#include <cmath>

namespace pp::imagegen {

Rgba Mix(Rgba x, Rgba y, float t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Rgba WithAlpha(Rgba c, float a) {
  c.a = a;
  return c;
}

Raster::Raster(int width, int height) : w_(width), h_(height), px_(static_cast<size_t>(width) * height) {}

void Raster::Blend(int x, int y, Rgba c, float coverage) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  Rgba& d = px_[static_cast<size_t>(y) * w_ + x];
  const float sa = std::clamp(c.a * coverage, 0.f, 1.f);
  const float oa = sa + d.a * (1 - sa);
  if (oa <= 0) {
    d = {};
    return;
  }
  d.r = (c.r * sa + d.r * d.a * (1 - sa)) / oa;
  d.g = (c.g * sa + d.g * d.a * (1 - sa)) / oa;
  d.b = (c.b * sa + d.b * d.a * (1 - sa)) / oa;
  d.a = oa;
}

void Raster::Fill(const Inside& inside, const Paint& paint) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
      if (hits) Blend(x, y, paint(x + 0.5f, y + 0.5f), hits / 16.f);
    }
}

void Raster::Paste(const Raster& src, int dx, int dy) {
  for (int y = 0; y < src.h_; ++y)
    for (int x = 0; x < src.w_; ++x)
      if (dx + x >= 0 && dy + y >= 0 && dx + x < w_ && dy + y < h_) Set(dx + x, dy + y, src.Get(x, y));
}

std::vector<uint32_t> Raster::Pixels() const {
  std::vector<uint32_t> out;
  out.reserve(px_.size());
  auto byte = [](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.f, 1.f) * 255)); };
  for (const Rgba& p : px_) {
    const uint32_t a = byte(p.a);
    out.push_back(a == 0 ? 0 : (a << 24) | (byte(p.r) << 16) | (byte(p.g) << 8) | byte(p.b));
  }
  return out;
}

Inside RoundRect(float l, float t, float r, float b, float radius) {
  return [=](float x, float y) {
    if (x < l || x > r || y < t || y > b) return false;
    const float cx = std::clamp(x, l + radius, r - radius), cy = std::clamp(y, t + radius, b - radius);
    const float dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
  };
}

Inside RoundRectRing(float l, float t, float r, float b, float radius, float width) {
  return Minus(RoundRect(l, t, r, b, radius),
               RoundRect(l + width, t + width, r - width, b - width, std::max(0.f, radius - width)));
}

Inside Segment(float x0, float y0, float x1, float y1, float hw) {
  return [=](float x, float y) {
    const float vx = x1 - x0, vy = y1 - y0;
    const float len2 = vx * vx + vy * vy;
    float t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0;
    t = std::clamp(t, 0.f, 1.f);
    const float dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
    return dx * dx + dy * dy <= hw * hw;
  };
}

Inside Union(Inside a, Inside b) {
  return [a, b](float x, float y) { return a(x, y) || b(x, y); };
}

Inside Minus(Inside a, Inside b) {
  return [a, b](float x, float y) { return a(x, y) && !b(x, y); };
}

Paint VGradient(Rgba top, Rgba bottom, float y0, float y1) {
  return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.f, 1.f)); };
}

}  // namespace pp::imagegen
