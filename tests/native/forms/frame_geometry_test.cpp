#include "forms/frame_geometry.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace pp::forms {

std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "{" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << "}";
}

namespace {

// A 13-pixel caption font: caption band 25, buttons 16 x 16.
const FrameMetrics kMetrics{4, CaptionHeightFor(13, 4), 13};

FrameInput Dialog(int w = 300, int h = 200) {
  return {.width = w, .height = h, .border = FrameBorder::Dialog, .system_menu = true, .help = true};
}

TEST(FrameGeometry, Metrics) {
  const std::pair<int, int> table[] = {{0, 4}, {1, 25}, {2, 13}, {3, 2}, {4, 6}, {5, 6}, {6, 3}, {7, 16},
                                       {8, 8}, {9, 4},  {10, 2}, {11, 0}, {-1, 0}, {128 + 1, 25}, {127, 0}};
  for (auto [index, value] : table) EXPECT_EQ(kMetrics.GetMetric(index), value) << "index " << index;
}

TEST(FrameGeometry, DialogWithHelp) {
  const FrameLayout l = LayoutFrame(kMetrics, Dialog());
  EXPECT_FALSE(l.show_icon);
  EXPECT_TRUE(l.show_close);
  EXPECT_TRUE(l.show_help);
  EXPECT_FALSE(l.show_pair);
  EXPECT_EQ(l.close, (Box{278, 6, 294, 22}));
  EXPECT_EQ(l.help, (Box{260, 6, 276, 22}));
  EXPECT_EQ(l.text, (Box{8, 8, 292, 21}));  // from 8 up to 8 before the right edge
  EXPECT_EQ(l.caption, (Box{0, 0, 300, 25}));
  EXPECT_EQ(l.client, (Box{4, 25, 296, 196}));
  FrameInput banded = Dialog();
  banded.border_width = 3;
  EXPECT_EQ(LayoutFrame(kMetrics, banded).client, (Box{7, 28, 293, 193}));
}

TEST(FrameGeometry, VisibilityRules) {
  struct Case {
    FrameBorder border;
    bool sys, min, max, help;
    bool icon, close, pair, help_shown;
  };
  using B = FrameBorder;
  const Case cases[] = {
      {B::Dialog, true, false, false, true, false, true, false, true},
      {B::Dialog, true, true, true, true, false, true, false, true},  // a dialog never shows the pair
      {B::Sizeable, true, true, true, true, true, true, true, false},  // help only without the pair
      {B::Single, true, true, false, false, true, true, true, false},
      {B::Single, true, false, false, true, true, true, false, true},
      {B::ToolWindow, true, true, true, false, true, true, false, false},
      {B::Sizeable, false, true, true, true, false, false, false, false},  // no system menu: nothing
  };
  for (const Case& c : cases) {
    FrameInput in{.width = 300, .height = 200, .border = c.border, .system_menu = c.sys, .minimize = c.min,
                  .maximize = c.max, .help = c.help};
    const FrameLayout l = LayoutFrame(kMetrics, in);
    const auto where = ::testing::Message() << "border " << int(c.border) << " sys " << c.sys << " min " << c.min
                                            << " max " << c.max << " help " << c.help;
    EXPECT_EQ(l.show_icon, c.icon) << where;
    EXPECT_EQ(l.show_close, c.close) << where;
    EXPECT_EQ(l.show_pair, c.pair) << where;
    EXPECT_EQ(l.show_help, c.help_shown) << where;
  }
}

TEST(FrameGeometry, TextStopsBeforeTheFirstShownButton) {
  FrameInput in{.width = 400, .height = 300, .border = FrameBorder::Sizeable, .system_menu = true, .minimize = true,
                .maximize = true};
  const FrameLayout l = LayoutFrame(kMetrics, in);
  EXPECT_EQ(l.icon, (Box{6, 6, 22, 22}));       // (25 + 4 - 16) / 2 = 6
  EXPECT_EQ(l.minimize, (Box{342, 6, 358, 22}));  // 400 - 6 - 48 - 4
  EXPECT_EQ(l.text, (Box{26, 8, 338, 21}));
  in.minimize = in.maximize = false;
  in.help = true;
  EXPECT_EQ(LayoutFrame(kMetrics, in).text.right, LayoutFrame(kMetrics, in).help.left - 4);
  in.help = false;
  EXPECT_EQ(LayoutFrame(kMetrics, in).text.right, LayoutFrame(kMetrics, in).close.left - 4);
}

TEST(FrameGeometry, HitTests) {
  FrameInput in{.width = 400, .height = 300, .border = FrameBorder::Single, .system_menu = true, .minimize = true,
                .maximize = true};
  const FrameLayout l = LayoutFrame(kMetrics, in);
  struct Case {
    int x, y, frame_hit;
    FrameButton button;
  };
  const Case cases[] = {
      {6, 6, fhSysMenu, fbNone},        {21, 21, fhSysMenu, fbNone},     {22, 6, 0, fbNone},
      {378, 6, fhClose, fbClose},        {393, 21, fhClose, fbClose},     {394, 6, 0, fbNone},
      {360, 10, fhMaxButton, fbMaximize}, {342, 10, fhMinButton, fbMinimize}, {341, 10, 0, fbNone},
      {376, 10, 0, fbNone},  // the gap between maximize and close
      {378, 22, 0, fbNone},  // below the buttons
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FrameHitTest(l, c.x, c.y), c.frame_hit) << c.x << "," << c.y;
    EXPECT_EQ(ButtonAt(l, c.x, c.y), c.button) << c.x << "," << c.y;
  }
  // The system's answer becomes a caption hit inside the band, sizing edges excepted.
  const std::pair<int, int> overrides[] = {{1 /*HTCLIENT*/, fhCaption}, {0, fhCaption}, {fhLeft, fhLeft},
                                           {fhTop, fhTop},   {fhTopRight, fhTopRight}, {15 /*HTBOTTOM*/, fhCaption}};
  for (auto [system, expected] : overrides) EXPECT_EQ(CaptionOverride(l, 100, 10, system), expected) << system;
  EXPECT_EQ(CaptionOverride(l, 100, 25, 1), 1) << "below the caption band";
}

