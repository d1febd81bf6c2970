// The message dialog outside test mode: a real modal box, found and answered by another thread
// the way a user would, with a real click on one of its buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include "test_thread.h"

#include "hostenv/message_dialog.h"

namespace pp::hostenv {
namespace {

struct Seen {
  std::string caption;
  RECT rect = {};
  bool found = false;
};

// Waits for the box captioned caption, notes it and clicks the button with the given id.
pp::test::TestThread AnswerBox(const std::string& caption, int button, Seen& seen) {
  return pp::test::TestThread([caption, button, &seen] {
    for (int i = 0; i < 300; ++i) {
      if (HWND box = FindWindowA("#32770", caption.c_str())) {
        seen.found = true;
        char text[128] = {};
        GetWindowTextA(box, text, sizeof text);
        seen.caption = text;
        GetWindowRect(box, &seen.rect);
        HWND control = GetDlgItem(box, button);
        if (control) {
          SendMessageA(control, BM_CLICK, 0, 0);
        } else {
          PostMessageA(box, WM_COMMAND, button, 0);
        }
        return;
      }
      Sleep(100);
    }
  });
}

TEST(MessageDialog, ButtonsAndModalResult) {
  struct Case {
    unsigned buttons;
    int click;
    int result;
  };
  const Case cases[] = {
      {mbYes | mbNo, IDNO, mrNo},
      {mbYes | mbNo | mbCancel, IDYES, mrYes},
      {mbOK | mbCancel, IDCANCEL, mrCancel},
      {mbAbort | mbRetry | mbIgnore, IDRETRY, mrRetry},
      {mbOK, IDOK, mrOk},
  };
  for (const Case& c : cases) {
    const std::string caption = "Hostenv box " + std::to_string(c.buttons);
    Seen seen;
    pp::test::TestThread answer = AnswerBox(caption, c.click, seen);
    const int result = ShowDialogWithCaption(caption, "Answer me", MsgDlgType::Confirmation, c.buttons);
    answer.join();
    ASSERT_TRUE(seen.found) << "no box captioned " << caption;
    EXPECT_EQ(result, c.result) << "buttons " << c.buttons;
  }
}

TEST(MessageDialog, ErrorDialogCaptionAndPlace) {
  Seen seen;
  pp::test::TestThread answer = AnswerBox("Error", IDOK, seen);
  EXPECT_EQ(ShowErrorDialog("Something failed"), mrOk);
  answer.join();
  ASSERT_TRUE(seen.found) << "expected a box captioned Error";
  // Centred on the screen (give or take a few pixels of rounding).
  const int cx = (seen.rect.left + seen.rect.right) / 2, cy = (seen.rect.top + seen.rect.bottom) / 2;
  EXPECT_LE(std::abs(cx - GetSystemMetrics(SM_CXSCREEN) / 2), 4) << "centre x " << cx;
  EXPECT_LE(std::abs(cy - GetSystemMetrics(SM_CYSCREEN) / 2), 4) << "centre y " << cy;
}

}  // namespace
}  // namespace pp::hostenv
