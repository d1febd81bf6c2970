// Repeated timing under Windows of the gradient fill's fallback (one line set pixel by pixel,
// then block copies): its cost must follow the line's length (the width when horizontal, the
// height when vertical), not the area. Each size is reported against the 100 x 100 fill of the
// same direction, in one process.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "controls/draw_helpers.h"
#include "surface.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Median microseconds of one fill, over 7 rounds.
double FillMicroseconds(HDC dc, int w, int h, bool horizontal) {
  const int calls = 20;
  std::vector<double> rounds;
  for (int r = 0; r < 7; ++r) {
    const double start = Now();
    for (int i = 0; i < calls; ++i)
      pp::controls::FillGradientRect(dc, {0, 0, w, h}, RGB(255, 255, 255), horizontal, RGB(49, 106, 197));
    GdiFlush();
    rounds.push_back((Now() - start) * 1e6 / calls);
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

}  // namespace

int main() {
  pp::controls::StartDrawHelpers();
  pp::controls::UseSystemGradientFill(false);
  pp::gallery::Surface surface(1000, 1000);
  for (bool horizontal : {true, false}) {
    const double base = FillMicroseconds(surface.dc(), 100, 100, horizontal);
    std::printf("  gradient fallback, %s: 100 x 100 %.0f us", horizontal ? "horizontal" : "vertical", base);
    for (SIZE s : {SIZE{100, 1000}, SIZE{1000, 100}}) {
      const double t = FillMicroseconds(surface.dc(), s.cx, s.cy, horizontal);
      std::printf("; %ld x %ld %.0f us (ratio %.2f)", s.cx, s.cy, t, t / base);
    }
    std::printf("\n");
  }
  pp::controls::EndDrawHelpers();
  return 0;
}