TEST(FrameGeometry, ButtonStates) {
  FrameInput in{.border = FrameBorder::Single, .system_menu = true, .minimize = true, .maximize = false};
  EXPECT_EQ(ButtonState(fbClose, fbClose, fbClose, in), fbsPressed);
  EXPECT_EQ(ButtonState(fbClose, fbNone, fbClose, in), fbsHot);
  EXPECT_EQ(ButtonState(fbClose, fbHelp, fbHelp, in), fbsNormal);
  EXPECT_EQ(ButtonState(fbMaximize, fbMaximize, fbMaximize, in), fbsDisabled) << "without biMaximize";
  EXPECT_EQ(ButtonState(fbMinimize, fbMinimize, fbNone, in), fbsPressed);
  in.minimize = false;
  EXPECT_EQ(ButtonState(fbMinimize, fbNone, fbMinimize, in), fbsDisabled);
}

// The region as a set of pixels, to compare with the cut corners.
std::set<std::pair<int, int>> Pixels(const std::vector<Box>& boxes) {
  std::set<std::pair<int, int>> pixels;
  for (const Box& b : boxes)
    for (int y = b.top; y < b.bottom; ++y)
      for (int x = b.left; x < b.right; ++x) EXPECT_TRUE(pixels.insert({x, y}).second) << "overlap at " << x << "," << y;
  return pixels;
}

TEST(FrameGeometry, RegionCutsTheTopCorners) {
  const auto pixels = Pixels(FrameRegionBoxes(20, 8));
  const int cut[] = {5, 3, 2, 1, 1, 0, 0, 0};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 20; ++x)
      EXPECT_EQ(pixels.count({x, y}) == 1, x >= cut[y] && x < 20 - cut[y]) << x << "," << y;
  // Degenerate sizes make no negative or overlapping boxes.
  for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {1, 1}, {3, 2}, {9, 3}, {10, 5}}) {
    for (const Box& b : FrameRegionBoxes(w, h)) {
      EXPECT_GT(b.Width(), 0);
      EXPECT_GT(b.Height(), 0);
      EXPECT_LE(b.right, w);
      EXPECT_LE(b.bottom, h);
    }
    Pixels(FrameRegionBoxes(w, h));
  }
}

}  // namespace
}  // namespace pp::forms
