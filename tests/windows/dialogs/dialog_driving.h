// Driving the dialogs from inside their own modal loops: a script runs from a timer once the
// loop is running, real mouse and key messages reach the controls, and a loop still running
// after a time limit is ended so that a failing test cannot hang.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"

namespace pp::dialogs::testing {

// The first form of class F the toolkit knows of, or nullptr.
template <class F>
F* FindForm() {
  for (int i = 0; i < toolkit::Screen().FormCount(); ++i)
    if (auto* f = dynamic_cast<F*>(toolkit::Screen().Forms(i))) return f;
  return nullptr;
}

// Runs `script` from a timer 20 ms after `show` started its loop (if it does), and ends any
// modal toolkit form still open after `limit_ms` with -1.
void RunWhileShown(const std::function<void()>& show, std::function<void()> script, int limit_ms = 10000);

// A mouse click on a windowed control, sent: the control has handled it when this returns.
void Click(HWND wnd);
// A key pressed and released on the focused window, posted: the modal loop routes it.
void PostKey(WORD vk);

}  // namespace pp::dialogs::testing
