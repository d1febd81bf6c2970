// Nothing leaks: each control made, painted (WM_PAINT and WM_PRINTCLIENT) and freed 1,000 times
// in the look of the run leaves the GDI objects and the thread's windows where they were.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "buttons_support.h"
#include "looks.h"

namespace pp::controls::testing {
namespace {

// Wine's GetGuiResources answers 0; its GDI handle table sits at the PEB's
// GdiSharedHandleTable (24-byte entries, a type byte of 0 marks a free one).
long GdiObjects() {
  if (long n = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))) return n;
  const uint8_t* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));  // the TEB's ProcessEnvironmentBlock
  auto* table = *reinterpret_cast<const uint8_t* const*>(peb + 0x94);
  if (!table) return -1;
  long live = 0;
  for (int i = 0; i < 0x4000; ++i) live += table[i * 24 + 14] != 0;
  return live;
}

BOOL CALLBACK CountWindow(HWND w, LPARAM data) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "IME") != 0) ++*reinterpret_cast<long*>(data);
  return TRUE;
}

long ThreadWindows() {
  long n = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&n));
  return n;
}

struct Leaks : ::testing::Test {
  Owned<TForm> form;
  void SetUp() override {
    PP_REQUIRE_LOOK();
    StartButtonTests();
    form.reset(new TForm(nullptr));
    form->SetBounds(0, 0, 240, 120);
    form->Show();
    Pump();
  }
  // Makes, paints through both paths and frees one control, `make` setting it up.
  void Cycle(const std::function<toolkit::TWinControl*(TForm&)>& make) {
    toolkit::TWinControl* c = make(*form);
    c->SetParent(form.get());
    Dib dib(c->Width(), c->Height());
    PrintInto(dib, *c);
    RedrawWindow(c->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    c->Free();
  }
  void ExpectFlat(const char* what, const std::function<toolkit::TWinControl*(TForm&)>& make) {
    Cycle(make);  // first-use caches: images, theme data, classes
    Pump();
    const long gdi = GdiObjects(), windows = ThreadWindows();
    ASSERT_GT(gdi, 0) << "expected a way to count GDI objects";
    for (int i = 0; i < 1000; ++i) Cycle(make);
    Pump();
    printf("%s: GDI objects %ld -> %ld, windows %ld -> %ld over 1000 cycles\n", what, gdi, GdiObjects(), windows,
           ThreadWindows());
    EXPECT_EQ(GdiObjects(), gdi) << what << ": GDI objects";
    EXPECT_EQ(ThreadWindows(), windows) << what << ": windows";
  }
};

TEST_F(Leaks, CheckBox) {
  ExpectFlat("check box", [](TForm& f) {
    auto* b = new TXPCheckBox(&f);
    b->SetCaption("&Check box");
    b->SetBounds(5, 5, 120, 17);
    b->SetState(cbChecked);
    return b;
  });
}

// A glyph of two cells, enabled and disabled in turn (the disabled cell is made at each paint).
TEST_F(Leaks, BitButtonWithAGlyph) {
  int n = 0;
  ExpectFlat("bit button", [&n](TForm& f) {
    auto* b = new TXPBitBtn(&f);
    b->SetBounds(5, 5, 90, 26);
    b->SetCaption("&Glyph");
    toolkit::TBitmap glyph;
    glyph.SetSize(32, 16);
    glyph.Canvas().Brush().SetColor(toolkit::clFuchsia);
    glyph.Canvas().FillRect(RECT{0, 0, 32, 16});
    glyph.Canvas().Brush().SetColor(toolkit::clNavy);
    glyph.Canvas().FillRect(RECT{3, 3, 13, 13});
    b->SetGlyph(glyph);
    b->SetDefault(true);
    b->SetEnabled(n++ % 2 == 0);
    return b;
  });
}

TEST_F(Leaks, PanelOfEachKind) {
  int kind = 0;
  ExpectFlat("panel", [&kind](TForm& f) {
    auto* p = new TXPExtPanel(&f);
    p->SetBounds(0, 0, 200, 80);
    p->SetCaption("Title");
    p->SetKind(static_cast<TXPExtPanelKind>(kind++ % 8));
    return p;
  });
}

}  // namespace
}  // namespace pp::controls::testing
