// The drawing helpers on real device contexts: alpha images, nine-slice, gradients, captions,
// transparent copies.
#include <gtest/gtest.h>

#include "controls/alpha_image.h"
#include "controls/draw_helpers.h"
#include "controls/gradient_math.h"
#include "controls/image_format.h"
#include "controls/xp_text.h"
#include "controls_fixture.h"
#include "looks.h"
#include "toolkit/errors.h"
#include "toolkit/handles.h"

namespace pp::controls::testing {
namespace {

using namespace pp::toolkit;

uint32_t Swap(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// An opaque test image, top row first: each pixel a different colour.
std::vector<uint32_t> Checker(int w, int h) {
  std::vector<uint32_t> p;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.push_back(0xFF000000u | ((x * 37) & 0xFF) << 16 | ((y * 53) & 0xFF) << 8 | ((x + y) * 11 & 0xFF));
  return p;
}

TEST(AlphaImage, LoadsPremultipliedIntoABottomUpSection) {
  const std::vector<uint32_t> top_down = {0x00FF8040, 0xFF102030, 0x80FF0080, 0xFFFFFFFF};
  const std::vector<uint8_t> bytes = EncodeAlphaImage(2, 2, top_down);
  TAlphaImage image("TEST", bytes.data(), bytes.size());
  EXPECT_EQ(image.Width(), 2);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(image.ResourceName(), "TEST");
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectA(image.Bitmap(), sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBmih.biBitCount, 32);
  EXPECT_GT(dib.dsBmih.biHeight, 0) << "expected rows bottom-up as stored";
  // Stored order: bottom row first.
  EXPECT_EQ(image.Bits()[0], 0x80800040u);
  EXPECT_EQ(image.Bits()[1], 0xFFFFFFFFu);
  EXPECT_EQ(image.Bits()[2], 0x00000000u) << "alpha 0 loads as nothing";
  EXPECT_EQ(image.Bits()[3], 0xFF102030u) << "alpha 255 keeps its colour";
}

TEST(AlphaImage, MissingOrBrokenResourcesRaise) {
  EXPECT_THROW(TAlphaImage("NO SUCH IMAGE"), EResNotFound);
  const uint8_t junk[] = {1, 2, 3};
  EXPECT_THROW(TAlphaImage("JUNK", junk, sizeof junk), EReadError);
}

TEST(NineSlice, AtTheSourceSizeReproducesTheSource) {
  const int w = 12, h = 9;
  const std::vector<uint32_t> pixels = Checker(w, h * 2);  // two frames
  const std::vector<uint8_t> bytes = EncodeAlphaImage(w, h * 2, pixels);
  TAlphaImage image("CHECKER", bytes.data(), bytes.size());
  for (bool alpha : {false, true}) {
    Surface out(w, h, RGB(0, 0, 0));
    const RECT frame1 = {0, h, w, 2 * h};
    const RECT centre = {3, 2, 9, 6};
    const RECT dest = {0, 0, w, h};
    DrawNineSlice(dest, centre, frame1, alpha, image.Bitmap(), out.dc());
    GdiFlush();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const uint32_t want = pixels[static_cast<size_t>(y + h) * w + x] & 0xFFFFFF;
        ASSERT_EQ(out.Pixel(x, y), want) << (alpha ? "blended" : "copied") << " at " << x << "," << y;
      }
  }
}

TEST(NineSlice, StretchedKeepsCornersAndBlendsOverTheBackground) {
  // A 3 x 3 image: opaque red corners, transparent edges and centre.
  std::vector<uint32_t> p(9, 0x00000000);
  for (int i : {0, 2, 6, 8}) p[i] = 0xFFFF0000;
  const std::vector<uint8_t> bytes = EncodeAlphaImage(3, 3, p);
  TAlphaImage image("CORNERS", bytes.data(), bytes.size());
  Surface out(20, 10, RGB(0, 0, 255));
  const RECT dest = {0, 0, 20, 10}, centre = {1, 1, 2, 2}, source = {0, 0, 3, 3};
  DrawNineSlice(dest, centre, source, true, image.Bitmap(), out.dc());
  GdiFlush();
  EXPECT_EQ(out.Pixel(0, 0), kRed);
  EXPECT_EQ(out.Pixel(19, 9), kRed);
  EXPECT_EQ(out.Pixel(19, 0), kRed);
  EXPECT_EQ(out.Pixel(1, 0), kBlue) << "expected the transparent edge to show the background";
  EXPECT_EQ(out.Pixel(10, 5), kBlue);
}

TEST(Gradient, FallbackLineAndSystemFillAgreeAtTheEnds) {
  StartDrawHelpers();
  const COLORREF a = RGB(0, 255, 0), b = RGB(255, 0, 10);
  const std::vector<uint32_t> line = GradientLine(a, b, 5);
  const bool was = UseSystemGradientFill(false);
  Surface h(5, 3), v(3, 5), one(1, 4);
  FillGradientRect(h.dc(), {0, 0, 5, 3}, a, true, b);
  FillGradientRect(v.dc(), {0, 0, 3, 5}, a, false, b);
  FillGradientRect(one.dc(), {0, 0, 1, 4}, a, true, b);
  GdiFlush();
  for (int i = 0; i < 5; ++i)
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(h.Pixel(i, k), Swap(line[i])) << "horizontal at " << i << "," << k;
      EXPECT_EQ(v.Pixel(k, i), Swap(line[i])) << "vertical at " << k << "," << i;
    }
  for (int y = 0; y < 4; ++y) EXPECT_EQ(one.Pixel(0, y), Swap(a)) << "a 1-pixel-wide gradient is the start colour";
  UseSystemGradientFill(true);
  Surface sys(64, 4);
  FillGradientRect(sys.dc(), {0, 0, 64, 4}, a, true, b);
  GdiFlush();
  EXPECT_EQ(sys.Pixel(0, 2), Swap(a));
  EXPECT_NEAR(static_cast<int>(sys.Pixel(63, 2) >> 16), 255, 8);
  UseSystemGradientFill(was);
}

TEST(Text, DrawXPTextLeavesTheDCAsItWas) {
  Surface s(120, 40);
  TCanvas canvas;
  canvas.SetHandle(s.dc());
  TFont font;
  font.SetName("Tahoma");
  font.SetHeight(-11);
  font.SetColor(clBlack);
  HRGN clip = CreateRectRgn(0, 0, 100, 30);
  SelectClipRgn(s.dc(), clip);
  DeleteObject(clip);
  SetTextColor(s.dc(), RGB(1, 2, 3));
  SetBkMode(s.dc(), OPAQUE);
  HGDIOBJ font_before = GetCurrentObject(s.dc(), OBJ_FONT);
  for (int flags : {0, dtfDisabled | dtfFocusRect, dtfWordWrap | dtfNoPrefix, int{dtfSmooth}}) {
    DrawXPText(canvas, {4, 4, 90, 24}, L"&Hello", xeEnd, static_cast<uint8_t>(flags), xvaCenter, xhaCenter, clDefault, font);
    EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_FONT), font_before) << "flags " << int(flags);
    EXPECT_EQ(GetTextColor(s.dc()), RGB(1, 2, 3)) << "flags " << int(flags);
    EXPECT_EQ(GetBkMode(s.dc()), OPAQUE) << "flags " << int(flags);
    RECT box;
    EXPECT_EQ(GetClipBox(s.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 100) << "expected the clip region back";
  }
  canvas.SetHandle(nullptr);
}

