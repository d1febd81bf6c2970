// Shared pieces of the tab control suites (tabs, tabs_looks): page controls on one visible form,
// a message pump, clicks and keys as real messages, pixels read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/tabs/xp_page_control.h"
#include "toolkit/form.h"
#include "surface.h"
#include "toolkit/std_controls.h"

namespace pp::controls::tabtest {

void Pump(int rounds = 3);
// Pumps until `done` answers true or `ms` passed; answers what `done` said last.
template <class F>
bool PumpUntil(F done, int ms = 3000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > static_cast<DWORD>(ms)) return false;
    Pump(1);
  }
  return true;
}

// The exceptions that reached the application's handler (RecordHandledExceptions installs it,
// and starts the themed controls' library state as the plug-in does at load).
std::vector<std::string>& HandledExceptions();
void RecordHandledExceptions();

// A left click at (x, y) of the control's window, as the mouse sends it.
void Click(toolkit::TWinControl& c, int x, int y);
// A key press posted to the focused window (with Ctrl and Shift as asked), then pumped.
void PressKey(WPARAM vk, bool ctrl = false, bool shift = false);

// A borderless visible form with a page control of `width` x `height` holding sheets with the
// given captions, in the 8-point Tahoma of the dialogs (text height 13).
struct PageForm {
  explicit PageForm(std::vector<std::string> captions, int width = 121, int height = 209, bool show = true);
  ~PageForm();
  toolkit::TForm* form;
  TWinXPPageControl* pages;
  std::vector<TWinXPTabSheet*> sheets;
  // A sheet for `c`, owned by the form.
  TWinXPTabSheet* AddSheet(const std::string& caption);
};

// Where two pictures differ first ("at (x,y): expected ..., got ..."), empty when they do not.
std::string FirstDifference(const gallery::Surface& expected, const gallery::Surface& got);
// What WM_PAINT leaves in the control's window, and what WM_PRINTCLIENT paints.
void CopyFromScreen(toolkit::TWinControl& c, gallery::Surface& to);
void Print(toolkit::TWinControl& c, gallery::Surface& to);

inline uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

}  // namespace pp::controls::tabtest
