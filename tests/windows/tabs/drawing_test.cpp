// What the strip and the pane look like: pixels read back per look and tab position, printing
// paints what the screen shows, and pictures of each look for the eye.
#include <gtest/gtest.h>

#include <string>

#include "controls/tabs/tab_painting.h"
#include "tabs_fixture.h"

namespace pp::controls::testing {
namespace {

using namespace toolkit;

void Print(TWinControl& c, Dib& to) {
  SendMessageA(c.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(to.dc()), PRF_CLIENT | PRF_ERASEBKGND);
}

void CopyFromScreen(TWinControl& c, Dib& to) {
  RedrawWindow(c.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  GdiFlush();
  HDC dc = GetWindowDC(c.Handle());
  BitBlt(to.dc(), 0, 0, to.width, to.height, dc, 0, 0, SRCCOPY);
  ReleaseDC(c.Handle(), dc);
}

struct LookCase {
  TabLook look;
  const char* name;
};
const LookCase kLooks[] = {{TabLook::Classic, "classic"}, {TabLook::Luna, "luna"}, {TabLook::Themed, "themed"}};

TEST(TabDrawing, PrintingPaintsWhatTheScreenShows) {
  for (const LookCase& l : kLooks) {
    LookScope look(l.look);
    PageForm f({"Data Bit Outputs", "Status"}, 200, 120);
    Dib screen(200, 120), printed(200, 120);
    CopyFromScreen(*f.pages, screen);
    Print(*f.pages, printed);
    std::string where;
    EXPECT_TRUE(screen.SameAs(printed, &where)) << l.name << " " << where;
  }
}

TEST(TabDrawing, ClassicPaneAndTabEdges) {
  LookScope look(TabLook::Classic);
  PageForm f({"One", "Two"}, 200, 120);
  Dib d(200, 120);
  Print(*f.pages, d);
  const uint32_t light = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)), face = Rgb(GetSysColor(COLOR_BTNFACE));
  const RECT pane = f.pages->DisplayRect();
  EXPECT_EQ(d.Pixel(100, pane.top), light) << "the pane's top edge, right of the tabs";
  EXPECT_EQ(d.Pixel(pane.left, 60), light) << "the pane's left edge";
  EXPECT_EQ(d.Pixel(100, 60), face) << "inside the pane";
  RECT sel = f.pages->TabRect(0);
  EXPECT_EQ(d.Pixel(sel.left + 10, sel.top), light) << "the selected tab's top edge";
  EXPECT_EQ(d.Pixel(sel.left, sel.top), face) << "its corner is rounded off";
  EXPECT_EQ(d.Pixel(sel.left + 10, pane.top), face) << "the selected tab opens into the pane";
}

TEST(TabDrawing, LunaBandOnTheSelectedTabFollowsThePosition) {
  LookScope look(TabLook::Luna);
  for (TWinXPTabPosition position : {tpTop, tpBottom}) {
    PageForm f({"One", "Two"}, 200, 120);
    f.pages->SetTabPosition(position);
    Pump();
    Dib d(200, 120);
    Print(*f.pages, d);
    RECT sel = f.pages->TabRect(0);
    const int mid = (sel.left + sel.right) / 2;
    const char* name = position == tpTop ? "top" : "bottom";
    if (position == tpTop) {
      EXPECT_EQ(d.Pixel(mid, sel.top + 1), Rgb(kLunaTabSelected)) << name;
      EXPECT_LT(f.pages->TabsRect().bottom, 30) << name;
    } else {
      EXPECT_EQ(d.Pixel(mid, sel.bottom - 1), Rgb(kLunaTabSelected)) << name << ": the face mirrored";
      EXPECT_EQ(f.pages->TabsRect().bottom, 120) << name;
      EXPECT_GT(f.sheets[0]->Top(), 0);
      EXPECT_LE(f.sheets[0]->Top() + f.sheets[0]->Height(), f.pages->DisplayRect().bottom - 4) << name;
    }
  }
}

TEST(TabDrawing, HotTabFollowsTheMouse) {
  LookScope look(TabLook::Luna);
  PageForm f({"One", "Two", "Three"}, 240, 100);
  RECT r = f.pages->TabRect(1);
  SendMessageA(f.pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, r.top + 4));
  EXPECT_EQ(f.pages->HotTab(), 1);
  EXPECT_EQ(f.pages->TabDetail(1), 23);
  Dib d(240, 100);
  Print(*f.pages, d);
  EXPECT_EQ(d.Pixel((r.left + r.right) / 2, r.top + 1), Rgb(kLunaTabHot));
  f.pages->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(f.pages->HotTab(), -1);
}

// Pictures of each look: one tab as in the dialog, many tabs with scroll buttons, tabs below,
// a hot and a focused tab. Written beside the test executable for looking at.
TEST(TabDrawing, Pictures) {
  for (const LookCase& l : kLooks) {
    LookScope look(l.look);
    const std::string base = std::string("tabs_") + l.name;
    {
      PageForm f({"Data Bit Outputs"});
      Dib d(121, 209);
      CopyFromScreen(*f.pages, d);
      d.SavePng(base + "_one.png");
    }
    {
      PageForm f({"First", "Second", "Third", "Fourth", "Fifth", "Sixth"}, 220, 90);
      f.pages->SetVisibleTabIndex(2);
      f.pages->SetFocus();
      Pump();
      RECT r = f.pages->TabRect(3);
      SendMessageA(f.pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, r.top + 4));
      Dib d(220, 90);
      CopyFromScreen(*f.pages, d);
      d.SavePng(base + "_many.png");
      f.pages->SetTabPosition(tpBottom);
      Pump();
      CopyFromScreen(*f.pages, d);
      d.SavePng(base + "_bottom.png");
    }
  }
}

}  // namespace
}  // namespace pp::controls::testing
