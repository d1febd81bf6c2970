// Where a glyph and its caption go inside a control.
#include <gtest/gtest.h>

#include "controls/glyph_layout.h"
#include "controls/nine_slice.h"

namespace {

using namespace pp::controls;

TEST(GlyphLayout, Placements) {
  struct Case {
    const char* what;
    IRect client;
    int gw, gh, tw, th;
    TButtonLayout layout;
    int margin, spacing;
    IPoint glyph;
    IRect text;
  };
  const Case cases[] = {
      {"nothing at all, shared margin", {0, 0, 75, 25}, 0, 0, 0, 0, blGlyphLeft, -1, 4, {37, 13}, {37, 12, 37, 12}},
      {"check box style", {0, 0, 120, 17}, 13, 13, 50, 13, blGlyphLeft, 0, 3, {0, 2}, {16, 2, 66, 15}},
      {"client offset moves both", {10, 20, 130, 37}, 13, 13, 50, 13, blGlyphLeft, 0, 3, {10, 22}, {26, 22, 76, 35}},
      {"glyph right", {0, 0, 100, 20}, 16, 16, 40, 14, blGlyphRight, 4, 2, {80, 2}, {38, 3, 78, 17}},
      {"glyph top, centred block", {0, 0, 60, 60}, 16, 16, 30, 14, blGlyphTop, -1, -1, {22, 10}, {15, 36, 45, 50}},
      {"glyph bottom, spacing shared", {0, 0, 60, 60}, 16, 16, 30, 14, blGlyphBottom, 5, -1, {22, 39}, {15, 13, 45, 27}},
      {"margin shared, spacing fixed", {0, 0, 100, 20}, 16, 16, 40, 14, blGlyphLeft, -1, 4, {20, 2}, {40, 3, 80, 17}},
  };
  for (const Case& c : cases) {
    const GlyphPlacement p = PlaceGlyph(c.client, c.gw, c.gh, c.tw, c.th, c.layout, c.margin, c.spacing);
    EXPECT_EQ(p.Glyph, c.glyph) << c.what << ": expected glyph at " << c.glyph.X << "," << c.glyph.Y << ", got "
                                << p.Glyph.X << "," << p.Glyph.Y;
    EXPECT_EQ(p.TextBounds, c.text) << c.what << ": got text " << p.TextBounds.Left << "," << p.TextBounds.Top << ","
                                    << p.TextBounds.Right << "," << p.TextBounds.Bottom;
  }
}

TEST(GlyphLayout, CaptionIsMeasuredBesideTheGlyph) {
  const IRect client{0, 0, 100, 50};
  EXPECT_EQ(CaptionMeasureRect(client, 16, 16, blGlyphLeft, 4), (IRect{0, 0, 80, 50}));
  EXPECT_EQ(CaptionMeasureRect(client, 16, 16, blGlyphBottom, -1), (IRect{0, 0, 100, 34}));
  EXPECT_EQ(CaptionMeasureRect(client, 0, 16, blGlyphLeft, 4), client);  // no glyph, nothing taken
}

TEST(NineSlice, PartsAtSourceSizeAreTheSourceAndTileTheDestination) {
  const IRect s{0, 21, 30, 42};  // frame 1 of a 30 x 21 frame image
  const IRect c{4, 5, 26, 16};
  const IRect d{100, 200, 130, 221};
  const auto parts = NineSliceParts(d, c, s);
  long area = 0;
  for (const SlicePart& p : parts) {
    EXPECT_EQ(p.Dest.Width(), p.Source.Width());
    EXPECT_EQ(p.Dest.Height(), p.Source.Height());
    EXPECT_EQ(p.Dest.Left - d.Left, p.Source.Left - s.Left);
    EXPECT_EQ(p.Dest.Top - d.Top, p.Source.Top - s.Top);
    area += static_cast<long>(p.Dest.Width()) * p.Dest.Height();
  }
  EXPECT_EQ(area, 30L * 21);
  // Larger: corners keep their size, the parts still cover the destination exactly.
  const IRect big{0, 0, 200, 90};
  area = 0;
  for (const SlicePart& p : NineSliceParts(big, c, s)) {
    if (p.Corner) {
      EXPECT_EQ(p.Dest.Width() * p.Dest.Height(), p.Source.Width() * p.Source.Height());
    }
    area += static_cast<long>(p.Dest.Width()) * p.Dest.Height();
  }
  EXPECT_EQ(area, 200L * 90);
  EXPECT_EQ(parts[8].Dest, (IRect{126, 216, 130, 221}));  // bottom-right last
}

}  // namespace
