// The look of the themed controls and the XP colour set under each Windows set-up.
#include <gtest/gtest.h>

#include "controls/theme_services.h"
#include "controls/xp_controls.h"
#include "looks.h"

namespace {

using namespace pp::controls;
using pp::toolkit::RGBColor;

class LookMode : public ::testing::Test {
 protected:
  void SetUp() override {
    pp::test::StartControlsForTests();
    PP_REQUIRE_LOOK();
  }
  void TearDown() override {
    UseLunaLook = true;
    UpdateXPColors();
  }
};

TEST_F(LookMode, FollowsTheWindowsSetUpAndUseLunaLook) {
  struct Case {
    const char* look;
    bool xp_or_later;
    TXPLookMode with_luna, without_luna;
  };
  const Case cases[] = {
      {"luna", false, xlmLuna, xlmClassic},
      {"classic", true, xlmClassic, xlmClassic},
      {"themed", true, xlmThemed, xlmThemed},
  };
  for (const Case& c : cases) {
    if (pp::test::LookName() != c.look) continue;
    EXPECT_EQ(IsWindowsXPOrLater(), c.xp_or_later) << "expected IsWindowsXPOrLater " << c.xp_or_later;
    EXPECT_EQ(ThemesActive(), c.with_luna == xlmThemed);
    UseLunaLook = true;
    EXPECT_EQ(GetXPLookMode(), c.with_luna) << "expected look " << c.with_luna << ", got " << GetXPLookMode();
    UseLunaLook = false;  // takes effect at once, no recomputation needed
    EXPECT_EQ(GetXPLookMode(), c.without_luna) << "expected look " << c.without_luna << ", got " << GetXPLookMode();
  }
}

TEST_F(LookMode, ColourSetFollowsTheLookAfterASystemColourChange) {
  const bool luna = *pp::test::ExpectedLook() == xlmLuna;
  UseLunaLook = true;
  UpdateXPColors();
  const TColor luna_set[] = {RGBColor(255, 255, 255), RGBColor(239, 235, 222), RGBColor(49, 106, 197),
                             RGBColor(255, 255, 255), RGBColor(196, 195, 191), RGBColor(241, 241, 237),
                             RGBColor(161, 161, 146)};
  const TColor system_set[] = {pp::toolkit::clWindow,        pp::toolkit::clBtnFace,   pp::toolkit::clHighlight,
                               pp::toolkit::clHighlightText, pp::toolkit::clBtnShadow, pp::toolkit::clBtnHighlight,
                               pp::toolkit::clGrayText};
  auto current = [] {
    return std::vector<TColor>{XPColorWindow, XPColorFace,   XPColorHighlight, XPColorHighlightText,
                               XPColorShadow, XPColorLight, XPColorGrayText};
  };
  const std::vector<TColor> expected(luna ? std::begin(luna_set) : std::begin(system_set),
                                     luna ? std::end(luna_set) : std::end(system_set));
  EXPECT_EQ(current(), expected);

  // Switching the Luna look off changes nothing until the system colours change.
  UseLunaLook = false;
  EXPECT_EQ(current(), expected);
  ASSERT_NE(XPUtilityWindow(), nullptr);
  SendMessageA(XPUtilityWindow(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(current(), std::vector<TColor>(std::begin(system_set), std::end(system_set)));
  UseLunaLook = true;
  SendMessageA(XPUtilityWindow(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(current(), expected);
}

}  // namespace
