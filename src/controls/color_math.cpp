#include "controls/color_math.h"

#include <algorithm>
#include <cmath>

namespace pp::controls {

namespace {
int R(uint32_t c) { return c & 0xFF; }
int G(uint32_t c) { return (c >> 8) & 0xFF; }
int B(uint32_t c) { return (c >> 16) & 0xFF; }
uint32_t Pack(int r, int g, int b) { return static_cast<uint32_t>(r) | (g << 8) | (b << 16); }
uint8_t Byte(double x) { return static_cast<uint8_t>(std::clamp(RoundNearest(x), 0, 255)); }
}  // namespace

int RoundNearest(double x) { return static_cast<int>(std::nearbyint(x)); }  // default mode: ties to even

HSL RGBToHSL(uint32_t rgb, uint8_t hue_if_grey) {
  const double r = R(rgb) / 255.0, g = G(rgb) / 255.0, b = B(rgb) / 255.0;
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  const double l = (mx + mn) / 2;
  HSL out;
  out.H = hue_if_grey;
  if (mx == mn) {
    out.L = Byte(mn * 255);
    return out;
  }
  const double d = mx - mn;
  const double s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
  double h;
  if (r == mx) h = (g - b) / d;
  else if (g != mx) h = (r - g) / d + 4;
  else h = (b - r) / d + 2;
  h /= 6;
  if (h < 0) h += 1;
  out.H = Byte(h * 255);
  out.S = Byte(s * 255);
  out.L = Byte(l * 255);
  return out;
}

uint32_t HSLToRGB(uint8_t hb, uint8_t sb, uint8_t lb) {
  const double s = sb / 255.0;
  if (s == 0) return Pack(lb, lb, lb);
  const double l = lb / 255.0;
  const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
  const double m1 = 2 * l - m2;
  const double h = hb / 255.0;
  auto v = [&](double x) {
    if (x < 0) x += 1;
    if (x > 1) x -= 1;
    if (6 * x < 1) return m1 + (m2 - m1) * 6 * x;
    if (2 * x < 1) return m2;
    if (3 * x < 2) return m1 + (m2 - m1) * (2.0 / 3 - x) * 6;
    return m1;
  };
  return Pack(Byte(v(h + 1.0 / 3) * 255), Byte(v(h) * 255), Byte(v(h - 1.0 / 3) * 255));
}

uint32_t BlendRGB(uint32_t a, uint32_t b, double t) {
  auto ch = [t](int x, int y) { return std::clamp(x + RoundNearest(t * (y - x)), 0, 255); };
  return Pack(ch(R(a), R(b)), ch(G(a), G(b)), ch(B(a), B(b)));
}

}  // namespace pp::controls
