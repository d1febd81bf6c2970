#include "controls_fixture.h"

#include <cstdio>

#include "toolkit/handles.h"

namespace pp::controls::testing {

using namespace pp::toolkit;

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void PatternControl::Paint() {
  ++paints;
  HDC dc = Canvas().Handle();
  RECT r = ClientRect();
  RECT left = {0, 0, r.right / 2, r.bottom}, right = {r.right / 2, 0, r.right, r.bottom}, square = {2, 2, 6, 6};
  UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255))),
      lime(CreateSolidBrush(RGB(0, 255, 0)));
  FillRect(dc, &left, red.get());
  FillRect(dc, &right, blue.get());
  FillRect(dc, &square, lime.get());
}

void PatternControl::SmoothDrawChanged() {
  ++smooth_changes;
  TXPCustomControl::SmoothDrawChanged();
}

void PatternControl::Dispatch(TMessage& m) {
  if (m.Msg == WM_NCPAINT) {
    DefaultHandler(m);
    WholeWindowDC dc(Handle());
    RECT w;
    GetWindowRect(Handle(), &w);
    RECT all = {0, 0, w.right - w.left, w.bottom - w.top};
    UniqueBrush yellow(CreateSolidBrush(RGB(255, 255, 0)));
    for (int i = 0; i < 2; ++i) {
      FrameRect(dc.get(), &all, yellow.get());
      InflateRect(&all, -1, -1);
    }
    return;
  }
  TXPCustomControl::Dispatch(m);
}

bool SamePixels(const Surface& a, const Surface& b, std::string* where) {
  GdiFlush();
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) {
        char text[96];
        std::snprintf(text, sizeof text, "at %d,%d expected %06X, got %06X", x, y, a.Pixel(x, y), b.Pixel(x, y));
        if (where) *where = text;
        return false;
      }
  return true;
}

}  // namespace pp::controls::testing
