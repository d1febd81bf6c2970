// Shared pieces of the button family's tests: a message pump, a modal loop driven step by step,
// real mouse and key messages, a DIB to read pixels back from, and the usual form (two themed
// buttons, a check box and a window the toolkit did not make).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/winxp_buttons.h"
#include "controls/xp_check_box.h"
#include "controls/xp_panels.h"
#include "toolkit/form.h"

namespace pp::controls::testing {

using toolkit::Owned;
using toolkit::TForm;

// The themed controls' library state and an application exception handler that fails the test;
// every fixture calls it first (once per program).
void StartButtonTests();

void Pump(int rounds = 3);
// Runs each step from the form's modal loop, one per timer tick; a form still modal after
// `limit_ms` is ended with -1 so that a failing test cannot hang.
toolkit::TModalResult RunModal(toolkit::TCustomForm& form, std::vector<std::function<void()>> steps,
                               int limit_ms = 10000);

// Mouse messages in the control's client coordinates, as the system sends them.
void MouseDown(HWND wnd, int x, int y);
void MouseUp(HWND wnd, int x, int y);
void MouseMove(HWND wnd, int x, int y, bool button_down);
// A key press and release posted to the focused window and handled by the toolkit's loop.
void PostKey(WPARAM vk, bool down);
void PressKey(WPARAM vk);
// Alt + character, as the system posts it to the focused window.
void PressAltChar(char ch);

class Dib {
 public:
  Dib(int width, int height);
  ~Dib();
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;
  HDC dc() const { return dc_; }
  uint32_t Pixel(int x, int y) const;  // 0x00RRGGBB
  void Fill(uint32_t rgb);
  // The first pixel of the rectangle where the two differ, or an empty text.
  std::string Difference(const Dib& other, RECT area) const;
  int width, height;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_;
};

// Paints `control` into a new DIB of its size through WM_PRINTCLIENT, over a background of `rgb`.
void PrintInto(Dib& dib, toolkit::TWinControl& control);

inline uint32_t RGBOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// A shown form with: OK (Default, Cancel, mrOk), "&Read" (no result), a check box "&Tick", and
// a plain EDIT window the toolkit did not make, in that tab order.
struct ButtonFormFixture {
  Owned<TForm> form;
  TXPBitBtn* ok = nullptr;
  TXPBitBtn* read = nullptr;
  TXPCheckBox* box = nullptr;
  HWND foreign = nullptr;
  int ok_clicks = 0, read_clicks = 0, box_clicks = 0;
  void Build();
  void Focus(HWND wnd);
};

}  // namespace pp::controls::testing
