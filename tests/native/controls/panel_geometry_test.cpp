#include "controls/panel_geometry.h"

#include <gtest/gtest.h>

namespace pp::controls {
namespace {

TEST(PanelGeometry, TopShadowFractions) {
  const double expected[] = {0.0, 0.6, 0.8, 0.95};
  for (int row = 0; row < kTopShadowRows; ++row) EXPECT_DOUBLE_EQ(TopShadowFraction(row), expected[row]);
}

TEST(PanelGeometry, WaveLightnessFollowsTheSineAndFallsTwentyOverTheExtentClamped) {
  // i = 50 of 100: the sine term is 0, the fall is 10.
  EXPECT_EQ(WavyLightness(50, 100, 128), 118);
  // i = 0 of 100: 3 sin(-50) = 0.787..., no fall.
  EXPECT_EQ(WavyLightness(0, 100, 128), 129);
  EXPECT_EQ(WavyLightness(99, 100, 0), 0) << "clamped at 0";
  EXPECT_EQ(WavyLightness(0, 100, 255), 255) << "clamped at 255";
  EXPECT_EQ(WavyLightness(0, 0, 77), 77) << "an empty panel has no rows to fall over";
}

TEST(PanelGeometry, BitmapPlacement) {
  struct Case {
    int alignment, layout;
    bool stretch;
    PanelRect expected;
  };
  // A 20 x 10 bitmap on a 100 x 40 panel.
  const Case cases[] = {
      {0, 0, false, {0, 0, 20, 10}},
      {1, 1, false, {80, 15, 100, 25}},
      {2, 2, false, {40, 31, 60, 41}},  // tlBottom: its last row one below the client area
      {2, 2, true, {0, 0, 100, 40}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PanelBitmapRect(100, 40, 20, 10, c.alignment, c.layout, c.stretch), c.expected)
        << c.alignment << "/" << c.layout;
}

TEST(PanelGeometry, ChildAreaByKind) {
  const PanelRect client{0, 0, 200, 100};
  EXPECT_EQ(PanelChildArea(client, 0, epkGradient, 13), (PanelRect{0, 0, 200, 100}));
  EXPECT_EQ(PanelChildArea(client, 2, epkGradient, 13), (PanelRect{2, 2, 198, 98}));
  EXPECT_EQ(PanelChildArea(client, 2, epkBackground, 13), (PanelRect{5, 5, 195, 95}));
  // The title kind: children right of x = 67 and below the title's rule.
  EXPECT_EQ(PanelChildArea(client, 0, epkMSMoney, 13), (PanelRect{67, 27, 193, 93}));
  EXPECT_EQ(PanelChildArea(client, 4, epkMSMoney, 13), (PanelRect{71, 31, 189, 89}));
}

}  // namespace
}  // namespace pp::controls
