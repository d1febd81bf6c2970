// Shared pieces of the toolkit's Windows tests: a message pump, a way to act while a modal loop
// runs, and controls that record what reaches them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/std_controls.h"
#include "toolkit/win_control.h"

namespace pp::toolkit::testing {

// Handles every queued message, several rounds, so that posted follow-ups arrive too.
void Pump(int rounds = 3);

// Runs each step, in order, from the form's modal loop (one step per timer tick, so that the
// loop handles what a step caused before the next one runs). If the form is still modal
// `limit_ms` later, it is ended with modal result -1 so that a failing test cannot hang.
TModalResult RunModal(TCustomForm& form, std::vector<std::function<void()>> steps, int limit_ms = 10000);
inline TModalResult RunModal(TCustomForm& form, std::function<void()> during) {
  return RunModal(form, std::vector<std::function<void()>>{std::move(during)});
}

// Key state as GetKeyState sees it (posted key messages do not change it).
void SetKeyDown(int vk, bool down);

// Posts a key press (WM_KEYDOWN) and its release to the window with the focus, then pumps.
void PressKey(WPARAM vk);

// The exceptions that reached the application handler during a test.
std::vector<std::string>& HandledExceptions();

// A custom-drawn control that records the toolkit notifications it receives, counts clicks and
// paints a fixed pattern (left half red, right half blue, a green 4x4 square at 2,2).
class Probe : public TCustomControl {
 public:
  explicit Probe(TComponent* owner, const char* name = "");
  const char* ClassName() const override { return "TProbe"; }
  std::vector<UINT> notices;        // CM_* numbers, in arrival order
  std::vector<LPARAM> focus_notices;  // LParam of each CM_FOCUSCHANGED
  int clicks = 0;
  int paints = 0;
  UINT dialog_code = 0;             // answer to WM_GETDLGCODE
  std::vector<WPARAM> keys;         // WM_KEYDOWN that reached the window
  int Count(UINT msg) const;
  void Dispatch(TMessage& m) override;
  void Click() override;

 protected:
  void Paint() override;
};

// A graphic control with the same pattern and click counting.
class GraphicProbe : public TGraphicControl {
 public:
  explicit GraphicProbe(TComponent* owner);
  int clicks = 0;
  std::vector<UINT> notices;
  void Click() override;
  void Dispatch(TMessage& m) override;

 protected:
  void Paint() override;
};

// A form that records the child keys reaching it.
class RecordingForm : public TForm {
 public:
  explicit RecordingForm(TComponent* owner) : TForm(owner) {}
  std::vector<std::pair<WPARAM, LPARAM>> child_keys;
  void Dispatch(TMessage& m) override;
};

// A 32-bit top-down DIB to draw into and read pixels from.
class Dib {
 public:
  Dib(int width, int height);
  ~Dib();
  HDC dc() const { return dc_; }
  uint32_t Pixel(int x, int y) const;  // 0x00RRGGBB
  bool SameAs(const Dib& other, std::string* where) const;
  int width, height;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_;
};

}  // namespace pp::toolkit::testing
