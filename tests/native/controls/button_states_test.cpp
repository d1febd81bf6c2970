#include "controls/button_states.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pp::controls {
namespace {

// One step of user input on a button, and what the pressed look and the click must be after it.
enum Step { MDown, MMoveIn, MMoveOut, MUp, SpaceDown, SpaceUp, OtherDown, OtherUp, FocusLoss, CaptureLoss };

struct PressCase {
  const char* what;
  std::vector<Step> steps;
  bool down_after;
  int key_clicks;     // clicks that the key release itself makes (mouse clicks are the platform's)
  bool busy_after;
};

const PressCase kPressCases[] = {
    {"mouse press", {MDown}, true, 0, true},
    {"mouse press and release", {MDown, MUp}, false, 0, false},
    {"press, move out", {MDown, MMoveOut}, false, 0, true},
    {"press, move out and back", {MDown, MMoveOut, MMoveIn}, true, 0, true},
    {"move without a press", {MMoveIn}, false, 0, false},
    {"space press", {SpaceDown}, true, 0, true},
    {"space press and release clicks once", {SpaceDown, SpaceUp}, false, 1, false},
    {"space held while the mouse moves over", {SpaceDown, MMoveOut, MMoveIn, MMoveOut}, true, 0, true},
    {"another key drops the space press", {SpaceDown, OtherDown, OtherUp}, false, 0, false},
    {"a key release without a press", {OtherUp}, false, 0, false},
    {"focus lost while space is held", {SpaceDown, FocusLoss, SpaceUp}, false, 0, false},
    {"capture lost during a mouse press", {MDown, CaptureLoss}, false, 0, false},
    {"a key during a mouse press leaves the mouse press alone", {MDown, OtherDown, OtherUp}, true, 0, true},
    {"mouse release after a key during the press ends the press", {MDown, OtherDown, MUp, OtherUp}, false, 0, false},
    {"space during a mouse press does not click on its release", {MDown, SpaceDown, SpaceUp, MUp}, false, 0, false},
};

TEST(ButtonPress, InputSequencesGiveThePressedLookAndKeyClicks) {
  for (const PressCase& c : kPressCases) {
    ButtonPress p;
    int clicks = 0;
    for (Step s : c.steps) {
      bool click = false;
      const bool before = p.down;
      bool changed = false;
      switch (s) {
        case MDown: changed = p.MouseDown(); break;
        case MMoveIn: changed = p.MouseMove(true); break;
        case MMoveOut: changed = p.MouseMove(false); break;
        case MUp: changed = p.MouseUp(); break;
        case SpaceDown: changed = p.KeyDown(true); break;
        case OtherDown: changed = p.KeyDown(false); break;
        case SpaceUp:
        case OtherUp: changed = p.KeyUp(click); break;
        case FocusLoss: changed = p.FocusLost(); break;
        case CaptureLoss: changed = p.CaptureLost(); break;
      }
      EXPECT_EQ(changed, before != p.down) << c.what << ": a step must report exactly the changes of the look";
      clicks += click;
    }
    EXPECT_EQ(p.down, c.down_after) << c.what;
    EXPECT_EQ(clicks, c.key_clicks) << c.what;
    EXPECT_EQ(p.Busy(), c.busy_after) << c.what;
  }
}

TEST(PushButtonLook, DetailFramesAndClassicFlagsFollowThePriorityOfStates) {
  struct Case {
    bool enabled, down, hot, active;
    int detail;
    unsigned classic;
  };
  const Case cases[] = {
      {true, false, false, false, pbdNormal, 0x2010},
      {true, false, false, true, pbdDefault, 0x2010},
      {true, false, true, true, pbdHot, 0x2010},
      {true, true, true, true, pbdPressed, 0x2210},
      {false, true, true, true, pbdDisabled, 0x2310},
  };
  for (const Case& c : cases) {
    const int d = PushButtonDetailOf(c.enabled, c.down, c.hot, c.active);
    EXPECT_EQ(d, c.detail);
    EXPECT_EQ(PushButtonClassicFlags(c.enabled, c.down), c.classic);
  }
  // The five frames of the push-button image, top to bottom: normal, hot, pressed, disabled, default.
  EXPECT_EQ(PushButtonLunaFrame(pbdNormal), 0);
  EXPECT_EQ(PushButtonLunaFrame(pbdDefault), 4);
  EXPECT_EQ(PushButtonThemeState(pbdNormal), 1);  // PBS_NORMAL
  EXPECT_EQ(PushButtonThemeState(pbdDefault), 5);  // PBS_DEFAULTED
  EXPECT_EQ(OfficeFaceOf(false, true, true), OfficeFace::Disabled);
  EXPECT_EQ(OfficeFaceOf(true, true, true), OfficeFace::Pressed);
  EXPECT_EQ(OfficeFaceOf(true, false, true), OfficeFace::Hot);
}

TEST(CheckBoxLook, TwelveFramesInImageOrderAndClassicFlags) {
  // Frame = interaction (normal, hot, pressed, disabled) + 4 x check state.
  struct Case {
    bool enabled, down, hot;
    TCheckBoxState state;
    int frame;
    unsigned classic;
  };
  const Case cases[] = {
      {true, false, false, cbUnchecked, 0, 0x2000},
      {true, false, true, cbUnchecked, 1, 0x2000},
      {true, true, true, cbUnchecked, 2, 0x2200},
      {false, false, false, cbUnchecked, 3, 0x2100},
      {true, false, false, cbChecked, 4, 0x2400},
      {true, true, false, cbChecked, 6, 0x2600},
      {false, false, true, cbChecked, 7, 0x2500},
      {true, false, false, cbGrayed, 8, 0x2500},  // grayed: checked and inactive
      {true, false, true, cbGrayed, 9, 0x2500},
      {false, true, false, cbGrayed, 11, 0x2700},
  };
  for (const Case& c : cases) {
    const int d = CheckBoxDetailOf(c.enabled, c.down, c.hot, c.state);
    EXPECT_EQ(CheckBoxLunaFrame(d), c.frame) << "state " << c.state;
    EXPECT_EQ(CheckBoxThemeState(d), c.frame + 1) << "CBS_ states count from 1";
    EXPECT_EQ(CheckBoxClassicFlags(c.enabled, c.down, c.state), c.classic) << "frame " << c.frame;
  }
}

TEST(CheckBoxLook, ClicksCycleThroughGrayedOnlyWhenAllowed) {
  std::vector<TCheckBoxState> plain, grayed;
  TCheckBoxState a = cbUnchecked, b = cbUnchecked;
  for (int i = 0; i < 4; ++i) {
    plain.push_back(a = NextCheckState(a, false));
    grayed.push_back(b = NextCheckState(b, true));
  }
  EXPECT_EQ(plain, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked, cbUnchecked}));
  EXPECT_EQ(grayed, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
  EXPECT_EQ(NextCheckState(cbGrayed, false), cbChecked) << "a grayed box set from code clicks to checked";
}

