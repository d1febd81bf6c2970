// Mouse: a click needs press and release inside, one click per press; window-less controls get
// their parent's mouse messages; mouse enter and leave follow the real cursor.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

struct MouseFixture : ::testing::Test {
  Owned<TForm> form;
  Probe* probe = nullptr;
  GraphicProbe* graphic = nullptr;
  void SetUp() override {
    form.reset(new TForm(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(200, 200, 200, 100);
    probe = new Probe(form.get(), "Probe");
    probe->SetBounds(10, 10, 40, 20);
    probe->SetParent(form.get());
    graphic = new GraphicProbe(form.get());
    graphic->SetBounds(100, 10, 30, 16);
    graphic->SetParent(form.get());
    form->Show();
    Pump();
  }
};

// Press and release positions in the control's own coordinates.
struct ClickCase {
  const char* what;
  POINT down, up;
  int clicks;
};
const ClickCase kClickCases[] = {
    {"press and release inside", {5, 5}, {20, 10}, 1},
    {"release outside", {5, 5}, {60, 10}, 0},
    {"release outside above", {5, 5}, {5, -3}, 0},
    {"press outside, release inside", {-5, 5}, {5, 5}, 0},
};

TEST_F(MouseFixture, WindowedControlClicksOnlyWhenPressAndReleaseAreInside) {
  for (const ClickCase& c : kClickCases) {
    probe->clicks = 0;
    // A press outside lands on the parent; the release goes where the capture says.
    bool inside = c.down.x >= 0 && c.down.y >= 0;
    HWND down_wnd = inside ? probe->Handle() : form->Handle();
    POINT down = inside ? c.down : POINT{c.down.x + probe->Left(), c.down.y + probe->Top()};
    SendMessageA(down_wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    HWND up_wnd = GetCapture() ? GetCapture() : probe->Handle();
    POINT up = c.up;
    if (up_wnd == form->Handle()) up = POINT{c.up.x + probe->Left(), c.up.y + probe->Top()};
    SendMessageA(up_wnd, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    EXPECT_EQ(probe->clicks, c.clicks) << c.what;
    EXPECT_EQ(GetCapture(), nullptr) << c.what << ": expected the capture released";
  }
}

TEST_F(MouseFixture, GraphicControlGetsItsParentsMouseMessagesAndTheSameClickRule) {
  for (const ClickCase& c : kClickCases) {
    graphic->clicks = 0;
    auto to_parent = [&](POINT p) { return MAKELPARAM(p.x + graphic->Left(), p.y + graphic->Top()); };
    SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, to_parent(c.down));
    SendMessageA(form->Handle(), WM_LBUTTONUP, 0, to_parent(c.up));
    EXPECT_EQ(graphic->clicks, c.clicks) << c.what;
  }
}

// However the press loses its capture, the release that follows over the control is stray and
// must not click: a modal loop or menu cancelling the mode, another window taking the capture,
// or the capture simply released.
TEST_F(MouseFixture, ReleaseAfterTheCaptureWasLostDoesNotClick) {
  HWND other = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  struct LossCase {
    const char* what;
    std::function<void(HWND holder)> lose;
  };
  const LossCase cases[] = {
      {"WM_CANCELMODE", [](HWND holder) { SendMessageA(holder, WM_CANCELMODE, 0, 0); }},
      {"another window took the capture", [&](HWND) { SetCapture(other); }},
      {"ReleaseCapture", [](HWND) { ReleaseCapture(); }},
  };
  for (const LossCase& c : cases) {
    probe->clicks = 0;
    SendMessageA(probe->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(GetCapture(), probe->Handle()) << c.what;
    c.lose(probe->Handle());
    ReleaseCapture();
    SendMessageA(probe->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(probe->clicks, 0) << "windowed, " << c.what << ": expected 0 clicks, got " << probe->clicks;

    graphic->clicks = 0;
    const LPARAM at = MAKELPARAM(graphic->Left() + 5, graphic->Top() + 5);
    SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ASSERT_EQ(GetCapture(), form->Handle()) << c.what;
    c.lose(form->Handle());
    ReleaseCapture();
    SendMessageA(form->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(graphic->clicks, 0) << "graphic, " << c.what << ": expected 0 clicks, got " << graphic->clicks;
  }
  DestroyWindow(other);
  // And the next press and release still click.
  SendMessageA(probe->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(probe->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(probe->clicks, 1);
}

TEST_F(MouseFixture, DoubleClickWithoutTheStyleIsASecondPressNotASecondClick) {
  int dbl = 0;
  probe->OnDblClick = [&](TComponent*) { ++dbl; };
  auto click_twice = [&] {
    SendMessageA(probe->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(probe->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(probe->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(probe->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  click_twice();
  EXPECT_EQ(probe->clicks, 1) << "with csDoubleClicks: one click, then a double click";
  EXPECT_EQ(dbl, 1);
  probe->clicks = 0;
  probe->SetControlStyle(probe->ControlStyle().Exclude(csDoubleClicks));
  click_twice();
  EXPECT_EQ(probe->clicks, 2) << "without csDoubleClicks: two clicks";
  EXPECT_EQ(dbl, 1);
}

TEST_F(MouseFixture, SystemButtonClicksOncePerPressAndRelease) {
  auto* button = new TButton(form.get());
  button->SetBounds(10, 50, 60, 25);
  button->SetParent(form.get());
  Pump();
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  PostMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(clicks, 1);
  PostMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
  Pump();
  EXPECT_EQ(clicks, 1) << "expected no click for a release outside";
}

TEST_F(MouseFixture, EnterAndLeaveFollowTheCursor) {
  std::vector<std::string> log;
  probe->OnMouseEnter = [&](TComponent*) { log.push_back("enter probe"); };
  probe->OnMouseLeave = [&](TComponent*) { log.push_back("leave probe"); };
  graphic->OnMouseEnter = [&](TComponent*) { log.push_back("enter graphic"); };
  graphic->OnMouseLeave = [&](TComponent*) { log.push_back("leave graphic"); };
  // The system reports a move of the cursor as a real WM_MOUSEMOVE, and its leaving a window
  // after its own polling interval: wait for the expected number of entries.
  auto wait_for = [&](size_t entries) {
    const DWORD start = GetTickCount();
    while (log.size() < entries && GetTickCount() - start < 3000) Pump(1);
  };
  auto move_to = [&](TControl* c, int x, int y, size_t entries) {
    POINT p = c->ClientToScreen(POINT{x, y});
    SetCursorPos(p.x, p.y);
    wait_for(entries);
  };
  move_to(probe, 5, 5, 1);
  move_to(graphic, 5, 5, 3);
  move_to(form.get(), 190, 90, 4);
  move_to(graphic, 2, 2, 5);
  SetCursorPos(5, 5);  // off the form
  wait_for(6);
  const std::vector<std::string> expected{"enter probe", "leave probe", "enter graphic", "leave graphic",
                                          "enter graphic", "leave graphic"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(MouseControl(), nullptr);
}

}  // namespace
}  // namespace pp::toolkit::testing
