#include "controls/panel_geometry.h"

#include <cmath>

namespace pp::controls {

double TopShadowFraction(int row) {
  static const double kFractions[kTopShadowRows] = {0.0, 0.6, 0.8, 0.95};
  return row >= 0 && row < kTopShadowRows ? kFractions[row] : 1.0;
}

int WavyLightness(int i, int extent, int lightness) {
  if (extent <= 0) return lightness;
  const double l = 3.0 * std::sin(i - extent / 2.0) + lightness - (20.0 * i) / extent;
  if (l < 0) return 0;
  if (l > 255) return 255;
  return static_cast<int>(std::nearbyint(l));  // ties to even in the default rounding mode
}

PanelRect PanelBitmapRect(int cw, int ch, int bw, int bh, int alignment, int layout, bool stretch) {
  if (stretch) return {0, 0, cw, ch};
  const int x = alignment == 1 ? cw - bw : alignment == 2 ? (cw - bw) / 2 : 0;
  const int y = layout == 1 ? (ch - bh) / 2 : layout == 2 ? ch - bh + 1 : 0;
  return {x, y, x + bw, y + bh};
}

PanelRect PanelChildArea(PanelRect r, int border_width, TXPExtPanelKind kind, int title_text_height) {
  auto shrink = [&r](int by) {
    r.left += by;
    r.top += by;
    r.right -= by;
    r.bottom -= by;
  };
  shrink(border_width);
  if (kind == epkBackground) shrink(3);
  if (kind == epkMSMoney) {
    shrink(7);
    r.left += 60;
    r.top += title_text_height + 7;
  }
  return r;
}

}  // namespace pp::controls
