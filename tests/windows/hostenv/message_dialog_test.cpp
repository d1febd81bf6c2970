// The message dialog outside test mode: a real modal box (the toolkit's message form), found and
// answered by another thread the way a user would, with a real click on one of its buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include "hostenv/message_dialog.h"

namespace pp::hostenv {
namespace {

struct Seen {
  std::string caption;
  RECT rect = {};
  bool found = false;
};

struct FindButton {
  const char* text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM p) {
  auto* f = reinterpret_cast<FindButton*>(p);
  char label[64] = {};
  GetWindowTextA(child, label, sizeof label);
  if (std::string(label) != f->text) return TRUE;
  f->found = child;
  return FALSE;
}

// Waits for the visible box captioned caption (the toolkit's message form), notes it and clicks
// the button with the given text.
std::thread AnswerBox(const std::string& caption, const char* button, Seen& seen) {
  return std::thread([caption, button, &seen] {
    for (int i = 0; i < 300; ++i) {
      HWND box = FindWindowA("TMessageForm", caption.c_str());
      if (box && IsWindowVisible(box)) {
        seen.found = true;
        char text[128] = {};
        GetWindowTextA(box, text, sizeof text);
        seen.caption = text;
        GetWindowRect(box, &seen.rect);
        FindButton find{button};
        EnumChildWindows(box, &MatchButton, reinterpret_cast<LPARAM>(&find));
        if (find.found) SendMessageA(find.found, BM_CLICK, 0, 0);
        return;
      }
      Sleep(100);
    }
  });
}

TEST(MessageDialog, ButtonsAndModalResult) {
  struct Case {
    unsigned buttons;
    const char* click;
    int result;
  };
  // The last three are sets the system's message box does not have.
  const Case cases[] = {
      {mbYes | mbNo, "&No", mrNo},
      {mbYes | mbNo | mbCancel, "&Yes", mrYes},
      {mbOK | mbCancel, "Cancel", mrCancel},
      {mbAbort | mbRetry | mbIgnore, "&Retry", mrRetry},
      {mbOK, "OK", mrOk},
      {mbRetry | mbIgnore, "&Ignore", mrIgnore},
      {mbYes | mbCancel, "Cancel", mrCancel},
      {mbAbort | mbOK, "&Abort", mrAbort},
  };
  for (const Case& c : cases) {
    const std::string caption = "Hostenv box " + std::to_string(c.buttons);
    Seen seen;
    std::thread answer = AnswerBox(caption, c.click, seen);
    const int result = ShowDialogWithCaption(caption, "Answer me", MsgDlgType::Confirmation, c.buttons);
    answer.join();
    ASSERT_TRUE(seen.found) << "no box captioned " << caption;
    EXPECT_EQ(result, c.result) << "buttons " << c.buttons;
  }
}

TEST(MessageDialog, ErrorDialogCaptionAndPlace) {
  Seen seen;
  std::thread answer = AnswerBox("Error", "OK", seen);
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
