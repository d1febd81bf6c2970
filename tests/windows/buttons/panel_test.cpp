// The gradient panel: which writers repaint, the title kind's child area and rounded window,
// OnPaint in place of the kind's painting, the bitmap at tlBottom, the default colour.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "buttons_support.h"

namespace pp::controls::testing {
namespace {

using toolkit::TBitmap;

struct Panel : ::testing::Test {
  Owned<TForm> form;
  TXPExtPanel* panel = nullptr;
  void SetUp() override {
    StartButtonTests();
    form.reset(new TForm(nullptr));
    form->SetBorderStyle(toolkit::bsNone);
    form->SetBounds(50, 50, 260, 140);
    panel = new TXPExtPanel(form.get());
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(form.get());
    form->Show();
    Pump();
  }
  bool Repaints(const std::function<void()>& change) {
    Pump();
    ValidateRect(panel->Handle(), nullptr);
    change();
    return GetUpdateRect(panel->Handle(), nullptr, FALSE) != FALSE;
  }
  uint32_t PixelAt(int x, int y) {
    Dib dib(panel->Width(), panel->Height());
    PrintInto(dib, *panel);
    return dib.Pixel(x, y);
  }
};

TEST_F(Panel, WritersRepaintOnlyWhereTheKindShowsTheValue) {
  struct Case {
    const char* what;
    TXPExtPanelKind kind;
    std::function<void(TXPExtPanel&)> change;
    bool repaints;
  };
  const Case cases[] = {
      {"BeginColor on a simple panel", epkSimple, [](TXPExtPanel& p) { p.SetBeginColor(toolkit::clRed); }, false},
      {"BeginColor on a gradient", epkGradient, [](TXPExtPanel& p) { p.SetBeginColor(toolkit::clRed); }, true},
      {"GradientStyle on a bitmap panel", epkBitmap, [](TXPExtPanel& p) { p.SetGradientStyle(gsLeftToRight); }, false},
      {"BorderColor on a gradient", epkGradient, [](TXPExtPanel& p) { p.SetBorderColor(toolkit::clRed); }, false},
      {"ShowBorder on a simple panel", epkSimple, [](TXPExtPanel& p) { p.SetShowBorder(true); }, true},
      {"ShowTop on a gradient", epkGradient, [](TXPExtPanel& p) { p.SetShowTop(false); }, true},
      {"Stretch on a gradient", epkGradient, [](TXPExtPanel& p) { p.SetStretch(true); }, false},
      {"Layout on a bitmap panel", epkBitmap, [](TXPExtPanel& p) { p.SetLayout(toolkit::tlBottom); }, true},
      {"Transparent on a gradient", epkGradient, [](TXPExtPanel& p) { p.SetTransparent(false); }, true},
      {"the same Kind again", epkGradient, [](TXPExtPanel& p) { p.SetKind(epkGradient); }, false},
      {"Caption on a title panel", epkMSMoney, [](TXPExtPanel& p) { p.SetCaption("Title"); }, true},
  };
  for (const Case& c : cases) {
    panel->Free();
    panel = new TXPExtPanel(form.get());
    panel->SetBounds(10, 10, 200, 100);
    panel->SetKind(c.kind);
    panel->SetParent(form.get());
    Pump();
    EXPECT_EQ(Repaints([&] { c.change(*panel); }), c.repaints) << c.what;
  }
}

TEST_F(Panel, BitmapTransparentTouchesTheBitmapOnlyForBitmapKinds) {
  panel->SetKind(epkGradient);
  panel->SetBitmapTransparent(true);
  EXPECT_TRUE(panel->BitmapTransparent());
  EXPECT_FALSE(panel->Bitmap().Transparent()) << "stored, the bitmap's own flag untouched";
  panel->SetBitmapTransparent(false);
  panel->SetKind(epkBitmap);
  panel->SetBitmapTransparent(true);
  EXPECT_TRUE(panel->Bitmap().Transparent());
}

TEST_F(Panel, TitleKindClipsTheWindowToARoundedRectangleAndKeepsChildrenBelowTheTitle) {
  panel->SetBorderWidth(3);
  auto* child = new TXPExtPanel(form.get());
  child->SetAlign(toolkit::alClient);
  child->SetParent(panel);
  panel->SetKind(epkMSMoney);
  Pump();
  HDC dc = GetDC(nullptr);
  SelectObject(dc, panel->Font().Handle());
  SIZE wj{};
  GetTextExtentPoint32A(dc, "Wj", 2, &wj);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(child->Left(), 67 + 3);
  EXPECT_EQ(child->Top(), 3 + 7 + wj.cy + 7);
  EXPECT_EQ(child->Left() + child->Width(), 200 - 3 - 7);

  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(panel->Handle(), rgn), ERROR) << "expected a window region";
  EXPECT_FALSE(PtInRegion(rgn, 0, 0)) << "the corner is cut";
  EXPECT_TRUE(PtInRegion(rgn, 100, 50));
  EXPECT_TRUE(PtInRegion(rgn, 199, 50)) << "the region reaches the right edge";
  // Resized: the region follows; another kind: gone.
  panel->SetBounds(10, 10, 150, 80);
  Pump();
  ASSERT_NE(GetWindowRgn(panel->Handle(), rgn), ERROR);
  EXPECT_TRUE(PtInRegion(rgn, 149, 40));
  EXPECT_FALSE(PtInRegion(rgn, 160, 40));
  panel->SetKind(epkGradient);
  EXPECT_EQ(GetWindowRgn(panel->Handle(), rgn), ERROR) << "expected the region removed";
  DeleteObject(rgn);
  EXPECT_EQ(child->Left(), 3);
}

TEST_F(Panel, OnPaintReplacesTheKindsPainting) {
  panel->SetKind(epkGradient);
  int calls = 0;
  panel->OnPaint = [&](toolkit::TComponent*) {
    ++calls;
    panel->Canvas().Brush().SetColor(toolkit::clLime);
    panel->Canvas().FillRect(RECT{0, 0, 10, 10});
  };
  Dib dib(200, 100);
  dib.Fill(0x123456);
  PrintInto(dib, *panel);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(dib.Pixel(2, 2), 0x00FF00u);
  EXPECT_EQ(dib.Pixel(100, 0), 0x123456u) << "no shadow row of its own";
  EXPECT_EQ(dib.Pixel(100, 50), 0x123456u) << "no face of its own";
}

TEST_F(Panel, BitmapAtTheBottomLiesOneRowBelowTheClientArea) {
  panel->SetKind(epkBitmap);
  panel->SetTransparent(false);
  panel->SetColor(toolkit::clBlue);
  TBitmap bitmap;
  bitmap.SetSize(10, 10);
  bitmap.Canvas().Brush().SetColor(toolkit::clRed);
  bitmap.Canvas().FillRect(RECT{0, 0, 10, 10});
  bitmap.Canvas().Brush().SetColor(toolkit::clLime);
  bitmap.Canvas().FillRect(RECT{0, 9, 10, 10});  // the last row
  panel->SetBitmap(bitmap);
  panel->SetLayout(toolkit::tlBottom);
  Dib dib(200, 100);
  PrintInto(dib, *panel);
  EXPECT_EQ(dib.Pixel(5, 99), 0xFF0000u) << "row 99 is the bitmap's row 8";
  EXPECT_EQ(dib.Pixel(5, 91), 0xFF0000u) << "the bitmap's first row";
  EXPECT_EQ(dib.Pixel(5, 90), 0x0000FFu) << "above it the panel's colour";
  for (int x = 0; x < 10; ++x) ASSERT_NE(dib.Pixel(x, 99), 0x00FF00u) << "the last row is below the client area";
}

TEST_F(Panel, DefaultColorFollowsTheFaceUntilColorIsSet) {
  EXPECT_TRUE(panel->UseDefaultColor());
  EXPECT_EQ(panel->Color(), XPColorFace);
  panel->SetColor(toolkit::clRed);
  EXPECT_FALSE(panel->UseDefaultColor()) << "a colour set at run time";
  panel->SetUseDefaultColor(true);
  EXPECT_EQ(panel->Color(), XPColorFace);
  EXPECT_TRUE(panel->UseDefaultColor());
  // Loaded from a layout with another colour: the face colour wins while the flag holds.
  Owned<TXPExtPanel> loaded(new TXPExtPanel(nullptr));
  loaded->BeginLoad();
  loaded->SetColor(toolkit::clRed);
  loaded->EndLoad();
  EXPECT_EQ(loaded->Color(), XPColorFace);
  EXPECT_TRUE(loaded->UseDefaultColor());
}

}  // namespace
}  // namespace pp::controls::testing
