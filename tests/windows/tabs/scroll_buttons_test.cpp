// The scroll buttons: a press clicks at once, a held press repeats after 500 ms and then every
// 100 ms, a release or a lost capture stops it; the half under the mouse is hot.
#include <gtest/gtest.h>

#include "tab_fixture.h"

namespace pp::controls::tabtest {
namespace {

using namespace toolkit;

struct ButtonsForm {
  ButtonsForm() {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(200, 200, 100, 40);
    buttons = new TXPScrollButtons(form);
    buttons->SetBounds(10, 10, 34, 17);
    buttons->SetParent(form);
    buttons->OnUpClick = [this](TComponent*) { ++up; };
    buttons->OnDownClick = [this](TComponent*) { ++down; };
    form->Show();
    Pump();
  }
  ~ButtonsForm() { form->Free(); }
  TForm* form;
  TXPScrollButtons* buttons;
  int up = 0, down = 0;
};

TEST(ScrollButtons, HeldPressRepeatsFirstAfter500ThenEvery100) {
  ButtonsForm f;
  HWND w = f.buttons->Handle();
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 5));
  EXPECT_EQ(f.down, 1) << "a press clicks at once";
  EXPECT_EQ(f.up, 0);
  const DWORD start = GetTickCount();
  PumpUntil([] { return false; }, 350);
  EXPECT_EQ(f.down, 1) << "no repeat before 500 ms";
  ASSERT_TRUE(PumpUntil([&] { return f.down >= 2; }, 2000)) << "expected a repeat, got none";
  const DWORD first_repeat = GetTickCount() - start;
  EXPECT_GE(first_repeat, 400u);
  PumpUntil([] { return false; }, 1000);
  const int repeats = f.down - 2;
  // Ten at 100 ms in a second; the emulated machine is slow to wake, so allow a wide band.
  EXPECT_GE(repeats, 4) << "expected about 10 repeats in a second, got " << repeats;
  EXPECT_LE(repeats, 11) << "expected about 10 repeats in a second, got " << repeats;
  SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(25, 5));
  const int after_release = f.down;
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(f.down, after_release) << "a release stops the repeat";
}

TEST(ScrollButtons, LostCaptureStopsAndHalvesAreHot) {
  ButtonsForm f;
  HWND w = f.buttons->Handle();
  SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
  EXPECT_EQ(f.buttons->HotPart(), TXPScrollButtons::Up);
  SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
  EXPECT_EQ(f.buttons->HotPart(), TXPScrollButtons::Down);
  f.buttons->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(f.buttons->HotPart(), TXPScrollButtons::None);

  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
  EXPECT_EQ(f.up, 1);
  EXPECT_EQ(f.buttons->PressedPart(), TXPScrollButtons::Up);
  SendMessageA(w, WM_CANCELMODE, 0, 0);
  EXPECT_EQ(f.buttons->PressedPart(), TXPScrollButtons::None);
  PumpUntil([] { return false; }, 700);
  EXPECT_EQ(f.up, 1) << "no repeat after the press was cancelled";
}

}  // namespace
}  // namespace pp::controls::tabtest
