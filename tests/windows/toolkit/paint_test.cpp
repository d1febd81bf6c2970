// Painting: WM_PRINTCLIENT paints what WM_PAINT puts on the screen, double buffered or not,
// window-less children included; canvas, bitmap and image list drawing read back from DIBs.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/bitmap.h"
#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kLime = 0x00FF00;

// What WM_PAINT left in the window, copied from its DC.
void CopyFromScreen(TWinControl& c, Dib& to) {
  RedrawWindow(c.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  ClientDC dc(c.Handle());
  BitBlt(to.dc(), 0, 0, to.width, to.height, dc.get(), 0, 0, SRCCOPY);
}

class PrintFixture : public ::testing::TestWithParam<bool> {};

TEST_P(PrintFixture, PrintClientPaintsTheSamePixelsAsPaint) {
  const bool double_buffered = GetParam();
  Owned<TForm> form(new TForm(nullptr));
  form->SetBorderStyle(bsNone);
  form->SetBounds(300, 300, 120, 60);
  auto* host = new Probe(form.get(), "Host");
  host->SetDoubleBuffered(double_buffered);
  host->SetBounds(0, 0, 100, 40);
  host->SetParent(form.get());
  auto* child = new GraphicProbe(form.get());
  child->SetBounds(60, 20, 30, 16);
  child->SetParent(host);
  form->Show();
  Pump();
  Dib screen(100, 40), printed(100, 40);
  CopyFromScreen(*host, screen);
  SendMessageA(host->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT | PRF_ERASEBKGND);
  // The pattern itself, so that two equally wrong pictures cannot pass.
  EXPECT_EQ(screen.Pixel(1, 1), kRed);
  EXPECT_EQ(screen.Pixel(3, 3), kLime);
  EXPECT_EQ(screen.Pixel(55, 5), kBlue);
  EXPECT_EQ(screen.Pixel(61, 21), kRed) << "expected the window-less child painted at its place";
  std::string where;
  EXPECT_TRUE(screen.SameAs(printed, &where)) << where;
  EXPECT_FALSE(host->ControlState().Contains(csPaintCopy));
}

INSTANTIATE_TEST_SUITE_P(Buffering, PrintFixture, ::testing::Values(false, true));

TEST(Print, CheckVisibleSkipsAHiddenControl) {
  Owned<TForm> form(new TForm(nullptr));
  auto* host = new Probe(form.get(), "Host");
  host->SetParent(form.get());
  host->SetVisible(false);
  Dib dib(40, 20);
  host->paints = 0;
  SendMessageA(host->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT | PRF_CHECKVISIBLE);
  EXPECT_EQ(host->paints, 0);
  EXPECT_EQ(dib.Pixel(1, 1), 0u);
}

TEST(Canvas, DrawsWithItsObjectsAndLeavesTheDCAsItWas) {
  Dib dib(40, 20);
  HGDIOBJ font_before = GetCurrentObject(dib.dc(), OBJ_FONT);
  HGDIOBJ brush_before = GetCurrentObject(dib.dc(), OBJ_BRUSH);
  TCanvas canvas;
  canvas.SetHandle(dib.dc());
  canvas.Brush().SetColor(clYellow);
  canvas.Pen().SetColor(clRed);
  canvas.Rectangle(0, 0, 10, 10);
  canvas.Font().SetColor(clWhite);
  canvas.Brush().SetColor(clBlack);
  canvas.TextOut(12, 2, "W");
  EXPECT_EQ(dib.Pixel(0, 0), kRed) << "outline in the pen colour";
  EXPECT_EQ(dib.Pixel(5, 5), 0xFFFF00u) << "fill in the brush colour";
  EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_FONT), font_before);
  EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_BRUSH), brush_before);
  canvas.Font().SetName("Tahoma");  // the old font handle is deleted at once: it was not left selected
  EXPECT_GT(canvas.TextWidth("WWW"), canvas.TextWidth("W"));
}

TEST(Canvas, SystemColoursResolveWhenDrawn) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  Dib dib(4, 4);
  TCanvas canvas;
  canvas.SetHandle(dib.dc());
  canvas.Brush().SetColor(clHighlight);
  canvas.FillRect(RECT{0, 0, 4, 4});
  COLORREF c = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(dib.Pixel(1, 1), (uint32_t(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c));
}

TEST(Font, ChangesAreAnnouncedOnceAndAssignCopiesEverything) {
  TFont a, b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  a.SetName("Tahoma");
  a.SetSize(12);
  a.SetStyle(TFontStyles{fsBold, fsItalic});
  a.SetColor(clRed);
  b.Assign(a);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(b.Equals(a));
  b.Assign(a);
  EXPECT_EQ(changes, 1) << "expected no notice when nothing changes";
  EXPECT_EQ(b.Size(), 12);
  LOGFONTA lf{};
  GetObjectA(b.Handle(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_STREQ(lf.lfFaceName, "Tahoma");
}

TEST(Bitmap, DibSectionRowsAndTransparentDrawing) {
  TBitmap bmp;
  bmp.SetPixelFormat(pf32bit);
  bmp.SetSize(4, 2);
  bmp.Canvas().Brush().SetColor(clFuchsia);
  bmp.Canvas().FillRect(RECT{0, 0, 4, 2});
  bmp.Canvas().SetPixel(1, 0, clLime);
  uint8_t* row0 = bmp.ScanLine(0);
  ASSERT_NE(row0, nullptr);
  EXPECT_EQ(row0[4 + 1], 0xFF) << "expected green of pixel (1,0) in the top row";
  EXPECT_EQ(bmp.ScanLine(2), nullptr);
  bmp.SetTransparent(true);
  EXPECT_EQ(bmp.TransparentColor(), clFuchsia) << "expected the bottom-left pixel as transparent colour";
  Dib dib(4, 2);
  TCanvas canvas;
  canvas.SetHandle(dib.dc());
  canvas.Draw(0, 0, bmp);
  EXPECT_EQ(dib.Pixel(0, 0), 0u) << "expected the transparent colour not drawn";
  EXPECT_EQ(dib.Pixel(1, 0), kLime);
}

TEST(ImageList, CellsAreDrawnThroughTheirMask) {
  TBitmap strip;
  strip.SetSize(8, 4);  // two 4x4 cells
  strip.Canvas().Brush().SetColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, 8, 4});
  strip.Canvas().Brush().SetColor(clBlue);
  strip.Canvas().FillRect(RECT{4, 0, 6, 4});  // cell 1: left half blue
  TImageList list(4, 4);
  EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(list.Count(), 2);
  Dib dib(4, 4);
  PatBlt(dib.dc(), 0, 0, 4, 4, WHITENESS);
  TCanvas canvas;
  canvas.SetHandle(dib.dc());
  list.Draw(canvas, 0, 0, 1);
  EXPECT_EQ(dib.Pixel(0, 0), kBlue);
  EXPECT_EQ(dib.Pixel(3, 0), 0xFFFFFFu) << "expected the masked colour to leave the background";
}

TEST(Label, WrapsCentresVerticallyAndSizesItself) {
  Owned<TForm> form(new TForm(nullptr));
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetCaption("&File");
  const int one_line = label->Height();
  EXPECT_GT(label->Width(), 0);
  label->SetWordWrap(true);
  label->SetWidth(30);
  label->SetCaption("one two three four");
  EXPECT_GT(label->Height(), 2 * one_line) << "expected a wrapped label to grow in height";
  EXPECT_EQ(label->Width(), 30) << "expected a wrapped label to keep its width";
}

}  // namespace
}  // namespace pp::toolkit::testing
