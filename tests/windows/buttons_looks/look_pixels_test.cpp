// Each look draws what it says: the classic box and face through DrawFrameControl, the Luna
// frame of the state's index from the control images, the theme's own element; and the
// Status/Control dialog's button bar, row by row.
#include <windows.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <gtest/gtest.h>

#include "buttons_support.h"
#include "controls/button_images.h"
#include "controls/draw_helpers.h"
#include "controls/theme_services.h"
#include "looks.h"

namespace pp::controls::testing {
namespace {

struct LookPixels : ::testing::Test {
  Owned<TForm> form;
  uint32_t face = 0;
  void SetUp() override {
    PP_REQUIRE_LOOK();
    StartButtonTests();
    ASSERT_EQ(GetXPLookMode(), *pp::test::ExpectedLook());
    form.reset(new TForm(nullptr));
    form->SetBorderStyle(toolkit::bsNone);
    form->SetBounds(40, 40, 300, 120);
    form->SetColor(toolkit::RGBColor(200, 220, 240));  // a parent colour nothing else uses
    face = 0xC8DCF0;
    form->Show();
    Pump();
  }
};

// The expected picture of a box drawn as the look draws it, over the parent's colour.
// Luna without its images (a program built without them) draws the classic box in their place.
void DrawExpectedBox(Dib& dib, HWND wnd, RECT box, int detail, unsigned classic_flags) {
  switch (GetXPLookMode()) {
    case xlmClassic: DrawFrameControl(dib.dc(), &box, DFC_BUTTON, classic_flags); break;
    case xlmLuna: {
      if (!CheckBoxImage()) {
        DrawFrameControl(dib.dc(), &box, DFC_BUTTON, classic_flags);
        break;
      }
      const int k = CheckBoxLunaFrame(detail);
      const RECT source{0, 13 * k, 13, 13 * k + 13}, centre{0, 0, 13, 13};
      DrawNineSlice(box, centre, source, true, CheckBoxImage()->Bitmap(), dib.dc());
      break;
    }
    case xlmThemed: {
      ThemeHandle theme(L"BUTTON");
      ASSERT_NE(theme.Open(wnd), nullptr);
      UxDrawThemeBackground(theme.get(), dib.dc(), BP_CHECKBOX, CheckBoxThemeState(detail), &box, nullptr);
      break;
    }
  }
}

TEST_F(LookPixels, CheckBoxDrawsTheBoxOfEachStateAsTheLookSays) {
  auto* box = new TXPCheckBox(form.get());
  box->SetBounds(10, 10, 100, 17);
  box->SetParent(form.get());
  Pump();
  struct Case {
    TCheckBoxState state;
    bool enabled;
  };
  const Case cases[] = {{cbUnchecked, true}, {cbChecked, true}, {cbGrayed, true}, {cbChecked, false}};
  for (const Case& c : cases) {
    box->SetState(c.state);
    box->SetEnabled(c.enabled);
    Dib actual(box->Width(), box->Height()), expected(box->Width(), box->Height());
    PrintInto(actual, *box);
    expected.Fill(face);
    // The box's place: at the left edge, centred vertically, in the look's own size.
    SIZE s{13, 13};
    if (GetXPLookMode() == xlmClassic) s = SIZE{XPCheckBoxSize.x, XPCheckBoxSize.y};
    RECT r{0, (box->Height() - s.cy) / 2, s.cx, (box->Height() - s.cy) / 2 + s.cy};
    if (GetXPLookMode() == xlmThemed) {
      ThemeHandle theme(L"BUTTON");
      theme.Open(box->Handle());
      SIZE ts{};
      UxGetThemePartSize(theme.get(), expected.dc(), BP_CHECKBOX, 1, nullptr, TS_DRAW, &ts);
      r = RECT{0, 0, ts.cx, box->Height()};
    }
    const int detail = CheckBoxDetailOf(c.enabled, false, false, c.state);
    DrawExpectedBox(expected, box->Handle(), r, detail, CheckBoxClassicFlags(c.enabled, false, c.state));
    RECT inner = r;
    if (GetXPLookMode() == xlmThemed) inner = RECT{0, 0, r.right, box->Height()};
    EXPECT_EQ(actual.Difference(expected, inner), "") << "state " << c.state << ", enabled " << c.enabled;
  }
}

TEST_F(LookPixels, PushButtonFaceOfEachStateIsTheLooksOwn) {
  auto* button = new TXPBitBtn(form.get());
  button->SetBounds(10, 40, 80, 26);
  button->SetParent(form.get());
  Pump();
  struct Case {
    const char* what;
    bool enabled, is_default;
  };
  const Case cases[] = {{"normal", true, false}, {"default", true, true}, {"disabled", false, false}};
  for (const Case& c : cases) {
    button->SetEnabled(c.enabled);
    button->SetDefault(c.is_default);
    form->Perform(toolkit::CM_FOCUSCHANGED, 0, 0);  // nothing focused: Active follows Default
    Dib actual(80, 26), expected(80, 26);
    PrintInto(actual, *button);
    expected.Fill(face);
    RECT r{0, 0, 80, 26};
    const int detail = PushButtonDetailOf(c.enabled, false, false, c.is_default);
    const TXPLookMode drawn = GetXPLookMode() == xlmLuna && !PushButtonImage() ? xlmClassic : GetXPLookMode();
    switch (drawn) {
      case xlmClassic: {
        if (c.is_default) {
          HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
          FrameRect(expected.dc(), &r, frame);
          DeleteObject(frame);
          InflateRect(&r, -1, -1);
        }
        DrawFrameControl(expected.dc(), &r, DFC_BUTTON, PushButtonClassicFlags(c.enabled, false));
        break;
      }
      case xlmLuna: {
        const int k = PushButtonLunaFrame(detail);
        const RECT source{0, 23 * k, 20, 23 * k + 23}, centre{8, 8, 11, 14};
        DrawNineSlice(r, centre, source, true, PushButtonImage()->Bitmap(), expected.dc());
        break;
      }
      case xlmThemed: {
        ThemeHandle theme(L"BUTTON");
        theme.Open(button->Handle());
        UxDrawThemeBackground(theme.get(), expected.dc(), BP_PUSHBUTTON, PushButtonThemeState(detail), &r,
                                      nullptr);
        break;
      }
    }
    EXPECT_EQ(actual.Difference(expected, RECT{0, 0, 80, 26}), "") << c.what;
  }
}

// The Status/Control dialog's button bar: rows 0..3 blend the dark shadow towards the face by
// 0, 0.6, 0.8, 0.95; rows 4..38 the face colour of the look.
TEST_F(LookPixels, ButtonBarRowsOfTheStatusDialog) {
  auto* panel = new TXPExtPanel(form.get());
  panel->SetAlign(toolkit::alBottom);
  panel->SetHeight(39);
  panel->SetKind(epkGradient);
  panel->SetTransparent(false);
  panel->SetParent(form.get());
  Pump();
  Dib dib(panel->Width(), 39);
  PrintInto(dib, *panel);
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW), btn = GetSysColor(COLOR_BTNFACE);
  const double fractions[] = {0, 0.6, 0.8, 0.95};
  for (int row = 0; row < 4; ++row) {
    const uint32_t expected = RGBOf(toolkit::ColorToRGB(BlendColors(dark, btn, fractions[row])));
    for (int x : {0, panel->Width() / 2, panel->Width() - 1})
      EXPECT_EQ(dib.Pixel(x, row), expected) << "row " << row << " x " << x;
  }
  const uint32_t face_rgb = RGBOf(toolkit::ColorToRGB(XPColorFace));
  if (GetXPLookMode() == xlmLuna) {
    EXPECT_EQ(face_rgb, 0xEFEBDEu) << "Luna face (239, 235, 222)";
  }
  for (int row = 4; row < 39; row += 17)
    EXPECT_EQ(dib.Pixel(panel->Width() / 2, row), face_rgb) << "row " << row;
  EXPECT_EQ(dib.Pixel(0, 38), face_rgb) << "the last row";
}

// WM_PRINTCLIENT paints what WM_PAINT puts on the screen, for each control in the run's look.
TEST_F(LookPixels, PrintClientPaintsWhatPaintShows) {
  auto* box = new TXPCheckBox(form.get());
  box->SetBounds(10, 10, 120, 17);
  box->SetCaption("&Check");
  box->SetState(cbChecked);
  box->SetParent(form.get());
  auto* button = new TXPBitBtn(form.get());
  button->SetBounds(140, 10, 80, 26);
  button->SetCaption("&Button");
  button->SetDefault(true);
  button->SetParent(form.get());
  auto* panel = new TXPExtPanel(form.get());
  panel->SetBounds(10, 50, 200, 40);
  panel->SetKind(epkGradient);
  panel->SetParent(form.get());
  Pump();
  for (toolkit::TWinControl* c : {static_cast<toolkit::TWinControl*>(box), static_cast<toolkit::TWinControl*>(button),
                                  static_cast<toolkit::TWinControl*>(panel)}) {
    Dib screen(c->Width(), c->Height()), printed(c->Width(), c->Height());
    RedrawWindow(c->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    HDC dc = GetDC(c->Handle());
    BitBlt(screen.dc(), 0, 0, c->Width(), c->Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(c->Handle(), dc);
    PrintInto(printed, *c);
    EXPECT_EQ(printed.Difference(screen, RECT{0, 0, c->Width(), c->Height()}), "") << c->ClassName();
  }
}

}  // namespace
}  // namespace pp::controls::testing
