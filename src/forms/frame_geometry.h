// Geometry of the drawn XP window frame: the metrics table, where the caption buttons, icon,
// caption text and client area lie for a window of a given size and border, which caption
// button is under a point, each button's drawn state, and the window region with rounded top
// corners. Portable: window coordinates, origin at the window's top-left corner.
#pragma once

#include <array>
#include <vector>

namespace pp::forms {

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const Box&, const Box&) = default;
};

// Caption buttons, as the frame tracks them.
enum FrameButton : unsigned char { fbNone = 0, fbHelp = 1, fbMinimize = 2, fbMaximize = 3, fbClose = 4 };
// Drawn states of a caption button.
enum FrameButtonState { fbsNormal = 0, fbsHot = 1, fbsPressed = 2, fbsDisabled = 3 };

// The metrics of the XP look; GetMetric reads the table (only the index's low 7 bits count).
struct FrameMetrics {
  int frame_width = 4;
  int caption_height = 0;       // caption band, top frame included
  int caption_text_height = 0;  // one caption text line
  int GetMetric(int index) const;
};
// The caption band's height for a caption font of text height `text_height`.
inline int CaptionHeightFor(int text_height, int frame_width) { return text_height + 3 * frame_width; }

enum class FrameBorder { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

// What the frame is drawn for.
struct FrameInput {
  int width = 0, height = 0;  // outer window size
  FrameBorder border = FrameBorder::Dialog;
  bool system_menu = false, minimize = false, maximize = false, help = false;  // border icons
  bool zoomed = false;  // the window is maximized: the pair's right button restores
  int border_width = 0;  // the form's own band inside the frame
};

struct FrameLayout {
  bool show_icon = false, show_close = false, show_pair = false, show_help = false;
  bool pair_restores = false;  // the maximize/restore button shows the restore glyph
  Box close, maximize, help, minimize, icon, text, caption, client;
};

FrameLayout LayoutFrame(const FrameMetrics& metrics, const FrameInput& input);

// The visible caption button at (x, y), looked for as help, maximize/restore, minimize, close.
FrameButton ButtonAt(const FrameLayout& layout, int x, int y);
// The drawn state of `button` given the pressed and hot ones; minimize and maximize are
// disabled when the border icons lack them.
FrameButtonState ButtonState(FrameButton button, FrameButton pressed, FrameButton hot, const FrameInput& input);

// Hit-test results the frame uses (the system's HT* values).
enum FrameHit {
  fhCaption = 2, fhSysMenu = 3, fhMinButton = 8, fhMaxButton = 9, fhLeft = 10, fhRight = 11, fhTop = 12,
  fhTopLeft = 13, fhTopRight = 14, fhClose = 20, fhHelp = 21,
};
// The frame's own answer for (x, y) (icon, help, maximize, minimize, close in that order), or 0
// when the system's answer stands; then CaptionOverride turns it into a caption hit inside the
// caption band unless it is a sizing edge of the left, right or top.
int FrameHitTest(const FrameLayout& layout, int x, int y);
int CaptionOverride(const FrameLayout& layout, int x, int y, int system_hit);

// The window region: the whole window without the rounded top corners (5, 3, 2, 1, 1 pixels of
// rows 0 to 4 cut at each side), as rectangles whose union it is.
std::vector<Box> FrameRegionBoxes(int width, int height);

}  // namespace pp::forms
