// Push buttons in a form with two themed buttons, a check box and a window the toolkit did not
// make: which button Enter, Esc and accelerators click from each focus position, Active
// following the focus, the modal result set before OnClick, and disabled buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include "buttons_support.h"
#include "toolkit/application.h"

namespace pp::controls::testing {
namespace {

using toolkit::TComponent;

struct PushButtons : ::testing::Test, ButtonFormFixture {
  void SetUp() override {
    Build();
    form->Show();
    Pump();
  }
  void Reset() { ok_clicks = read_clicks = box_clicks = 0; }
};

TEST_F(PushButtons, EnterEscAndAcceleratorsByFocusPosition) {
  struct Case {
    const char* focus;
    HWND (*where)(PushButtons&);
    WPARAM key;  // VK_RETURN, VK_ESCAPE, or 'r' for Alt+R
    int ok, read;
  };
  const Case cases[] = {
      {"check box", [](PushButtons& t) { return t.box->Handle(); }, VK_RETURN, 1, 0},
      {"check box", [](PushButtons& t) { return t.box->Handle(); }, VK_ESCAPE, 1, 0},
      {"the other button", [](PushButtons& t) { return t.read->Handle(); }, VK_RETURN, 0, 1},
      {"the other button", [](PushButtons& t) { return t.read->Handle(); }, VK_ESCAPE, 1, 0},
      {"OK", [](PushButtons& t) { return t.ok->Handle(); }, VK_RETURN, 1, 0},
      {"foreign window after the check box", [](PushButtons& t) { return t.foreign; }, VK_RETURN, 1, 0},
      {"foreign window", [](PushButtons& t) { return t.foreign; }, VK_ESCAPE, 1, 0},
      {"check box", [](PushButtons& t) { return t.box->Handle(); }, 'r', 0, 1},
      {"foreign window", [](PushButtons& t) { return t.foreign; }, 'r', 0, 1},
  };
  for (const Case& c : cases) {
    Focus(box->Handle());  // the foreign window is reached from a non-button control
    Focus(c.where(*this));
    Reset();
    if (c.key == 'r')
      PressAltChar('r');
    else
      PressKey(c.key);
    const char* key = c.key == VK_RETURN ? "Enter" : c.key == VK_ESCAPE ? "Esc" : "Alt+R";
    EXPECT_EQ(ok_clicks, c.ok) << key << " on " << c.focus << ": OK clicks";
    EXPECT_EQ(read_clicks, c.read) << key << " on " << c.focus << ": Read clicks";
    EXPECT_EQ(box_clicks, 0) << key << " on " << c.focus;
  }
}

TEST_F(PushButtons, ActiveFollowsTheFocusAndDefaultChanges) {
  Focus(box->Handle());
  EXPECT_TRUE(ok->Active()) << "a non-button has the focus: the default button is active";
  EXPECT_FALSE(read->Active());
  Focus(read->Handle());
  EXPECT_FALSE(ok->Active()) << "another push button has the focus";
  EXPECT_TRUE(read->Active());
  Focus(ok->Handle());
  EXPECT_TRUE(ok->Active());
  EXPECT_FALSE(read->Active());
  Focus(box->Handle());
  read->SetDefault(true);
  ok->SetDefault(false);
  EXPECT_TRUE(read->Active()) << "Default moved while a non-button has the focus";
  EXPECT_FALSE(ok->Active());
  Reset();
  PressKey(VK_RETURN);
  EXPECT_EQ(read_clicks, 1);
  EXPECT_EQ(ok_clicks, 0);
}

TEST_F(PushButtons, ModalResultIsSetBeforeOnClickAndTheFormClosesAfterIt) {
  form->Hide();
  toolkit::TModalResult during = -1;
  ok->OnClick = [&](TComponent*) { during = form->ModalResult(); };
  const toolkit::TModalResult result = RunModal(*form, {[&] { Focus(box->Handle()); }, [&] { PressKey(VK_RETURN); }});
  EXPECT_EQ(during, toolkit::mrOk) << "expected the form's modal result set when OnClick runs";
  EXPECT_EQ(result, toolkit::mrOk);
  // A button without a result clicks with the form's result reset to none: the form stays.
  int read_calls = 0;
  read->OnClick = [&](TComponent*) {
    ++read_calls;
    EXPECT_EQ(form->ModalResult(), toolkit::mrNone);
  };
  const toolkit::TModalResult second = RunModal(*form, {[&] { Focus(box->Handle()); }, [&] { PressAltChar('r'); },
                                                        [&] { EXPECT_TRUE(form->Visible()) << "expected the form still open"; },
                                                        [&] { PressKey(VK_ESCAPE); }});
  EXPECT_EQ(read_calls, 1);
  EXPECT_EQ(second, toolkit::mrOk);
}

TEST_F(PushButtons, DisabledButtonsIgnoreKeysAcceleratorsAndClicks) {
  ok->SetEnabled(false);
  read->SetEnabled(false);
  Pump();
  Focus(box->Handle());
  Reset();
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  PressAltChar('r');
  RECT r;
  GetWindowRect(read->Handle(), &r);
  SetCursorPos(r.left + 5, r.top + 5);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  Pump(10);
  EXPECT_EQ(ok_clicks, 0);
  EXPECT_EQ(read_clicks, 0);
  EXPECT_EQ(form->ModalResult(), toolkit::mrNone);
}

TEST_F(PushButtons, MouseClicksOncePressedLookFollowsTheMouseAndDoubleClickClicksTwice) {
  HWND w = read->Handle();
  MouseDown(w, 5, 5);
  EXPECT_TRUE(read->Down());
  EXPECT_TRUE(read->Focused()) << "a click takes the focus first";
  MouseMove(w, 300, 5, true);
  EXPECT_FALSE(read->Down()) << "moved out while pressed";
  MouseMove(w, 5, 5, true);
  EXPECT_TRUE(read->Down()) << "moved back";
  MouseUp(w, 5, 5);
  EXPECT_FALSE(read->Down());
  EXPECT_EQ(read_clicks, 1);
  Reset();
  MouseDown(w, 5, 5);
  MouseUp(w, 5, 5);
  SendMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  MouseUp(w, 5, 5);
  EXPECT_EQ(read_clicks, 2);
  Reset();
  PostKey(VK_SPACE, true);
  EXPECT_TRUE(read->Down());
  MouseMove(w, 300, 5, false);
  EXPECT_TRUE(read->Down()) << "Space held: the mouse does not change the pressed look";
  PostKey(VK_SPACE, false);
  EXPECT_EQ(read_clicks, 1);
}

TEST_F(PushButtons, HelpKindShowsHelpForTheNearestContextAndCloseKindClosesTheForm) {
  try {
    read->SetKind(bkHelp);
  } catch (const std::exception&) {
    GTEST_SKIP() << "kind glyphs not built into this program";
  }
  EXPECT_EQ(read->Caption(), "&Help");
  form->SetHelpContext(42);
  std::vector<ULONG_PTR> help;
  auto& app = toolkit::Application();
  auto saved = app.OnHelp;
  app.OnHelp = [&](UINT, ULONG_PTR data) {
    help.push_back(data);
    return true;
  };
  MouseDown(read->Handle(), 5, 5);
  MouseUp(read->Handle(), 5, 5);
  app.OnHelp = saved;
  EXPECT_EQ(help, std::vector<ULONG_PTR>{42});
  EXPECT_EQ(read_clicks, 0) << "help shown: no OnClick";

  form->Hide();
  read->SetKind(bkClose);
  const toolkit::TModalResult r = RunModal(*form, {[&] { Focus(read->Handle()); }, [&] { PressKey(VK_SPACE); }});
  EXPECT_EQ(r, toolkit::mrCancel) << "closed as by the close box";
  EXPECT_EQ(read_clicks, 0);
}

}  // namespace
}  // namespace pp::controls::testing
