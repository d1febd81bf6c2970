// The tab strip's arithmetic: laying out, scrolling to the end and placing every tab (what one
// paint of the strip asks), for the dialog's one tab and for longer strips. Compare the rows of
// one run with each other: the cost grows with the square of the tab count (each tab's place is
// the sum of the widths before it).
#include <benchmark/benchmark.h>

#include "controls/tabs/tab_metrics.h"

namespace {

using pp::controls::TabStripMetrics;

TabStripMetrics Strip(int n) {
  TabStripMetrics m;
  for (int i = 0; i < n; ++i) m.Tabs.push_back({40 + i % 30, true, false});
  m.TextHeight = 13;
  m.Width = m.CachedWidth = 300;
  m.CachedHeight = 200;
  m.Selected = n / 2;
  m.Layout();
  return m;
}

void BM_TabStripPaintRects(benchmark::State& state) {
  TabStripMetrics m = Strip(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    int sum = 0;
    for (int i = 0; i < m.Count(); ++i) sum += m.TabRect(i).Right;
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_TabStripPaintRects)->Arg(1)->Arg(7)->Arg(50);

void BM_TabStripScrollToEnd(benchmark::State& state) {
  TabStripMetrics m = Strip(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(m.ScrollTo(m.Count() - 1, true, 260));
}
BENCHMARK(BM_TabStripScrollToEnd)->Arg(1)->Arg(7)->Arg(50);

}  // namespace
