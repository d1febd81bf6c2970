#include "forms/frame_geometry.h"

#include <algorithm>

namespace pp::forms {

int FrameMetrics::GetMetric(int index) const {
  switch (index & 0x7F) {
    case 0: return frame_width;
    case 1: return caption_height;
    case 2: return caption_text_height;
    case 3: return 2;   // between caption buttons
    case 4: return 6;   // close button to the right edge
    case 5: return 6;   // above the caption buttons
    case 6: return 3;   // below them
    case 7: return 16;  // icon size
    case 8: return 8;   // text indent without an icon
    case 9: return 4;   // icon to text, text to the first button
    case 10: return 2;  // icon indent from the frame
    default: return 0;
  }
}

FrameLayout LayoutFrame(const FrameMetrics& m, const FrameInput& in) {
  FrameLayout l;
  const int W = in.width, H = in.height, F = m.GetMetric(0), C = m.GetMetric(1), T = m.GetMetric(2);
  const int B = C - m.GetMetric(5) - m.GetMetric(6);
  const bool single_or_sizeable = in.border == FrameBorder::Single || in.border == FrameBorder::Sizeable;
  l.show_icon = in.system_menu && in.border != FrameBorder::Dialog;
  l.show_close = in.system_menu;
  l.show_pair = single_or_sizeable && in.system_menu && (in.minimize || in.maximize);
  l.show_help = in.system_menu && in.help && (in.border == FrameBorder::Dialog || !(in.minimize || in.maximize));
  l.pair_restores = in.zoomed;

  l.close = {W - 6 - B, 6, W - 6, 6 + B};
  l.maximize = {W - 6 - 2 * B - 2, 6, W - 6 - B - 2, 6 + B};
  l.help = l.maximize;
  l.minimize = {W - 6 - 3 * B - 4, 6, W - 6 - 2 * B - 4, 6 + B};
  const int icon_top = (C + F - 16) / 2;
  l.icon = {F + 2, icon_top, F + 2 + 16, icon_top + 16};

  const int text_top = F + (C - T - F) / 2;
  if (l.show_icon) {
    const int right_edge = l.show_help ? l.help.left : l.show_pair ? l.minimize.left : l.close.left;
    l.text = {l.icon.right + 4, text_top, right_edge - 4, text_top + T};
  } else {
    l.text = {8, text_top, W - 8, text_top + T};
  }
  l.caption = {0, 0, W, C};
  const int bw = in.border_width;
  l.client = {F + bw, C + bw, W - F - bw, H - F - bw};
  return l;
}

FrameButton ButtonAt(const FrameLayout& l, int x, int y) {
  if (l.show_help && l.help.Contains(x, y)) return fbHelp;
  if (l.show_pair && l.maximize.Contains(x, y)) return fbMaximize;
  if (l.show_pair && l.minimize.Contains(x, y)) return fbMinimize;
  if (l.show_close && l.close.Contains(x, y)) return fbClose;
  return fbNone;
}

FrameButtonState ButtonState(FrameButton button, FrameButton pressed, FrameButton hot, const FrameInput& in) {
  if (button == fbMinimize && !in.minimize) return fbsDisabled;
  if (button == fbMaximize && !in.maximize) return fbsDisabled;
  if (button == pressed) return fbsPressed;
  if (button == hot) return fbsHot;
  return fbsNormal;
}

int FrameHitTest(const FrameLayout& l, int x, int y) {
  if (l.show_icon && l.icon.Contains(x, y)) return fhSysMenu;
  if (l.show_help && l.help.Contains(x, y)) return fhHelp;
  if (l.show_pair && l.maximize.Contains(x, y)) return fhMaxButton;
  if (l.show_pair && l.minimize.Contains(x, y)) return fhMinButton;
  if (l.show_close && l.close.Contains(x, y)) return fhClose;
  return 0;
}

int CaptionOverride(const FrameLayout& l, int x, int y, int system_hit) {
  switch (system_hit) {
    case fhLeft: case fhRight: case fhTop: case fhTopLeft: case fhTopRight: return system_hit;
  }
  return l.caption.Contains(x, y) ? fhCaption : system_hit;
}

std::vector<Box> FrameRegionBoxes(int width, int height) {
  static constexpr int kCut[] = {5, 3, 2, 1, 1};
  std::vector<Box> boxes;
  if (width <= 0 || height <= 0) return boxes;
  int row = 0;
  for (; row < 5 && row < height; ++row) {
    const int cut = std::min(kCut[row], width / 2);
    if (width - 2 * cut > 0) boxes.push_back({cut, row, width - cut, row + 1});
  }
  if (row < height) boxes.push_back({0, row, width, height});
  return boxes;
}

}  // namespace pp::forms
