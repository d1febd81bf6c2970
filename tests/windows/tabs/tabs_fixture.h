// Shared pieces of the tab control tests: a borderless form holding page controls, a message
// pump, clicks and keys as real messages, and a DIB to read pixels back from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/tabs/tab_look.h"
#include "controls/tabs/xp_page_control.h"
#include "toolkit/form.h"
#include "toolkit/std_controls.h"

namespace pp::controls::testing {

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

std::vector<std::string>& HandledExceptions();

// A left click at (x, y) of the control's window, as the mouse sends it.
void Click(toolkit::TWinControl& c, int x, int y);
// A key press posted to the focused window (with Ctrl and Shift as asked), then pumped.
void PressKey(WPARAM vk, bool ctrl = false, bool shift = false);

// Forces one look for the life of the object.
class LookScope {
 public:
  explicit LookScope(TabLook look) { ForceTabLook(&look); }
  ~LookScope() { ForceTabLook(nullptr); }
};

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

class Dib {
 public:
  Dib(int width, int height);
  ~Dib();
  HDC dc() const { return dc_; }
  uint32_t Pixel(int x, int y) const;  // 0x00RRGGBB
  bool SameAs(const Dib& other, std::string* where) const;
  bool SavePng(const std::string& path) const;  // for looking at, not for asserting
  int width, height;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_;
};

inline uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

}  // namespace pp::controls::testing
