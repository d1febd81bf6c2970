// The application object: the message loop steps that modal forms run, the handler of
// exceptions that escape a message handler, hints and help requests. One per process.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "toolkit/control.h"

namespace pp::toolkit {

class THintWindow;

struct THintInfo {
  TControl* HintControl = nullptr;
  POINT CursorPos{};
  int HideTimeout = 0;
};

class TApplication {
 public:
  // Receives every exception that escapes a message handler; error is nullptr for an exception
  // that is not a std::exception. Without a handler the message is shown in a message box.
  using TExceptionEvent = std::function<void(TComponent* sender, const std::exception* error)>;
  TExceptionEvent OnException;
  // Call from inside a catch block: hands the exception being handled to OnException.
  void HandleException(TComponent* sender);
  void ShowException(const std::exception* error);

  // One step of a message loop: takes one message (waiting for one when `wait`) and routes it.
  void HandleMessage();
  void ProcessMessages();  // every message already queued
  // A modal loop that took WM_QUIT ends and gives the quit back to the loop below it.
  bool Terminated() const { return terminated_; }
  void HandOverQuit();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Hints: after HintPause ms over a control with ShowHint and a hint, OnShowHint may change or
  // cancel the hint, and a window made by HintWindowClass shows it.
  bool ShowHint = true;
  int HintPause = 500;
  int HintHidePause = 2500;
  std::function<THintWindow*(TComponent* owner)> HintWindowClass;
  std::function<void(std::string& hint, bool& can_show, THintInfo& info)> OnShowHint;
  void CancelHint();
  THintWindow* HintWindow() const { return hint_window_; }
  void MouseControlChanged(TControl* control);  // from the windows' mouse tracking
  void ForgetControl(TControl* control);        // a control is going away
  void FreeHintWindow();                        // at unload, or to change HintWindowClass

  // Help: the handler answers true when it showed the help.
  std::function<bool(UINT command, ULONG_PTR data)> OnHelp;
  bool HelpContext(int context);

  int ModalLevel() const { return modal_level_; }
  void ModalStarted() { ++modal_level_; }
  void ModalFinished() { --modal_level_; }

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  void ShowHintNow();
  static void CALLBACK HintTimer(HWND, UINT, UINT_PTR, DWORD);

  bool terminated_ = false;
  WPARAM quit_code_ = 0;
  std::string title_ = "ParallelPort";
  int modal_level_ = 0;
  TControl* hint_control_ = nullptr;
  THintWindow* hint_window_ = nullptr;
  UINT_PTR hint_timer_ = 0;
  bool hint_showing_ = false;
};

TApplication& Application();

}  // namespace pp::toolkit
