// Keyboard routing: dialog keys, Tab order with a window the toolkit did not make,
// WM_GETDLGCODE, accelerators, child keys and focus-changed notices.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

struct KeyboardFixture : ::testing::Test {
  Owned<RecordingForm> form;
  Probe* first = nullptr;
  HWND foreign = nullptr;
  Probe* second = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
  int ok_clicks = 0, cancel_clicks = 0;

  void SetUp() override {
    form.reset(new RecordingForm(nullptr));
    form->SetBounds(100, 100, 300, 200);
    first = new Probe(form.get(), "First");
    first->SetBounds(10, 10, 40, 20);
    first->SetParent(form.get());
    second = new Probe(form.get(), "Second");
    second->SetBounds(10, 40, 40, 20);
    second->SetParent(form.get());
    ok = new TButton(form.get());
    ok->SetCaption("&OK");
    ok->SetDefault(true);
    ok->SetBounds(10, 100, 75, 25);
    ok->SetParent(form.get());
    ok->OnClick = [this](TComponent*) { ++ok_clicks; };
    cancel = new TButton(form.get());
    cancel->SetCaption("E&xit");
    cancel->SetCancel(true);
    cancel->SetBounds(100, 100, 75, 25);
    cancel->SetParent(form.get());
    cancel->OnClick = [this](TComponent*) { ++cancel_clicks; };
    form->Show();
    foreign = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60, 10, 60, 20, form->Handle(),
                              nullptr, nullptr, nullptr);
    Pump();
    first->SetFocus();
    Pump();
  }
  void TearDown() override {
    SetKeyDown(VK_SHIFT, false);
    form.reset();
  }
};

TEST_F(KeyboardFixture, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
  ASSERT_EQ(GetFocus(), first->Handle());
  PressKey(VK_RETURN);
  EXPECT_EQ(ok_clicks, 1);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(cancel_clicks, 1);
  EXPECT_TRUE(first->keys.empty()) << "expected dialog keys not to reach the control that does not ask for them";
  // Enter on a focused button clicks that button, not the default one.
  cancel->SetFocus();
  Pump();
  EXPECT_TRUE(cancel->Active());
  EXPECT_FALSE(ok->Active()) << "expected the default button inactive while another button has the focus";
  PressKey(VK_RETURN);
  EXPECT_EQ(cancel_clicks, 2);
  EXPECT_EQ(ok_clicks, 1);
}

TEST_F(KeyboardFixture, TabVisitsTheForeignWindowInOrderAndShiftTabGoesBack) {
  std::vector<HWND> visited;
  for (int i = 0; i < 5; ++i) {
    PressKey(VK_TAB);
    visited.push_back(GetFocus());
  }
  const std::vector<HWND> forward{second->Handle(), ok->Handle(), cancel->Handle(), foreign, first->Handle()};
  EXPECT_EQ(visited, forward);
  SetKeyDown(VK_SHIFT, true);
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), foreign) << "expected Shift+Tab from the first control to reach the foreign window";
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), cancel->Handle()) << "expected Shift+Tab out of the foreign window";
  SetKeyDown(VK_SHIFT, false);
  EXPECT_EQ(form->ActiveControl(), cancel);
}

TEST_F(KeyboardFixture, ControlThatAsksForKeysGetsThem) {
  first->dialog_code = DLGC_WANTTAB | DLGC_WANTARROWS;
  PressKey(VK_TAB);
  PressKey(VK_DOWN);
  EXPECT_EQ(GetFocus(), first->Handle()) << "expected the focus to stay";
  EXPECT_EQ(first->keys, (std::vector<WPARAM>{VK_TAB, VK_DOWN}));
  first->dialog_code = 0;
  PressKey(VK_DOWN);
  EXPECT_EQ(GetFocus(), second->Handle()) << "expected an arrow to move to the next control";
}

TEST_F(KeyboardFixture, AcceleratorsClickButtonsAndFocusALabelsControl) {
  auto* label = new TLabel(form.get());
  label->SetCaption("&Second");
  label->SetFocusControl(second);
  label->SetParent(form.get());
  struct Case {
    const char* what;
    UINT message;
    WPARAM ch;
    int ok, cancel;
    HWND focus;
  } cases[] = {
      {"Alt+O", WM_SYSCHAR, 'o', 1, 0, nullptr},
      {"plain x", WM_CHAR, 'x', 1, 1, nullptr},
      {"Alt+S (label)", WM_SYSCHAR, 's', 1, 1, second->Handle()},
      {"Alt+Q (nobody)", WM_SYSCHAR, 'q', 1, 1, second->Handle()},
  };
  for (const Case& c : cases) {
    PostMessageA(GetFocus(), c.message, c.ch, c.message == WM_SYSCHAR ? 0x20000001 : 1);
    Pump();
    EXPECT_EQ(ok_clicks, c.ok) << c.what;
    EXPECT_EQ(cancel_clicks, c.cancel) << c.what;
    if (c.focus) {
      EXPECT_EQ(GetFocus(), c.focus) << c.what;
    }
  }
  // A control that wants characters keeps plain letters for itself.
  second->dialog_code = DLGC_WANTCHARS;
  PostMessageA(second->Handle(), WM_CHAR, 'x', 1);
  Pump();
  EXPECT_EQ(cancel_clicks, 1);
}

TEST_F(KeyboardFixture, ChildKeysClimbToTheFormWithTheirOrigin) {
  PressKey(VK_F1);
  ASSERT_EQ(form->child_keys.size(), 1u);
  EXPECT_EQ(form->child_keys[0].first, static_cast<WPARAM>(VK_F1));
  EXPECT_EQ(form->child_keys[0].second, reinterpret_cast<LPARAM>(first));
  // From the foreign window the key is routed by its nearest toolkit ancestor, the form.
  SetFocus(foreign);
  PressKey(VK_F1);
  ASSERT_EQ(form->child_keys.size(), 2u);
  EXPECT_EQ(form->child_keys[1].second, reinterpret_cast<LPARAM>(form.get()));
}

TEST_F(KeyboardFixture, EveryControlHearsOfEachFocusChange) {
  first->focus_notices.clear();
  second->focus_notices.clear();
  second->SetFocus();
  Pump();
  ok->SetFocus();
  Pump();
  const std::vector<LPARAM> expected{reinterpret_cast<LPARAM>(second), reinterpret_cast<LPARAM>(ok)};
  EXPECT_EQ(first->focus_notices, expected);
  EXPECT_EQ(second->focus_notices, expected);
  EXPECT_EQ(form->ActiveControl(), ok);
}

TEST_F(KeyboardFixture, ActivationFocusesTheActiveControl) {
  second->SetFocus();
  Pump();
  form->Hide();
  Pump();
  form->Show();
  Pump();
  EXPECT_EQ(GetFocus(), second->Handle()) << "expected the focus back on the active control";
}

}  // namespace
}  // namespace pp::toolkit::testing