TEST(Text, DisabledIsEmbossedAndPrefixMarksAreNotMeasured) {
  Surface s(120, 40, RGB(128, 128, 128));
  TCanvas canvas;
  canvas.SetHandle(s.dc());
  TFont font;
  font.SetName("Tahoma");
  font.SetHeight(-11);
  DrawXPText(canvas, {0, 0, 120, 40}, L"WWW", xeNone, dtfDisabled, xvaTop, xhaLeft, clDefault, font);
  GdiFlush();
  int highlight = 0, shadow = 0;
  const uint32_t hl = Swap(GetSysColor(COLOR_BTNHIGHLIGHT)), sh = Swap(GetSysColor(COLOR_BTNSHADOW));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      highlight += s.Pixel(x, y) == hl;
      shadow += s.Pixel(x, y) == sh;
    }
  EXPECT_GT(highlight, 0) << "expected highlight pixels from the offset copy";
  EXPECT_GT(shadow, 0) << "expected shadow pixels on top";
  const RECT r = {0, 0, 200, 40};
  const SIZE with_prefix = MeasureXPText(canvas, r, L"&&A&B", 0, font);
  const SIZE literal = MeasureXPText(canvas, r, L"&&A&B", dtfNoPrefix, font);
  const SIZE smooth = MeasureXPText(canvas, r, L"&&A&B", dtfSmooth, font);
  const SIZE plain = MeasureXPText(canvas, r, L"&AB", dtfNoPrefix, font);
  EXPECT_LT(with_prefix.cx, literal.cx);
  EXPECT_EQ(plain.cx, with_prefix.cx) << "\"&&A&B\" shows as \"&AB\"";
  EXPECT_GT(smooth.cx, 0);
  EXPECT_LT(smooth.cx, literal.cx) << "expected the smooth measure without accelerator marks";
  canvas.SetHandle(nullptr);
}

TEST(Text, GlyphLayoutOfACheckBox) {
  Surface s(10, 10);
  TCanvas canvas;
  canvas.SetHandle(s.dc());
  TFont font;
  POINT glyph{};
  RECT text{};
  CalcGlyphLayout(canvas, {0, 0, 150, 17}, font, 0, {13, 13}, L"Data bit", blGlyphLeft, 0, 3, glyph, text);
  EXPECT_EQ(glyph.x, 0);
  EXPECT_EQ(glyph.y, 2);
  EXPECT_EQ(text.left, 16);
  EXPECT_GT(text.right, text.left);
  EXPECT_EQ(text.top, (17 - (text.bottom - text.top)) / 2) << "expected the caption centred vertically";
  canvas.SetHandle(nullptr);
}

TEST(TransparentBitmap, KeyColouredPixelsLeaveTheDestination) {
  Surface src(4, 1), dest(4, 1, RGB(0, 0, 255));
  SetPixel(src.dc(), 0, 0, RGB(255, 0, 255));
  SetPixel(src.dc(), 1, 0, RGB(255, 0, 0));
  SetPixel(src.dc(), 2, 0, RGB(255, 0, 255));
  SetPixel(src.dc(), 3, 0, RGB(0, 255, 0));
  DrawTransparentBitmap(dest.dc(), 0, 0, clFuchsia, src.dc(), 0, 0, 4, 1);
  GdiFlush();
  EXPECT_EQ(dest.Pixel(0, 0), kBlue);
  EXPECT_EQ(dest.Pixel(1, 0), kRed);
  EXPECT_EQ(dest.Pixel(2, 0), kBlue);
  EXPECT_EQ(dest.Pixel(3, 0), kLime);
}

}  // namespace
}  // namespace pp::controls::testing
