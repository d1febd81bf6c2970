// The bit button's glyph strip and kinds.
#include <windows.h>

#include <gtest/gtest.h>

#include "buttons_support.h"

namespace pp::controls::testing {
namespace {

using toolkit::TBitmap;

void MakeGlyph(TBitmap& b, int w, int h) {
  b.SetSize(w, h);
  b.Canvas().Brush().SetColor(toolkit::clFuchsia);
  b.Canvas().FillRect(RECT{0, 0, w, h});
}

struct BitBtn : ::testing::Test {
  void SetUp() override { StartButtonTests(); }
};

// The kind glyphs come from the image generator's resources; a program built without them
// cannot show a kind (the writer raises, as it must for a missing resource).
bool KindGlyphsBuiltIn() {
  try {
    return KindGlyph(bkOK) != nullptr;
  } catch (const std::exception&) {
    return false;
  }
}
#define REQUIRE_KIND_GLYPHS() \
  if (!KindGlyphsBuiltIn()) GTEST_SKIP() << "kind glyphs not built into this program"

TEST_F(BitBtn, GlyphStripsOfSquareCellsCountThemselvesOthersKeepNumGlyphs) {
  Owned<TXPBitBtn> b(new TXPBitBtn(nullptr));
  struct Case {
    int w, h, num_before, num_after, cell_width;
  };
  const Case cases[] = {
      {48, 16, 1, 3, 16},  // three square cells
      {40, 16, 2, 2, 20},  // not a multiple of the height: the count stays
      {16, 16, 4, 1, 16},
      {0, 0, 3, 1, 0},     // no glyph: one cell of nothing
  };
  for (const Case& c : cases) {
    b->SetNumGlyphs(c.num_before);
    TBitmap glyph;
    if (c.w) MakeGlyph(glyph, c.w, c.h);
    b->SetGlyph(glyph);
    EXPECT_EQ(b->NumGlyphs(), c.num_after) << c.w << " x " << c.h;
    EXPECT_EQ(b->CellCount(), c.w ? c.num_after : 0) << c.w << " x " << c.h;
  }
}

TEST_F(BitBtn, MarginBelowMinusOneIsIgnored) {
  Owned<TXPBitBtn> b(new TXPBitBtn(nullptr));
  b->SetMargin(5);
  b->SetMargin(-2);
  EXPECT_EQ(b->Margin(), 5);
  b->SetMargin(-1);
  EXPECT_EQ(b->Margin(), -1);
}

TEST_F(BitBtn, KindSetsCaptionResultDefaultCancelAndGlyphAndReadsBackCustomOnceChanged) {
  REQUIRE_KIND_GLYPHS();
  Owned<TXPBitBtn> b(new TXPBitBtn(nullptr));
  b->SetCaption("Save");
  b->SetKind(bkOK);
  EXPECT_EQ(b->Caption(), "OK") << "at run time the kind's caption replaces the caption";
  EXPECT_EQ(b->ModalResult(), toolkit::mrOk);
  EXPECT_TRUE(b->Default());
  EXPECT_FALSE(b->Cancel());
  EXPECT_EQ(b->NumGlyphs(), 2);
  EXPECT_EQ(b->Glyph().Width(), 36);
  EXPECT_EQ(b->Glyph().Height(), 18);
  EXPECT_EQ(b->Kind(), bkOK);

  b->SetKind(bkYes);
  EXPECT_EQ(b->Kind(), bkYes);
  TBitmap glyph;
  MakeGlyph(glyph, 32, 16);
  b->SetGlyph(glyph);
  EXPECT_EQ(b->Kind(), bkCustom) << "a glyph changed after the kind";

  b->SetKind(bkNo);
  b->SetModalResult(toolkit::mrCancel);
  EXPECT_EQ(b->Kind(), bkCustom) << "a modal result changed after the kind";

  Owned<TXPBitBtn> loading(new TXPBitBtn(nullptr));
  loading->BeginLoad();
  loading->SetCaption("Save");
  loading->SetKind(bkOK);
  loading->EndLoad();
  EXPECT_EQ(loading->Caption(), "Save") << "a stored caption stays while loading";
  EXPECT_EQ(loading->Kind(), bkOK);
}

TEST_F(BitBtn, EveryKindFindsItsGlyph) {
  REQUIRE_KIND_GLYPHS();
  for (int k = bkOK; k <= bkAll; ++k) {
    Owned<TXPBitBtn> b(new TXPBitBtn(nullptr));
    b->SetKind(static_cast<TBitBtnKind>(k));
    EXPECT_EQ(b->CellCount(), 2) << KindInfo(static_cast<TBitBtnKind>(k)).glyph;
  }
}

}  // namespace
}  // namespace pp::controls::testing

namespace pp::controls::testing {
namespace {

int CountPixels(const Dib& dib, uint32_t rgb) {
  int n = 0;
  for (int y = 0; y < dib.height; ++y)
    for (int x = 0; x < dib.width; ++x) n += dib.Pixel(x, y) == rgb;
  return n;
}

// A one-cell glyph disabled: its pixels become the lightened grey of their brightness (navy:
// 255 - (255 - 14) / 2 = 135), the transparent colour stays transparent.
TEST(BitBtnGlyphPixels, DisabledGlyphIsGreyedAndKeepsItsTransparentPixels) {
  StartButtonTests();
  Owned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 200, 80);
  auto* b = new TXPBitBtn(form.get());
  b->SetBounds(10, 10, 60, 30);
  b->SetParent(form.get());
  toolkit::TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas().Brush().SetColor(toolkit::clFuchsia);
  glyph.Canvas().FillRect(RECT{0, 0, 16, 16});
  glyph.Canvas().Brush().SetColor(toolkit::clNavy);
  glyph.Canvas().FillRect(RECT{4, 4, 12, 12});
  b->SetGlyph(glyph);
  Dib enabled(60, 30), disabled(60, 30);
  PrintInto(enabled, *b);
  b->SetEnabled(false);
  PrintInto(disabled, *b);
  EXPECT_EQ(CountPixels(enabled, 0x000080), 64) << "the navy square, whole";
  EXPECT_EQ(CountPixels(enabled, 0xFF00FF), 0) << "the transparent colour is not drawn";
  EXPECT_EQ(CountPixels(disabled, 0x878787), 64) << "greyed";
  EXPECT_EQ(CountPixels(disabled, 0x000080), 0);
  EXPECT_EQ(CountPixels(disabled, 0xFF00FF), 0);
}

}  // namespace
}  // namespace pp::controls::testing
