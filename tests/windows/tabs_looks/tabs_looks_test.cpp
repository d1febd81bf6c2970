// The strip and the pane in the look the prefix gives (PP_LOOK): where the pane begins, pixels
// read back per tab position, printing paints what the screen shows, and nothing leaks.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include "controls/tabs/tab_painting.h"
#include "looks.h"
#include "tab_fixture.h"

namespace pp::controls::tabtest {
namespace {

using namespace toolkit;

int TextHeightOf(TFont& font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  return tm.tmHeight;
}

class TabLooks : public ::testing::Test {
 protected:
  void SetUp() override { PP_REQUIRE_LOOK(); }
};

TEST_F(TabLooks, OneSheetAsInTheDialog) {
  PageForm f({"Data Bit Outputs"});
  ASSERT_EQ(GetXPLookMode(), *pp::test::ExpectedLook());
  // The dialogs' 8-point Tahoma has a text height of 13: strip 21, pane at 19 (classic) or 20
  // (Luna), the figures the native tests check. Wine's fonts skip 13, so the rule is checked
  // at the height they give.
  const int th = TextHeightOf(f.pages->Font());
  RECT probe{0, 0, 20, 20};
  int edge_top = GetXPLookMode() == xlmLuna ? 2 : 3;
  if (GetXPLookMode() == xlmThemed) {
    HTHEME theme = UxOpenThemeData(f.pages->Handle(), L"TAB");
    RECT c = probe;
    if (theme && SUCCEEDED(UxGetThemeBackgroundContentRect(theme, nullptr, kTabPartPane, 0, &probe, &c))) edge_top = c.top;
    if (theme) UxCloseThemeData(theme);
  }
  const int pane_top = th + 8 - (edge_top - 1);
  TWinXPTabSheet* sheet = f.sheets[0];
  EXPECT_EQ(f.pages->TabsRect().bottom - f.pages->TabsRect().top, th + 8);
  EXPECT_EQ(f.pages->DisplayRect().top, pane_top);
  EXPECT_EQ(sheet->Left(), 4);
  EXPECT_EQ(sheet->Top(), pane_top + 4);
  EXPECT_EQ(sheet->Width(), 121 - 8);
  EXPECT_EQ(sheet->Height(), 209 - 4 - pane_top - 4);
  EXPECT_EQ(f.pages->ActivePage(), sheet);
  EXPECT_TRUE(IsWindowVisible(sheet->Handle()));
  EXPECT_EQ(f.pages->TabDetail(0), 39) << "the only tab, selected";
}

TEST_F(TabLooks, PrintingPaintsWhatTheScreenShows) {
  for (TWinXPTabPosition position : {tpTop, tpBottom}) {
    PageForm f({"Data Bit Outputs", "Status"}, 200, 120);
    f.pages->SetTabPosition(position);
    Pump();
    gallery::Surface screen(200, 120), printed(200, 120);
    CopyFromScreen(*f.pages, screen);
    Print(*f.pages, printed);
    EXPECT_EQ(FirstDifference(screen, printed), "") << (position == tpTop ? "top" : "bottom");

    // The sheet shows the pane behind it: printed alone, it matches that part of the control.
    TWinXPTabSheet* sheet = f.sheets[0];
    gallery::Surface alone(sheet->Width(), sheet->Height()), part(sheet->Width(), sheet->Height());
    Print(*sheet, alone);
    BitBlt(part.dc(), 0, 0, part.width(), part.height(), printed.dc(), sheet->Left(), sheet->Top(), SRCCOPY);
    EXPECT_EQ(FirstDifference(part, alone), "") << "the sheet, " << (position == tpTop ? "top" : "bottom");
  }
}

TEST_F(TabLooks, PaneAndSelectedTabPerPosition) {
  for (TWinXPTabPosition position : {tpTop, tpBottom}) {
    PageForm f({"One", "Two"}, 200, 120);
    f.pages->SetTabPosition(position);
    Pump();
    gallery::Surface d(200, 120);
    Print(*f.pages, d);
    const char* name = position == tpTop ? "top" : "bottom";
    const RECT pane = f.pages->DisplayRect(), sel = f.pages->TabRect(0);
    const int mid = (sel.left + sel.right) / 2;
    // The face's outer row: the top row above the pane, the bottom row below it.
    const int outer = position == tpTop ? sel.top : sel.bottom - 1;
    const int inner = position == tpTop ? sel.top + 1 : sel.bottom - 2;
    if (position == tpTop) {
      EXPECT_EQ(f.pages->TabsRect().top, 0) << name;
    } else {
      EXPECT_EQ(f.pages->TabsRect().bottom, 120) << name;
      EXPECT_LE(f.sheets[0]->Top() + f.sheets[0]->Height(), pane.bottom - 4) << name;
    }
    switch (GetXPLookMode()) {
      case xlmClassic: {
        const uint32_t light = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)), face = Rgb(GetSysColor(COLOR_BTNFACE)),
                       dark = Rgb(GetSysColor(COLOR_3DDKSHADOW));
        EXPECT_EQ(d.Pixel(pane.left, (pane.top + pane.bottom) / 2), light) << name << ": the pane's left edge";
        EXPECT_EQ(d.Pixel(100, (pane.top + pane.bottom) / 2), face) << name << ": inside the pane";
        EXPECT_EQ(d.Pixel(sel.left, outer), face) << name << ": the corner rounded off";
        EXPECT_EQ(d.Pixel(mid, outer), position == tpTop ? light : dark) << name << ": the outer edge";
        break;
      }
      case xlmLuna:
        if (LunaTabImagesLoaded()) break;  // the images' own colours
        EXPECT_EQ(d.Pixel(mid, inner), Rgb(kLunaTabSelected)) << name << ": the band, mirrored below";
        EXPECT_EQ(d.Pixel(pane.left, (pane.top + pane.bottom) / 2), Rgb(kLunaPaneBorder)) << name;
        break;
      case xlmThemed:
        // The theme draws; the face differs from the pane's middle at its outer row.
        EXPECT_NE(d.Pixel(mid, outer), d.Pixel(100, (pane.top + pane.bottom) / 2)) << name;
        break;
    }
  }
}

long WineGdiObjects() {
  const uint8_t* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));  // the TEB's ProcessEnvironmentBlock
  auto* table = *reinterpret_cast<const uint8_t* const*>(peb + 0x94);
  if (!table) return -1;
  long live = 0;
  for (int i = 0; i < 0x4000; ++i) live += table[i * 24 + 14] != 0;
  return live;
}

long GdiObjects() {
  long n = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  return n ? n : WineGdiObjects();
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

// Page controls with scroll buttons made, switched, drawn and freed: the process keeps its GDI
// objects and the thread its windows.
TEST_F(TabLooks, MadeDrawnAndFreedLeavesNothing) {
  auto cycle = [] {
    PageForm f({"One", "Two", "Three", "Four", "Five", "Six"}, 160, 100);
    f.pages->SetVisibleTabIndex(4);
    f.pages->Tabs().Delete(1);
    gallery::Surface d(160, 100);
    Print(*f.pages, d);
    RedrawWindow(f.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  cycle();  // caches settle
  const long gdi = GdiObjects(), windows = ThreadWindows();
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(GdiObjects(), gdi) << "GDI objects before and after 100 cycles";
  EXPECT_EQ(ThreadWindows(), windows);
}

}  // namespace
}  // namespace pp::controls::tabtest
