// The gradient panel's arithmetic: the top-shadow rows, the wave lightness, where a bitmap
// lands and the area left for child controls. xp_panels.h paints with it.
#pragma once

namespace pp::controls {

enum TXPExtPanelKind {
  epkBackground,
  epkBitmap,
  epkGradient,
  epkSimple,
  epkMSMoney,
  epkWavy,
  epkVerticalWavy,
  epkGradientWithBitmap,
};
enum TGradientPanelStyle { gsLeftToRight, gsTopToBottom, gsTopShadow };

struct PanelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const PanelRect&, const PanelRect&) = default;
};

// Rows 0..3 of the top shadow blend the begin colour towards the end colour by these fractions;
// the rest of the panel is its face colour.
constexpr int kTopShadowRows = 4;
double TopShadowFraction(int row);

// Lightness of wave row (or column) i of `extent`, around the base lightness, clamped to 0..255.
int WavyLightness(int i, int extent, int lightness);

// Where the bitmap is drawn. alignment: 0 left, 1 right, 2 centre; layout: 0 top, 1 centre,
// 2 bottom. The bottom position sits one row lower than flush, as the panel always drew it.
PanelRect PanelBitmapRect(int client_width, int client_height, int bitmap_width, int bitmap_height,
                          int alignment, int layout, bool stretch);

// The area for child controls: the client rectangle less the border width, less the kind's own
// decoration (a bevel for the background kind, the title and its rule for the title kind).
PanelRect PanelChildArea(PanelRect client, int border_width, TXPExtPanelKind kind, int title_text_height);

// The title panel's margins: the caption starts at x = 67, seven pixels from the top.
constexpr int kMoneyTitleLeft = 67;
constexpr int kMoneyTitleTop = 7;

}  // namespace pp::controls
