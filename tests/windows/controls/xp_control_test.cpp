// The themed control base: SmoothDraw, the state query, printing client and frame, a parent's
// image under a control, the window-DC redirection.
#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "looks.h"
#include "toolkit/handles.h"

namespace pp::controls::testing {
namespace {

using namespace pp::toolkit;

class XPControl : public ::testing::Test {
 protected:
  void SetUp() override {
    pp::test::StartControlsForTests();
    form.reset(new TForm(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(200, 200, 160, 90);
    control = new PatternControl(form.get());
    control->SetBounds(20, 10, 100, 40);
    control->SetParent(form.get());
  }
  Owned<TForm> form;
  PatternControl* control = nullptr;
};

TEST_F(XPControl, SmoothDrawNotifiesOnlyOnAChange) {
  EXPECT_FALSE(control->SmoothDraw());
  control->SetSmoothDraw(false);
  EXPECT_EQ(control->smooth_changes, 0);
  control->SetSmoothDraw(true);
  control->SetSmoothDraw(true);
  EXPECT_EQ(control->smooth_changes, 1);
  control->SetSmoothDraw(false);
  EXPECT_EQ(control->smooth_changes, 2);
}

TEST_F(XPControl, AnswersTheStateQuery) {
  auto* plain = new TXPCustomControl(form.get());
  plain->SetParent(form.get());
  struct Case {
    TControl* target;
    bool changed;
    WPARAM wparam;
    LRESULT result;
    int marks;
  };
  const Case cases[] = {
      {plain, false, 1, 0, 0},     // the base never reports a change
      {control, false, 1, 0, 0},
      {control, true, 1, 1, 0},
      {control, true, 2, 0, 1},    // marks the state seen, answers nothing
      {control, true, 3, 0, 0},    // any other code: nothing
      {control, true, 0, 0, 0},
  };
  for (const Case& c : cases) {
    control->state_changed = c.changed;
    control->marks = 0;
    HWND wnd = static_cast<TWinControl*>(c.target)->Handle();
    EXPECT_EQ(SendMessageA(wnd, XPM_STATEQUERY, c.wparam, 0), c.result) << "wParam " << c.wparam;
    EXPECT_EQ(control->marks, c.marks) << "wParam " << c.wparam;
  }
}

TEST_F(XPControl, PrintClientPaintsWhatPaintPaintsAndErasesNothing) {
  form->Show();
  Pump();
  Surface screen(98, 38), printed(98, 38, RGB(1, 2, 3));
  RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  GdiFlush();
  {
    ClientDC dc(control->Handle());
    BitBlt(screen.dc(), 0, 0, 98, 38, dc.get(), 0, 0, SRCCOPY);
  }
  EXPECT_EQ(screen.Pixel(1, 1), kRed);
  EXPECT_EQ(screen.Pixel(3, 3), kLime);
  EXPECT_EQ(screen.Pixel(60, 5), kBlue);
  SendMessageA(control->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT | PRF_ERASEBKGND);
  std::string where;
  EXPECT_TRUE(SamePixels(screen, printed, &where)) << where;
  EXPECT_FALSE(control->ControlState().Contains(csPaintCopy));

  // WM_ERASEBKGND answers 1 and leaves the DC alone.
  Surface erased(20, 20, RGB(1, 2, 3));
  EXPECT_EQ(SendMessageA(control->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc()), 0), 1);
  EXPECT_EQ(erased.Pixel(5, 5), 0x010203u);
}

TEST_F(XPControl, PrintClientWithCheckVisiblePassesAHiddenControlOn) {
  control->SetVisible(false);
  control->HandleNeeded();
  control->paints = 0;
  Surface dib(20, 20, RGB(1, 2, 3));
  SendMessageA(control->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT | PRF_CHECKVISIBLE);
  EXPECT_EQ(control->paints, 0);
  EXPECT_EQ(dib.Pixel(5, 5), 0x010203u);
}

TEST_F(XPControl, PrintLandsFrameDrawingInThePrintDC) {
  form->Show();
  Pump();
  Surface printed(100, 40, RGB(1, 2, 3));
  const LRESULT result = SendMessageA(control->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.dc()),
                                      PRF_NONCLIENT | PRF_CLIENT);
  EXPECT_EQ(result, 1);
  GdiFlush();
  // The frame drawn through the whole-window DC, then the client inside the 1-pixel border.
  EXPECT_EQ(printed.Pixel(0, 0), kYellow) << "expected the frame in the print DC";
  EXPECT_EQ(printed.Pixel(1, 20), kYellow);
  EXPECT_EQ(printed.Pixel(3, 3), kLime) << "expected the client inside the border";
  EXPECT_EQ(printed.Pixel(80, 20), kBlue);
  EXPECT_FALSE(PrintRedirectActive());
  EXPECT_FALSE(control->ControlState().Contains(csPaintCopy));
}

TEST_F(XPControl, OutsidePrintingWindowDCsAreTheSystems) {
  form->Show();
  Pump();
  for (HWND wnd : {control->Handle(), form->Handle(), GetDesktopWindow()}) {
    bool from_system = false;
    HDC dc = RequestWindowDC(wnd, from_system);
    EXPECT_TRUE(from_system);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(WindowFromDC(dc), wnd) << "expected the window's own DC";
    ReleaseDC(wnd, dc);
  }
}

TEST_F(XPControl, PaintParentImageShowsTheParentUnderTheChild) {
  // The parent paints the pattern; the child lies over part of it.
  Owned<TForm> host(new TForm(nullptr));
  host->SetBorderStyle(bsNone);
  host->SetBounds(200, 200, 160, 90);
  auto* parent = new PatternControl(host.get());
  parent->SetBounds(0, 0, 120, 60);
  parent->SetParent(host.get());
  auto* child = new TXPCustomControl(host.get());
  child->SetBounds(50, 1, 30, 20);  // straddles the red/blue border at x = 59 of the client
  child->SetParent(parent);
  parent->SetDoubleBuffered(true);
  host->Show();
  Pump();
  Surface under(30, 20, RGB(1, 2, 3));
  PaintParentImage(child, under.dc());
  GdiFlush();
  // Parent client pixel (x, y) lands at (x - 50, y - 1); the lime square is at 2..5 (not under us).
  EXPECT_EQ(under.Pixel(0, 0), kRed);
  EXPECT_EQ(under.Pixel(8, 5), kRed);
  EXPECT_EQ(under.Pixel(9, 5), kBlue);
  EXPECT_TRUE(parent->DoubleBuffered()) << "expected the parent's buffering restored";
  // With a clip rectangle only that part is painted; the DC's origin comes back.
  Surface clipped(30, 20, RGB(1, 2, 3));
  RECT clip = {0, 0, 5, 5};
  PaintParentImage(child, clipped.dc(), &clip);
  GdiFlush();
  EXPECT_EQ(clipped.Pixel(1, 1), kRed);
  EXPECT_EQ(clipped.Pixel(10, 10), 0x010203u);
  POINT origin{};
  GetWindowOrgEx(clipped.dc(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  // Without a parent: nothing.
  auto* orphan = new TXPCustomControl(host.get());
  Surface none(10, 10, RGB(1, 2, 3));
  PaintParentImage(orphan, none.dc());
  EXPECT_EQ(none.Pixel(1, 1), 0x010203u);
}

}  // namespace
}  // namespace pp::controls::testing
