// Colour arithmetic in the hue/saturation/lightness model and blending.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "controls/color_math.h"
#include "controls/gradient_math.h"

namespace {

using namespace pp::controls;

constexpr uint32_t Rgb(int r, int g, int b) { return static_cast<uint32_t>(r | (g << 8) | (b << 16)); }

TEST(ColorMath, RGBToHSLExamples) {
  struct Case {
    uint32_t rgb;
    int h, s, l;
  };
  const Case cases[] = {
      {Rgb(255, 0, 0), 0, 255, 128},     // pure red: L = 127.5 rounds to even 128
      {Rgb(0, 255, 0), 85, 255, 128},
      {Rgb(0, 0, 255), 170, 255, 128},
      {Rgb(255, 255, 255), 0, 0, 255},
      {Rgb(0, 0, 0), 0, 0, 0},
  };
  for (const Case& c : cases) {
    const HSL hsl = RGBToHSL(c.rgb);
    EXPECT_EQ((std::array<int, 3>{hsl.H, hsl.S, hsl.L}), (std::array<int, 3>{c.h, c.s, c.l}))
        << "for colour " << std::hex << c.rgb;
  }
}

TEST(ColorMath, GreyKeepsTheGivenHue) {
  EXPECT_EQ(RGBToHSL(Rgb(200, 200, 200), 77).H, 77);
  EXPECT_EQ(RGBToHSL(Rgb(200, 200, 200), 77).L, 200);
}

TEST(ColorMath, HSLToRGBExamples) {
  struct Case {
    int h, s, l;
    uint32_t rgb;
  };
  const Case cases[] = {
      {0, 0, 200, Rgb(200, 200, 200)},  // no saturation: the grey of the lightness
      {0, 255, 128, Rgb(255, 1, 1)},    // l = 128/255 is just above one half
      {85, 255, 128, Rgb(1, 255, 1)},
      {170, 255, 128, Rgb(1, 1, 255)},
      {0, 255, 255, Rgb(255, 255, 255)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HSLToRGB(static_cast<uint8_t>(c.h), static_cast<uint8_t>(c.s), static_cast<uint8_t>(c.l)), c.rgb)
        << "for HSL " << c.h << "," << c.s << "," << c.l;
}

TEST(ColorMath, RoundTripComesBackClose) {
  for (uint32_t rgb : {Rgb(239, 235, 222), Rgb(49, 106, 197), Rgb(10, 200, 30), Rgb(128, 64, 32)}) {
    const HSL hsl = RGBToHSL(rgb);
    const uint32_t back = HSLToRGB(hsl.H, hsl.S, hsl.L);
    for (int shift = 0; shift < 24; shift += 8)
      EXPECT_LE(std::abs(static_cast<int>((back >> shift) & 0xFF) - static_cast<int>((rgb >> shift) & 0xFF)), 3)
          << std::hex << rgb << " came back as " << back;
  }
}

TEST(ColorMath, BlendEndsAndTiesToEven) {
  const uint32_t a = Rgb(10, 20, 30), b = Rgb(250, 21, 0);
  EXPECT_EQ(BlendRGB(a, b, 0.0), a);
  EXPECT_EQ(BlendRGB(a, b, 1.0), b);
  // 0.5 x 1 = 0.5 rounds to 0; 0.5 x -30 = -15; 0.5 x 240 = 120.
  EXPECT_EQ(BlendRGB(a, b, 0.5), Rgb(130, 20, 15));
  EXPECT_EQ(BlendRGB(Rgb(0, 0, 0), Rgb(3, 0, 0), 0.5), Rgb(2, 0, 0));  // 1.5 rounds to 2
}

TEST(GradientMath, LineRunsFromStartToEnd) {
  EXPECT_EQ(GradientLine(Rgb(1, 2, 3), Rgb(200, 100, 50), 1), std::vector<uint32_t>{Rgb(1, 2, 3)});
  EXPECT_TRUE(GradientLine(Rgb(1, 2, 3), Rgb(200, 100, 50), 0).empty());
  const std::vector<uint32_t> line = GradientLine(Rgb(0, 255, 0), Rgb(255, 0, 10), 5);
  const std::vector<uint32_t> expected = {Rgb(0, 255, 0), Rgb(64, 191, 2), Rgb(128, 127, 5), Rgb(191, 64, 8),
                                          Rgb(255, 0, 10)};
  EXPECT_EQ(line, expected);
}

}  // namespace
