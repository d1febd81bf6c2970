#include "controls/tabs/tab_metrics.h"

#include <algorithm>

namespace pp::controls {

int TabStripMetrics::TabHeight(int i) const {
  if (!IsTabVisible(i)) return 0;
  const int h = std::max(TextHeight, ImageHeight);
  return h + 6 + (i == Selected ? 2 : 0);
}

int TabStripMetrics::TabTop(int i) const {
  if (i < 0 || i >= Count()) return 0;
  int top = TabsRect.Top;
  if (Tabs[i].Visible && i != Selected && Position == tpTop) top += 2;
  return top;
}

int TabStripMetrics::TabWidth(int i) const {
  if (!IsTabVisible(i)) return 0;
  int w = Tabs[i].CaptionWidth;
  if (ImageWidth > 0 && Tabs[i].HasImage) w += ImageWidth + 2;
  return w < 30 ? 42 : w + 12;
}

int TabStripMetrics::TabLeft(int i) const {
  if (i < 0 || i >= Count()) return 0;
  int x = 0;
  for (int j = 0; j < i; ++j) x += TabWidth(j);
  return x;
}

void TabStripMetrics::Layout() {
  DisplayRect = {0, 0, CachedWidth, CachedHeight};
  TabsRect = {};
  int b = 0;
  for (int i = 0; i < Count(); ++i) b = std::max(b, TabTop(i) + TabHeight(i));
  if (Tabs.empty()) b = 2;
  if (Position == tpTop) {
    TabsRect = {0, 0, Width, b};
    DisplayRect.Top = b - (PaneEdgeTop - 1);
  } else {
    TabsRect = {0, DisplayRect.Bottom - b - 1, Width, DisplayRect.Bottom};
    DisplayRect.Bottom = TabsRect.Top + (PaneEdgeBottom - 1);
  }
}

TabRectI TabStripMetrics::ClientArea() const {
  return {DisplayRect.Left + 4, DisplayRect.Top + 4, DisplayRect.Right - 4, DisplayRect.Bottom - 4};
}

TabRectI TabStripMetrics::TabRect(int i) const {
  if (i < FirstVisible || !IsTabVisible(i)) return {};  // a hidden tab has no place, selected or not
  int x = TabLeft(i) - TabLeft(FirstVisible);
  if (i != Selected) x += 2;
  TabRectI r{x, TabTop(i), x + TabWidth(i), TabsRect.Bottom};
  if (i == Selected) {
    r.Right += 6;
  } else if (Position == tpTop) {
    r.Bottom = DisplayRect.Top;
  } else {
    r.Top = DisplayRect.Bottom;
    r.Bottom -= 2;
  }
  return r;
}

int TabStripMetrics::TabAtPoint(int x, int y) const {
  for (int i = 0; i < Count(); ++i)
    if (TabRect(i).Contains(x, y)) return i;
  return -1;
}

int TabStripMetrics::TabHitByClick(int x, int y) const {
  if (x == 0 && y >= TabsRect.Top && y < TabsRect.Bottom) return FirstVisible - 1;
  return TabAtPoint(x, y);
}

TabRectI TabStripMetrics::ScrollButtonBounds() const {
  const int s = TabsRect.Height() - 4;
  return {Width - 2 * s, TabsRect.Top + 1, Width, TabsRect.Top + 1 + s};
}

bool TabStripMetrics::TabsOverflow() const {
  if (Tabs.empty()) return false;
  const int last = Count() - 1;
  return Width - 6 < TabLeft(last) + TabWidth(last);
}

int TabStripMetrics::ScrollTo(int a, bool keep_selected, int strip_end) const {
  const int last = Count() - 1;
  a = std::clamp(a, 0, std::max(last, 0));
  TabStripMetrics probe = *this;  // TabRect depends on FirstVisible
  if (keep_selected && Selected >= 0 && FirstVisible > Selected) return Selected;
  probe.FirstVisible = a;
  int k = a;
  while (probe.FirstVisible > 0 && probe.TabRect(last).Right <= strip_end) {
    k = probe.FirstVisible;
    --probe.FirstVisible;
  }
  probe.FirstVisible = k;
  if (keep_selected && Selected >= 0 && Selected < Count()) {
    while (k < Selected) {
      TabRectI r = probe.TabRect(Selected);
      if (!(r.Right > strip_end && r.Width() < strip_end)) break;
      ++k;
      probe.FirstVisible = k;
    }
  }
  return k;
}

int TabStripMetrics::FindNextTab(int start, bool forward, bool visible_only) const {
  const int n = Count();
  if (n == 0) return -1;
  // With nothing selected the walk starts just outside the list, so that every tab is a
  // candidate (the start position itself included).
  const bool from_outside = start < 0 || start >= n;
  if (from_outside) start = forward ? n - 1 : 0;
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i - 1 + n) % n;
    if (i == start && !from_outside) return -1;
    if (!visible_only || Tabs[i].Visible) return i;
  }
  return -1;
}

int TabStripMetrics::VisiblePosition(int i) const {
  if (!IsTabVisible(i)) return -1;
  int v = 0;
  for (int j = 0; j < i; ++j) v += Tabs[j].Visible ? 1 : 0;
  return v;
}

int TabStripMetrics::AbsoluteIndex(int v) const {
  if (v < 0) return -1;
  int last = -1;
  for (int i = 0; i < Count(); ++i) {
    if (!Tabs[i].Visible) continue;
    if (v-- == 0) return i;
    last = i;
  }
  return last;  // past the end: the last visible tab, as an absolute index past the end would be
}

int TabStripMetrics::VisibleCount() const {
  return static_cast<int>(std::count_if(Tabs.begin(), Tabs.end(), [](const TabInfo& t) { return t.Visible; }));
}

int TabStripMetrics::TabDetail(int i) const {
  bool first = true, last = true;
  for (int j = 0; j < i && j < Count(); ++j) first = first && !Tabs[j].Visible;
  for (int j = i + 1; j < Count(); ++j) last = last && !Tabs[j].Visible;
  const int base = first && last ? kTabDetailBoth : first ? kTabDetailLeft : last ? kTabDetailRight : kTabDetailMiddle;
  if (i == Selected) return base + 2;
  if (i == Hot) return base + 1;
  return base;
}

}  // namespace pp::controls
