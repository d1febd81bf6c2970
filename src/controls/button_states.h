// The button family's decisions that need no window: how mouse and keyboard turn into a pressed
// look and a click, which image frame / theme state / DrawFrameControl flags a state is drawn
// with, the check-box state cycle, the glyph-strip rules and the predefined button kinds. The
// controls (winxp_buttons.h, xp_check_box.h) feed them their state and draw what comes back.
#pragma once

#include <cstdint>

namespace pp::controls {

// ---- press tracking

// Mouse and keyboard press state of one button-like control. Each step answers whether the
// pressed look (`down`) changed, so the control repaints exactly then.
struct ButtonPress {
  bool mouse_captured = false;  // the left button went down on the control and is still down
  bool key_pressed = false;     // Space is held on the focused control
  bool down = false;            // the pressed look is shown

  bool MouseDown();
  bool MouseMove(bool inside);
  bool MouseUp();
  bool KeyDown(bool is_space);
  // Answers through `click` whether the release ends a Space press, which clicks.
  bool KeyUp(bool& click);
  bool FocusLost();
  bool CaptureLost();
  // Clicks from code are not the user's while a press is in progress.
  bool Busy() const { return mouse_captured || key_pressed; }

 private:
  bool Set(bool value);
};

// ---- push buttons

// Theme details of the push-button part, also the order of the frames in "XPPUSHBUTTON".
enum PushButtonDetail : int {
  pbdNormal = 2,
  pbdHot = 3,
  pbdPressed = 4,
  pbdDisabled = 5,
  pbdDefault = 6,
};
int PushButtonDetailOf(bool enabled, bool down, bool hot, bool active);
inline int PushButtonLunaFrame(int detail) { return detail - pbdNormal; }
inline int PushButtonThemeState(int detail) { return detail - 1; }  // PBS_NORMAL = 1

// DrawFrameControl state for the classic push button (DFC_BUTTON).
unsigned PushButtonClassicFlags(bool enabled, bool down);

// Pen and brush of the flat Office face.
enum class OfficeFace { Normal, Hot, Pressed, Disabled };
OfficeFace OfficeFaceOf(bool enabled, bool down, bool hot);

enum TXPButtonStyle { xpbsOffice, xpbsWindows };
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

struct BitBtnKindInfo {
  const char* caption;
  int modal_result;
  bool is_default;
  bool is_cancel;
  const char* glyph;  // bitmap resource name; nullptr for bkCustom
};
const BitBtnKindInfo& KindInfo(TBitBtnKind kind);

// Which cell of a glyph strip shows the state: 0 normal, 1 disabled, 2 pressed, 3 (unused here)
// down; cells the strip lacks fall back to the normal one.
int GlyphCellIndex(bool enabled, bool down, int num_glyphs);
// The cell count after a new glyph of that size: a strip of square cells says how many it has
// (an empty glyph has one); otherwise the count stays.
int NumGlyphsForGlyph(int width, int height, int current);
// The lightened grey that a disabled glyph's pixel becomes.
std::uint8_t DisabledGlyphGrey(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// ---- check boxes

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A click's next state: unchecked, (grayed when allowed,) checked, unchecked.
TCheckBoxState NextCheckState(TCheckBoxState state, bool allow_grayed);

constexpr int kCheckBoxFirstDetail = 15;
// Theme details of the check-box part, in the order of the frames of "XPCHECKBOX": four
// interaction states (normal, hot, pressed, disabled) for each check state.
int CheckBoxDetailOf(bool enabled, bool down, bool hot, TCheckBoxState state);
inline int CheckBoxLunaFrame(int detail) { return detail - kCheckBoxFirstDetail; }
inline int CheckBoxThemeState(int detail) { return detail - kCheckBoxFirstDetail + 1; }  // CBS_UNCHECKEDNORMAL = 1
// DrawFrameControl state for the classic box (DFC_BUTTON): a grayed box shows checked and inactive.
unsigned CheckBoxClassicFlags(bool enabled, bool down, TCheckBoxState state);

}  // namespace pp::controls
