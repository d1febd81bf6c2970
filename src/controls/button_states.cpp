#include "controls/button_states.h"

namespace pp::controls {

namespace {
// DrawFrameControl values (winuser.h), kept here so that this file needs no Windows header.
constexpr unsigned kDfcsButtonCheck = 0x0000;
constexpr unsigned kDfcsButtonPush = 0x0010;
constexpr unsigned kDfcsInactive = 0x0100;
constexpr unsigned kDfcsPushed = 0x0200;
constexpr unsigned kDfcsChecked = 0x0400;
constexpr unsigned kDfcsAdjustRect = 0x2000;
}  // namespace

// ---- press tracking

bool ButtonPress::Set(bool value) {
  if (value == down) return false;
  down = value;
  return true;
}

bool ButtonPress::MouseDown() {
  mouse_captured = true;
  return Set(true);
}

bool ButtonPress::MouseMove(bool inside) { return mouse_captured ? Set(inside) : false; }

bool ButtonPress::MouseUp() {
  mouse_captured = false;
  return Set(false);
}

// A key pressed while the mouse holds the button leaves both alone: the mouse press owns the
// pressed look, and taking it as a key press would leave the control believing a key is held
// (and the mouse press never ending) after the mouse is released.
bool ButtonPress::KeyDown(bool is_space) {
  if (mouse_captured) return false;
  const bool changed = Set(is_space);
  key_pressed = down;
  return changed;
}

bool ButtonPress::KeyUp(bool& click) {
  click = !mouse_captured && down;
  bool changed = false;
  if (!mouse_captured) changed = Set(false);
  key_pressed = false;
  return changed;
}

// The key release goes to whichever window has the focus next, so a Space press ends here.
bool ButtonPress::FocusLost() {
  key_pressed = false;
  return Set(false);
}

bool ButtonPress::CaptureLost() {
  if (!mouse_captured) return false;
  mouse_captured = false;
  return Set(false);
}

// ---- push buttons

int PushButtonDetailOf(bool enabled, bool down, bool hot, bool active) {
  if (!enabled) return pbdDisabled;
  if (down) return pbdPressed;
  if (hot) return pbdHot;
  if (active) return pbdDefault;
  return pbdNormal;
}

unsigned PushButtonClassicFlags(bool enabled, bool down) {
  return kDfcsButtonPush | kDfcsAdjustRect | (down ? kDfcsPushed : 0) | (enabled ? 0 : kDfcsInactive);
}

OfficeFace OfficeFaceOf(bool enabled, bool down, bool hot) {
  if (!enabled) return OfficeFace::Disabled;
  if (down) return OfficeFace::Pressed;
  if (hot) return OfficeFace::Hot;
  return OfficeFace::Normal;
}

const BitBtnKindInfo& KindInfo(TBitBtnKind kind) {
  static const BitBtnKindInfo kKinds[] = {
      {"", 0, false, false, nullptr},          {"OK", 1, true, false, "BBOK"},
      {"Cancel", 2, false, true, "BBCANCEL"},  {"&Help", 0, false, false, "BBHELP"},
      {"&Yes", 6, true, false, "BBYES"},       {"&No", 7, false, true, "BBNO"},
      {"&Close", 0, false, false, "BBCLOSE"},  {"Abort", 3, false, false, "BBABORT"},
      {"&Retry", 4, false, false, "BBRETRY"},  {"&Ignore", 5, false, false, "BBIGNORE"},
      {"&All", 8, false, false, "BBALL"},
  };
  const unsigned i = static_cast<unsigned>(kind);
  return kKinds[i < sizeof kKinds / sizeof kKinds[0] ? i : 0];
}

int GlyphCellIndex(bool enabled, bool down, int num_glyphs) {
  if (!enabled) return num_glyphs >= 2 ? 1 : 0;
  if (down) return num_glyphs >= 3 ? 2 : 0;
  return 0;
}

int NumGlyphsForGlyph(int width, int height, int current) {
  if (height == 0) return 1;
  if (height > 0 && width > 0 && width % height == 0) return width / height;
  return current;
}

std::uint8_t DisabledGlyphGrey(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const int y = (77 * red + 151 * green + 28 * blue) >> 8;
  return static_cast<std::uint8_t>(255 - (255 - y) / 2);
}

// ---- check boxes

TCheckBoxState NextCheckState(TCheckBoxState state, bool allow_grayed) {
  switch (state) {
    case cbUnchecked: return allow_grayed ? cbGrayed : cbChecked;
    case cbChecked: return cbUnchecked;
    case cbGrayed: return cbChecked;
  }
  return cbUnchecked;
}

int CheckBoxDetailOf(bool enabled, bool down, bool hot, TCheckBoxState state) {
  const int base = !enabled ? 3 : down ? 2 : hot ? 1 : 0;
  return kCheckBoxFirstDetail + base + 4 * static_cast<int>(state);
}

unsigned CheckBoxClassicFlags(bool enabled, bool down, TCheckBoxState state) {
  unsigned flags = kDfcsButtonCheck | kDfcsAdjustRect;
  if (!(enabled && state != cbGrayed)) flags |= kDfcsInactive;
  if (down) flags |= kDfcsPushed;
  if (state != cbUnchecked) flags |= kDfcsChecked;
  return flags;
}

}  // namespace pp::controls
