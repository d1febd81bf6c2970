// Every way a check box changes state, and how many times OnClick fires for it, with State
// already at its new value when it fires: the dialogs write the port once per OnClick.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "buttons_support.h"

namespace pp::controls::testing {
namespace {

struct CheckBoxClicks : ::testing::Test, ButtonFormFixture {
  std::vector<TCheckBoxState> seen;  // State at each OnClick
  void SetUp() override {
    Build();
    box->OnClick = [this](toolkit::TComponent*) { seen.push_back(box->State()); };
    form->Show();
    Pump();
    Focus(box->Handle());
  }
  HWND wnd() { return box->Handle(); }
};

struct Action {
  const char* what;
  std::function<void(CheckBoxClicks&)> act;
  std::vector<TCheckBoxState> clicks;  // State seen by each OnClick
  TCheckBoxState final;
};

const Action kActions[] = {
    {"mouse click", [](CheckBoxClicks& t) { MouseDown(t.wnd(), 5, 5), MouseUp(t.wnd(), 5, 5); }, {cbChecked}, cbChecked},
    {"press, move out, release outside",
     [](CheckBoxClicks& t) {
       MouseDown(t.wnd(), 5, 5);
       MouseMove(t.wnd(), 200, 5, true);
       MouseUp(t.wnd(), 200, 5);
     },
     {},
     cbUnchecked},
    {"press, move out and back, release",
     [](CheckBoxClicks& t) {
       MouseDown(t.wnd(), 5, 5);
       MouseMove(t.wnd(), 200, 5, true);
       MouseMove(t.wnd(), 6, 6, true);
       MouseUp(t.wnd(), 6, 6);
     },
     {cbChecked},
     cbChecked},
    {"Space", [](CheckBoxClicks&) { PressKey(VK_SPACE); }, {cbChecked}, cbChecked},
    {"Space held while the mouse moves over",
     [](CheckBoxClicks& t) {
       PostKey(VK_SPACE, true);
       MouseMove(t.wnd(), 5, 5, false);
       MouseMove(t.wnd(), 50, 8, false);
       MouseMove(t.wnd(), 300, 8, false);
       PostKey(VK_SPACE, false);
     },
     {cbChecked},
     cbChecked},
    {"accelerator from another control",
     [](CheckBoxClicks& t) {
       t.Focus(t.foreign);
       PressAltChar('t');
     },
     {cbChecked},
     cbChecked},
    {"State from code, new value", [](CheckBoxClicks& t) { t.box->SetState(cbGrayed); }, {cbGrayed}, cbGrayed},
    {"Checked from code, new value", [](CheckBoxClicks& t) { t.box->SetChecked(true); }, {cbChecked}, cbChecked},
    {"State from code, same value", [](CheckBoxClicks& t) { t.box->SetState(cbUnchecked); }, {}, cbUnchecked},
    {"State while loading",
     [](CheckBoxClicks& t) {
       t.box->BeginLoad();
       t.box->SetState(cbChecked);
       t.box->EndLoad();
     },
     {},
     cbChecked},
    {"State while the user holds the mouse on the box, then the release",
     [](CheckBoxClicks& t) {
       MouseDown(t.wnd(), 5, 5);
       t.box->SetState(cbChecked);
       EXPECT_TRUE(t.seen.empty()) << "expected no OnClick while the mouse is held";
       MouseUp(t.wnd(), 5, 5);
     },
     {cbUnchecked},
     cbUnchecked},
    {"State while the user holds Space on the box",
     [](CheckBoxClicks& t) {
       PostKey(VK_SPACE, true);
       t.box->SetState(cbGrayed);
       EXPECT_TRUE(t.seen.empty()) << "expected no OnClick while Space is held";
       PostKey(VK_SPACE, false);
     },
     {cbChecked},
     cbChecked},
    {"double click: two clicks",
     [](CheckBoxClicks& t) {
       MouseDown(t.wnd(), 5, 5);
       MouseUp(t.wnd(), 5, 5);
       SendMessageA(t.wnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
       MouseUp(t.wnd(), 5, 5);
     },
     {cbChecked, cbUnchecked},
     cbUnchecked},
    {"BN_CLICKED reflected by the parent",
     [](CheckBoxClicks& t) {
       SendMessageA(t.form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(t.wnd()));
     },
     {cbChecked},
     cbChecked},
    // A key pressed while the mouse holds the box must not leave the box thinking a key is
    // held: the mouse release clicks once and the next change from code is a click again.
    {"another key during a mouse press, then code",
     [](CheckBoxClicks& t) {
       MouseDown(t.wnd(), 5, 5);
       PostKey(VK_SHIFT, true);
       MouseUp(t.wnd(), 5, 5);
       PostKey(VK_SHIFT, false);
       EXPECT_FALSE(t.box->Down()) << "expected the pressed look gone after the release";
       EXPECT_FALSE(t.box->ClicksSuppressed()) << "expected no press in progress";
       t.box->SetState(cbGrayed);
     },
     {cbChecked, cbGrayed},
     cbGrayed},
    {"capture lost during a press, stray release",
     [](CheckBoxClicks& t) {
       MouseDown(t.wnd(), 5, 5);
       SendMessageA(t.wnd(), WM_CANCELMODE, 0, 0);
       EXPECT_FALSE(t.box->Down()) << "expected the pressed look dropped with the capture";
       SendMessageA(t.wnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
     },
     {},
     cbUnchecked},
};

TEST_F(CheckBoxClicks, EachActionFiresOnClickAsOftenAsItChangesState) {
  for (const Action& a : kActions) {
    SCOPED_TRACE(a.what);
    box->SetAllowGrayed(false);
    box->OnClick = nullptr;
    box->SetState(cbUnchecked);
    Focus(box->Handle());
    seen.clear();
    box->OnClick = [this](toolkit::TComponent*) { seen.push_back(box->State()); };
    a.act(*this);
    Pump();
    EXPECT_EQ(seen, a.clicks) << a.what << ": expected " << a.clicks.size() << " OnClick, got " << seen.size();
    EXPECT_EQ(box->State(), a.final) << a.what;
    EXPECT_FALSE(box->Down()) << a.what << ": expected no pressed look left behind";
  }
}

TEST_F(CheckBoxClicks, AnOnClickThatAssignsStateChangesItWithoutANestedOnClick) {
  int calls = 0;
  box->OnClick = [&](toolkit::TComponent*) {
    ++calls;
    box->SetState(cbGrayed);
  };
  MouseDown(wnd(), 5, 5);
  MouseUp(wnd(), 5, 5);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(box->State(), cbGrayed) << "expected the value the handler wrote";
  EXPECT_FALSE(box->InClick());
}

TEST_F(CheckBoxClicks, ClicksCycleThroughGrayedOnlyWithAllowGrayed) {
  for (bool allow : {false, true}) {
    box->SetState(cbUnchecked);
    box->SetAllowGrayed(allow);
    seen.clear();
    for (int i = 0; i < 3; ++i) MouseDown(wnd(), 5, 5), MouseUp(wnd(), 5, 5);
    const std::vector<TCheckBoxState> expected =
        allow ? std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}
              : std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked};
    EXPECT_EQ(seen, expected) << "AllowGrayed " << allow;
  }
}

// A disabled box gets no mouse input from the system, but code still changes it with OnClick.
TEST_F(CheckBoxClicks, DisabledBoxIgnoresTheUserButNotCode) {
  box->SetEnabled(false);
  Pump();
  RECT r;
  GetWindowRect(wnd(), &r);
  SetCursorPos(r.left + 5, r.top + 5);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  Pump(10);
  EXPECT_TRUE(seen.empty()) << "expected no click on a disabled box";
  EXPECT_EQ(box->State(), cbUnchecked);
  box->SetState(cbChecked);
  EXPECT_EQ(seen, std::vector<TCheckBoxState>{cbChecked});
}

// The state query of the themed controls: changed since last marked seen.
TEST_F(CheckBoxClicks, StateQueryReportsAChangeUntilMarkedSeen) {
  EXPECT_EQ(SendMessageA(wnd(), XPM_STATEQUERY, 1, 0), 0);
  box->SetState(cbChecked);
  EXPECT_EQ(SendMessageA(wnd(), XPM_STATEQUERY, 1, 0), 1);
  SendMessageA(wnd(), XPM_STATEQUERY, 2, 0);
  EXPECT_EQ(SendMessageA(wnd(), XPM_STATEQUERY, 1, 0), 0);
}

}  // namespace
}  // namespace pp::controls::testing

namespace pp::controls::testing {
namespace {

// The box's window is at least the box plus 4 pixels high, and at least the caption's text
// height plus 2 once a font is set; it never shrinks by itself.
TEST(CheckBoxSize, GrowsToTheBoxAndTheCaptionNeverShrinks) {
  StartButtonTests();
  Owned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 200, 120);
  auto* box = new TXPCheckBox(form.get());
  box->SetBounds(4, 4, 150, 8);
  box->SetCaption("&Grow");
  box->SetParent(form.get());
  box->HandleNeeded();
  EXPECT_GE(box->Height(), 17) << "at least the box (13) plus 4";
  box->Font().SetHeight(-30);
  HDC dc = GetDC(nullptr);
  SelectObject(dc, box->Font().Handle());
  SIZE text{};
  GetTextExtentPoint32A(dc, "Grow", 4, &text);
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(box->Height(), text.cy + 2) << "the caption's height plus 2";
  const int tall = box->Height();
  box->Font().SetHeight(-8);
  EXPECT_EQ(box->Height(), tall) << "a smaller font leaves the height";
}

}  // namespace
}  // namespace pp::controls::testing
