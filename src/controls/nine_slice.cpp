#include "controls/nine_slice.h"

namespace pp::controls {

namespace {
IRect XYWH(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
}  // namespace

std::array<SlicePart, 9> NineSliceParts(const IRect& d, const IRect& c, const IRect& s) {
  const int lw = c.Left, th = c.Top, rw = s.Width() - c.Right, bh = s.Height() - c.Bottom;
  const int cw = c.Right - c.Left, ch = c.Bottom - c.Top;
  const int dw = d.Width(), dh = d.Height();
  const int mid_w = dw - lw - rw, mid_h = dh - th - bh;
  return {{
      {XYWH(d.Left, d.Top, lw, th), XYWH(s.Left, s.Top, lw, th), true},
      {XYWH(d.Left, d.Top + th, lw, mid_h), XYWH(s.Left, s.Top + c.Top, lw, ch), false},
      {XYWH(d.Left, d.Bottom - bh, lw, bh), XYWH(s.Left, s.Top + c.Bottom, lw, bh), true},
      {XYWH(d.Left + lw, d.Top, mid_w, th), XYWH(s.Left + c.Left, s.Top, cw, th), false},
      {XYWH(d.Left + lw, d.Top + th, mid_w, mid_h), XYWH(s.Left + c.Left, s.Top + c.Top, cw, ch), false},
      {XYWH(d.Left + lw, d.Bottom - bh, mid_w, bh), XYWH(s.Left + c.Left, s.Top + c.Bottom, cw, bh), false},
      {XYWH(d.Right - rw, d.Top, rw, th), XYWH(s.Right - rw, s.Top, rw, th), true},
      {XYWH(d.Right - rw, d.Top + th, rw, mid_h), XYWH(s.Left + c.Right, s.Top + c.Top, rw, ch), false},
      {XYWH(d.Right - rw, d.Bottom - bh, rw, bh), XYWH(s.Left + c.Right, s.Top + c.Bottom, rw, bh), true},
  }};
}

}  // namespace pp::controls
