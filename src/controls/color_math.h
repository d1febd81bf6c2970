// Colour arithmetic on plain RGB values (0x00BBGGRR, as COLORREF holds them): the hue,
// saturation, lightness model with every component a byte, and linear blending. Rounding is to
// the nearest integer with ties to even, so results match across compilers and builds.
#pragma once

#include <cstdint>

namespace pp::controls {

struct HSL {
  uint8_t H = 0, S = 0, L = 0;
};

// For a grey (no hue) H is left as `hue_if_grey` gives it.
HSL RGBToHSL(uint32_t rgb, uint8_t hue_if_grey = 0);
uint32_t HSLToRGB(uint8_t h, uint8_t s, uint8_t l);
// Each channel a + nearest(t x (b - a)); t = 0 gives a, t = 1 gives b.
uint32_t BlendRGB(uint32_t a, uint32_t b, double t);

// Round half to even.
int RoundNearest(double x);

}  // namespace pp::controls
