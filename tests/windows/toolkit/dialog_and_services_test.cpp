// The standard message dialog, forms filled after construction, the screen's monitors and hints.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/hint_window.h"
#include "toolkit/message_dialog.h"
#include "toolkit/screen.h"
#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

TEST(MessageDialog, ButtonsDefaultAndCancelFollowTheChoice) {
  struct Case {
    const char* what;
    TMsgDlgButtons buttons;
    WPARAM key;
    TModalResult result;
  } cases[] = {
      {"Enter with OK and Cancel", {mbOK, mbCancel}, VK_RETURN, mrOk},
      {"Esc with OK and Cancel", {mbOK, mbCancel}, VK_ESCAPE, mrCancel},
      {"Enter with Yes and No", {mbYes, mbNo}, VK_RETURN, mrYes},
      {"Esc with Yes and No", {mbYes, mbNo}, VK_ESCAPE, mrNo},
      {"Esc with OK only", {mbOK}, VK_ESCAPE, mrOk},
  };
  for (const Case& c : cases) {
    Owned<TMessageForm> dialog(CreateMessageDialog("Question?", mtConfirmation, c.buttons));
    TModalResult r = RunModal(*dialog, [&] { PressKey(c.key); });
    EXPECT_EQ(r, c.result) << c.what;
  }
}

TEST(MessageDialog, CaptionIconTextAndButtonRow) {
  Owned<TMessageForm> dialog(CreateMessageDialog("Disk full", mtError, {mbAbort, mbRetry, mbIgnore}));
  EXPECT_EQ(dialog->Caption(), "Error");
  ASSERT_NE(dialog->Image(), nullptr);
  EXPECT_FALSE(dialog->Image()->Icon().Empty() && dialog->Image()->Width() == 0);
  EXPECT_EQ(dialog->Message()->Caption(), "Disk full");
  TButton* abort = dialog->ButtonFor(mbAbort);
  TButton* ignore = dialog->ButtonFor(mbIgnore);
  ASSERT_NE(abort, nullptr);
  ASSERT_NE(ignore, nullptr);
  EXPECT_EQ(dialog->ButtonFor(mbOK), nullptr);
  EXPECT_EQ(abort->Top(), ignore->Top());
  EXPECT_LT(abort->Left(), ignore->Left());
  EXPECT_GT(abort->Top(), dialog->Message()->Top() + dialog->Message()->Height() - 1)
      << "expected the buttons below the text";
  EXPECT_LE(ignore->Left() + ignore->Width(), dialog->ClientWidth());
  EXPECT_EQ(abort->ModalResult(), mrAbort);
  // Accelerator of "&Retry".
  TModalResult r = RunModal(*dialog, [&] {
    PostMessageA(GetFocus(), WM_SYSCHAR, 'r', 0x20000001);
  });
  EXPECT_EQ(r, mrRetry);
}

TEST(Form, FilledAfterConstructionGetsLoadedAndOnCreateOnce) {
  struct Counting : TForm {
    using TForm::TForm;
    int loaded = 0;
    void Loaded() override {
      ++loaded;
      TForm::Loaded();
    }
  };
  Owned<Counting> form(new Counting(nullptr));
  int created = 0;
  form->OnCreate = [&](TComponent*) { ++created; };
  form->BeginLoad();
  auto* label = new TLabel(form.get());
  label->BeginLoad();
  label->SetCaption("A caption long enough");
  const int width_while_loading = label->Width();
  label->SetParent(form.get());
  form->EndLoad();
  form->EndLoad();
  form->DoCreate();
  EXPECT_EQ(form->loaded, 1);
  EXPECT_EQ(created, 1);
  EXPECT_FALSE(label->Loading());
  EXPECT_GT(label->Width(), width_while_loading) << "expected the label sized once loading ended";
}

TEST(Screen, MonitorsAndTheMonitorNearestAWindow) {
  ASSERT_GE(Screen().MonitorCount(), 1);
  TMonitor primary = Screen().Monitors(0);
  EXPECT_EQ(primary.BoundsRect.right - primary.BoundsRect.left, GetSystemMetrics(SM_CXSCREEN));
  HWND far_away = CreateWindowA("STATIC", "", WS_POPUP, 100000, 100000, 10, 10, nullptr, nullptr, nullptr, nullptr);
  auto nearest = Screen().MonitorFromWindow(far_away);
  ASSERT_TRUE(nearest.has_value());
  EXPECT_EQ(nearest->Handle, MonitorFromWindow(far_away, MONITOR_DEFAULTTONEAREST));
  EXPECT_FALSE(Screen().MonitorFromWindow(far_away, mdNull).has_value());
  DestroyWindow(far_away);
  Owned<TForm> form(new TForm(nullptr));
  EXPECT_GE(Screen().FormCount(), 1);
  bool listed = false;
  for (int i = 0; i < Screen().FormCount(); ++i) listed |= Screen().Forms(i) == form.get();
  EXPECT_TRUE(listed);
}

// A hint window that remembers what it was asked to show.
class RecordingHint : public THintWindow {
 public:
  using THintWindow::THintWindow;
  static inline std::vector<std::string> shown;
  void ActivateHint(const RECT& rect, const std::string& hint) override {
    shown.push_back(hint);
    THintWindow::ActivateHint(rect, hint);
  }
};

TEST(Hints, ShownAfterThePauseThroughTheHintEventAndWindowClass) {
  Owned<TForm> form(new TForm(nullptr));
  form->SetBorderStyle(bsNone);
  form->SetBounds(400, 400, 100, 60);
  auto* probe = new Probe(form.get(), "Tipped");
  probe->SetHint("Plain hint");
  probe->SetShowHint(true);
  probe->SetParent(form.get());
  form->Show();
  Pump();
  TControl* event_control = nullptr;
  Application().HintPause = 50;
  Application().HintWindowClass = [](TComponent* owner) -> THintWindow* { return new RecordingHint(owner); };
  Application().OnShowHint = [&](std::string& hint, bool& can_show, THintInfo& info) {
    event_control = info.HintControl;
    hint = "Changed " + hint;
  };
  RecordingHint::shown.clear();
  POINT p = probe->ClientToScreen(POINT{5, 5});
  SetCursorPos(p.x, p.y);
  const DWORD start = GetTickCount();
  while (RecordingHint::shown.empty() && GetTickCount() - start < 3000) Pump(1);
  EXPECT_EQ(RecordingHint::shown, std::vector<std::string>{"Changed Plain hint"});
  EXPECT_EQ(event_control, probe);
  ASSERT_NE(Application().HintWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Application().HintWindow()->Handle()));
  EXPECT_TRUE(GetClassLongA(Application().HintWindow()->Handle(), GCL_STYLE) & CS_DROPSHADOW)
      << "expected the standard hint window to cast a shadow";
  SetCursorPos(5, 5);
  while (Application().HintWindow()->HandleAllocated() && GetTickCount() - start < 6000) Pump(1);
  EXPECT_FALSE(Application().HintWindow()->HandleAllocated()) << "expected the hint gone when the mouse left";
  Application().FreeHintWindow();
  Application().HintWindowClass = nullptr;
  Application().OnShowHint = nullptr;
  Application().HintPause = 500;
}

}  // namespace
}  // namespace pp::toolkit::testing
