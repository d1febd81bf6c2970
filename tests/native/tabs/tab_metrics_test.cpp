#include "controls/tabs/tab_metrics.h"

#include <gtest/gtest.h>

#include <vector>

namespace pp::controls {
namespace {

// A strip of tabs with the given caption widths in a 13-pixel font, laid out in a control of
// `width` x 200.
TabStripMetrics Strip(std::vector<int> captions, int width = 300, int selected = 0, int edge_top = 3) {
  TabStripMetrics m;
  for (int w : captions) m.Tabs.push_back({w, true, false});
  m.TextHeight = 13;
  m.PaneEdgeTop = edge_top;
  m.PaneEdgeBottom = edge_top == 2 ? 4 : 3;
  m.Width = m.CachedWidth = width;
  m.CachedHeight = 200;
  m.Selected = selected;
  m.Layout();
  return m;
}

TEST(TabStripLayout, StripHeightPaneTopAndPageAreaPerLook) {
  struct Case {
    const char* look;
    int edge_top;
    int pane_top;
  } cases[] = {{"classic", 3, 19}, {"luna", 2, 20}};
  for (const Case& c : cases) {
    TabStripMetrics m = Strip({97}, 121, 0, c.edge_top);  // one tab, "Data Bit Outputs"
    EXPECT_EQ(m.TabsRect.Height(), 21) << c.look;
    EXPECT_EQ(m.DisplayRect.Top, c.pane_top) << c.look;
    TabRectI client = m.ClientArea();
    EXPECT_EQ(client.Top, c.pane_top + 4) << c.look;
    EXPECT_EQ(client.Left, 4) << c.look;
    EXPECT_EQ(client.Right, 121 - 4) << c.look;
    EXPECT_EQ(client.Bottom, 200 - 4) << c.look;
  }
}

TEST(TabStripLayout, EmptyListHasAStripOfTwo) {
  TabStripMetrics m = Strip({}, 300, -1);
  EXPECT_EQ(m.TabsRect.Height(), 2);
  EXPECT_EQ(m.DisplayRect.Top, 0);
  EXPECT_FALSE(m.TabsOverflow());
  EXPECT_EQ(m.TabAtPoint(5, 1), -1);
  EXPECT_EQ(m.FindNextTab(-1, true, true), -1);
}

TEST(TabStripLayout, TabWidthFromCaptionAndImage) {
  struct Case {
    int caption;
    bool image;
    int expected;
  } cases[] = {{0, false, 42}, {29, false, 42}, {30, false, 42}, {31, false, 43}, {100, false, 112},
               {10, true, 42}, {20, true, 50}, {100, true, 130}};
  for (const Case& c : cases) {
    TabStripMetrics m = Strip({c.caption});
    m.ImageWidth = 16;
    m.ImageHeight = 16;
    m.Tabs[0].HasImage = c.image;
    EXPECT_EQ(m.TabWidth(0), c.expected) << "caption " << c.caption << (c.image ? " with image" : "");
  }
}

TEST(TabStripLayout, ImagesTallerThanTheFontSetTheHeight) {
  TabStripMetrics m = Strip({40, 40});
  m.ImageHeight = 20;
  m.Layout();
  EXPECT_EQ(m.TabsRect.Height(), 28);
  EXPECT_EQ(m.TabHeight(0), 28) << "selected";
  EXPECT_EQ(m.TabHeight(1), 26);
}

TEST(TabStripLayout, SelectedTabStandsOutUnselectedSitOnThePane) {
  TabStripMetrics m = Strip({40, 40, 40}, 300, 1);
  // Widths 52 each; tab 1 is selected.
  EXPECT_EQ(m.TabRect(0), (TabRectI{2, 2, 54, 19}));
  EXPECT_EQ(m.TabRect(1), (TabRectI{52, 0, 110, 21}));
  EXPECT_EQ(m.TabRect(2), (TabRectI{106, 2, 158, 19}));

  m.Position = tpBottom;
  m.Layout();
  EXPECT_EQ(m.TabsRect, (TabRectI{0, 178, 300, 200}));
  EXPECT_EQ(m.DisplayRect.Bottom, 180);
  EXPECT_EQ(m.TabRect(0), (TabRectI{2, 180, 54, 198}));
  EXPECT_EQ(m.TabRect(1), (TabRectI{52, 178, 110, 200}));
  EXPECT_EQ(m.ClientArea().Bottom, 176);
}

TEST(TabStripLayout, HiddenTabsTakeNoRoom) {
  TabStripMetrics m = Strip({40, 40, 40}, 300, 0);
  m.Tabs[1].Visible = false;
  m.Layout();
  EXPECT_EQ(m.TabWidth(1), 0);
  EXPECT_EQ(m.TabRect(1).Width(), 0);
  EXPECT_EQ(m.TabRect(2).Left, 54);
  EXPECT_EQ(m.VisiblePosition(2), 1);
  EXPECT_EQ(m.VisiblePosition(1), -1);
  EXPECT_EQ(m.AbsoluteIndex(1), 2);
  EXPECT_EQ(m.AbsoluteIndex(7), 2) << "past the end: the last visible tab";
  EXPECT_EQ(m.AbsoluteIndex(-1), -1);
}

TEST(TabStripHit, PointsAndTheFirstColumn) {
  TabStripMetrics m = Strip({40, 40, 40, 40}, 300, 2);
  struct Case {
    int first, x, y, expected;
  } cases[] = {
      {0, 10, 10, 0},  {0, 60, 10, 1},   {0, 1, 10, -1},    // before tab 0's left edge
      {0, 10, 1, -1},  {0, 110, 1, 2},                       // only the selected tab rises to the top
      {0, 10, 30, -1},                                       // in the pane
      {0, 0, 10, -1},                                        // first column, nothing scrolled out
      {2, 0, 10, 1},   {2, 0, 25, -1},                       // the scrolled-out tab; the pane below
      {2, 10, 10, 2},                                        // tab 2 is now first
  };
  for (const Case& c : cases) {
    m.FirstVisible = c.first;
    EXPECT_EQ(m.TabHitByClick(c.x, c.y), c.expected) << "first " << c.first << " at " << c.x << "," << c.y;
  }
}

TEST(TabStripScroll, ButtonsWhenTabsOverflow) {
  EXPECT_FALSE(Strip({40, 40}, 200).TabsOverflow());
  EXPECT_FALSE(Strip({40, 40}, 110).TabsOverflow()) << "104 <= 110 - 6";
  EXPECT_TRUE(Strip({40, 40}, 109).TabsOverflow());
  TabStripMetrics m = Strip({40, 40, 40}, 100);
  EXPECT_EQ(m.ScrollButtonBounds(), (TabRectI{66, 1, 100, 18})) << "two squares of strip height - 4";
}

TEST(TabStripScroll, NeverPastWhatShowsTheLastTab) {
  // Ten tabs of 52; the strip ends at 200 (buttons' left): from tab 7 on, 7..9 fit.
  TabStripMetrics m = Strip(std::vector<int>(10, 40), 240, 0);
  const int end = 200;
  struct Case {
    int from, to, expected;
  } cases[] = {{0, 1, 1}, {6, 7, 7}, {7, 8, 7}, {7, 9, 7}, {7, 100, 7}, {3, -5, 0}};
  for (const Case& c : cases) {
    m.FirstVisible = c.from;
    EXPECT_EQ(m.ScrollTo(c.to, false, end), c.expected) << c.from << " -> " << c.to;
  }
}

TEST(TabStripScroll, KeepingTheSelectedTabInView) {
  TabStripMetrics m = Strip(std::vector<int>(10, 40), 240, 5);
  const int end = 200;
  m.FirstVisible = 0;
  int first = m.ScrollTo(0, true, end);
  m.FirstVisible = first;
  EXPECT_LE(m.TabRect(5).Right, end) << "first " << first;
  EXPECT_GT(first, 0);
  m.Selected = 1;
  m.FirstVisible = 4;
  EXPECT_EQ(m.ScrollTo(4, true, end), 1) << "scrolled back to a selected tab left of the view";
  m.Selected = -1;
  m.FirstVisible = 0;
  EXPECT_EQ(m.ScrollTo(0, true, end), 0);
}

TEST(TabStripKeys, FindNextTabWrapsAndSkipsHiddenTabs) {
  TabStripMetrics m = Strip({40, 40, 40, 40});
  m.Tabs[2].Visible = false;
  struct Case {
    int start;
    bool forward, visible_only;
    int expected;
  } cases[] = {
      {0, true, true, 1},   {1, true, true, 3},   {3, true, true, 0},   // wraps to the first
      {0, false, true, 3},  {3, false, true, 1},  {1, true, false, 2},  // hidden ones when asked
      {-1, true, true, 0},  {-1, false, true, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(m.FindNextTab(c.start, c.forward, c.visible_only), c.expected)
        << c.start << (c.forward ? " forward" : " back") << (c.visible_only ? " visible" : " any");

  TabStripMetrics one = Strip({40});
  EXPECT_EQ(one.FindNextTab(0, true, true), -1) << "the walk came back to the start";
  EXPECT_EQ(one.FindNextTab(-1, true, true), 0);
  TabStripMetrics last_only = Strip({40, 40});
  last_only.Tabs[0].Visible = false;
  EXPECT_EQ(last_only.FindNextTab(-1, true, true), 1) << "nothing selected: the only visible tab is a candidate";
}

TEST(TabStripDetail, FamiliesAndStates) {
  TabStripMetrics m = Strip({40, 40, 40, 40}, 300, 1);
  m.Hot = 2;
  EXPECT_EQ(m.TabDetail(0), 27);
  EXPECT_EQ(m.TabDetail(1), 24) << "middle, selected";
  EXPECT_EQ(m.TabDetail(2), 23) << "middle, hot";
  EXPECT_EQ(m.TabDetail(3), 32);
  m.Tabs[3].Visible = false;
  EXPECT_EQ(m.TabDetail(2), 33) << "last visible, hot";

  TabStripMetrics one = Strip({97}, 121, 0);
  EXPECT_EQ(one.TabDetail(0), 39);
  one.Selected = -1;
  EXPECT_EQ(one.TabDetail(0), 37);
  one.Hot = 0;
  EXPECT_EQ(one.TabDetail(0), 38);
}

}  // namespace
}  // namespace pp::controls
