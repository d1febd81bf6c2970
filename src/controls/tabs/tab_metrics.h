// Tab strip arithmetic: where each tab of a themed tab control lies, how high the strip is,
// where the pane begins, which tab a point hits, how far the strip scrolls and which tab the
// keyboard moves to. Plain numbers in, plain numbers out: the control fills a TabStripMetrics
// with what it measured (caption widths, font height, look margins) and its state.
#pragma once

#include <vector>

namespace pp::controls {

enum TWinXPTabPosition { tpTop, tpBottom };

struct TabRectI {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  friend bool operator==(const TabRectI&, const TabRectI&) = default;
};

struct TabInfo {
  int CaptionWidth = 0;  // in the strip's font
  bool Visible = true;
  bool HasImage = false;  // an image is reserved beside the caption
};

// The tab theme's item states: a family per position in the strip (middle, left edge, right
// edge, the only tab), each with normal, hot and selected.
constexpr int kTabDetailMiddle = 22, kTabDetailLeft = 27, kTabDetailRight = 32, kTabDetailBoth = 37;

struct TabStripMetrics {
  // Measured by the control.
  std::vector<TabInfo> Tabs;
  int TextHeight = 0;                 // the font's text height
  int ImageWidth = 0, ImageHeight = 0;  // 0 without an image list
  int PaneEdgeTop = 3, PaneEdgeBottom = 3;  // the look's pane margins
  int Width = 0;                      // the control's width (the strip spans it)
  int CachedWidth = 0, CachedHeight = 0;  // the window size last proposed to it
  TWinXPTabPosition Position = tpTop;
  // State.
  int Selected = -1;      // absolute index of the selected tab, -1 none
  int FirstVisible = 0;   // leftmost tab shown
  int Hot = -1;
  // Set by Layout.
  TabRectI TabsRect, DisplayRect;

  int Count() const { return static_cast<int>(Tabs.size()); }
  bool IsTabVisible(int i) const { return i >= 0 && i < Count() && Tabs[i].Visible; }

  int TabHeight(int i) const;
  int TabTop(int i) const;
  int TabWidth(int i) const;
  int TabLeft(int i) const;

  // The strip and the pane from the window size.
  void Layout();
  // The area the pages get: the pane inset by 4 on every side.
  TabRectI ClientArea() const;
  TabRectI TabRect(int i) const;
  int TabAtPoint(int x, int y) const;
  // The tab a click hits: a click on the strip's very first column takes the tab scrolled out
  // to the left (none when nothing is scrolled out).
  int TabHitByClick(int x, int y) const;

  // Scroll buttons: a pair of squares at the right end of the strip.
  TabRectI ScrollButtonBounds() const;
  // Whether the tabs, laid out from the first, run past the control's right edge (less 6).
  bool TabsOverflow() const;
  // Where the visible part of the strip ends.
  int StripEnd(bool buttons_visible, int buttons_left) const { return buttons_visible ? buttons_left : Width; }
  // The first visible tab after scrolling to `a`: never further than needed to show the last
  // tab; with keep_selected the selected tab is brought into view.
  int ScrollTo(int a, bool keep_selected, int strip_end) const;

  // The next tab from `start` (wrapping), visible ones only when asked; -1 when none.
  int FindNextTab(int start, bool forward, bool visible_only) const;
  // The position of absolute tab `i` among the visible tabs, -1 when none.
  int VisiblePosition(int i) const;
  // The absolute index of the v-th visible tab; past the end the last visible one; -1 for v < 0.
  int AbsoluteIndex(int v) const;
  int VisibleCount() const;
  int TabDetail(int i) const;
};

}  // namespace pp::controls