TEST(BitBtnGlyph, CellCountCellChoiceAndDisabledGrey) {
  struct Count {
    int w, h, current, expected;
  };
  const Count counts[] = {
      {48, 16, 1, 3},  // square cells: three
      {40, 16, 2, 2},  // not a multiple: kept
      {0, 0, 3, 1},    // empty glyph: one
      {0, 16, 3, 3},   // no width: kept
      {96, 16, 1, 6},  // a wide strip may say more than four
      {16, 16, 4, 1},
  };
  for (const Count& c : counts)
    EXPECT_EQ(NumGlyphsForGlyph(c.w, c.h, c.current), c.expected) << c.w << " x " << c.h;

  struct Cell {
    bool enabled, down;
    int num, expected;
  };
  const Cell cells[] = {
      {true, false, 4, 0}, {true, true, 3, 2}, {true, true, 2, 0}, {false, false, 2, 1},
      {false, true, 4, 1}, {false, false, 1, 0},
  };
  for (const Cell& c : cells) EXPECT_EQ(GlyphCellIndex(c.enabled, c.down, c.num), c.expected);

  EXPECT_EQ(DisabledGlyphGrey(0, 0, 0), 128);       // black becomes mid grey
  EXPECT_EQ(DisabledGlyphGrey(255, 255, 255), 255);  // white stays white
  EXPECT_EQ(DisabledGlyphGrey(255, 0, 0), 166);     // Y = 76
}

TEST(BitBtnKinds, TableOfCaptionsResultsAndGlyphs) {
  EXPECT_STREQ(KindInfo(bkOK).caption, "OK");
  EXPECT_EQ(KindInfo(bkOK).modal_result, 1);
  EXPECT_TRUE(KindInfo(bkOK).is_default);
  EXPECT_TRUE(KindInfo(bkNo).is_cancel);
  EXPECT_EQ(KindInfo(bkAll).modal_result, 8);
  EXPECT_STREQ(KindInfo(bkAll).glyph, "BBALL");
  EXPECT_EQ(KindInfo(bkCustom).glyph, nullptr);
  EXPECT_EQ(KindInfo(static_cast<TBitBtnKind>(99)).glyph, nullptr) << "an unknown kind reads as custom";
  int defaults = 0, cancels = 0;
  for (int k = bkOK; k <= bkAll; ++k) {
    const auto& info = KindInfo(static_cast<TBitBtnKind>(k));
    defaults += info.is_default;
    cancels += info.is_cancel;
    EXPECT_NE(info.glyph, nullptr);
  }
  EXPECT_EQ(defaults, 2);  // OK, Yes
  EXPECT_EQ(cancels, 2);   // Cancel, No
}

}  // namespace
}  // namespace pp::controls
