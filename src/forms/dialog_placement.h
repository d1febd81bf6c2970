// Where the system's standard dialogs of the module open: centred on the monitor of the window
// the user works in. From Windows Vista on, every dialog is owned by a hidden popup laid over
// the active form (TRedirectorWindow), which finds the dialog among its owned windows and
// centres it on its own monitor; the file dialog is centred once more when it reports its
// initialisation done (Wine's places itself again after its owner last hears from it). Before
// Vista the monitor of the active window is remembered when a dialog starts, and the toolkit's
// dialog hook centres the file dialog's frame on it when the dialog reports its initialisation
// done, and the font dialog when it initialises.
#pragma once

#include <windows.h>

#include "toolkit/win_control.h"

namespace pp::forms {

class TRedirectorWindow : public toolkit::TWinControl {
 public:
  TRedirectorWindow(HWND owner, const RECT& bounds);
  const char* ClassName() const override { return "TRedirectorWindow"; }
  bool Centred() const { return centred_; }
  void WndProc(toolkit::TMessage& m) override;

 protected:
  void CreateParams(toolkit::TCreateParams& params) override;

 private:
  HWND owner_;
  bool centred_ = false;
};

// Installs the placement for the running system (`vista_or_later`), or removes it again.
void InstallDialogPlacement(bool vista_or_later);
void RemoveDialogPlacement();

}  // namespace pp::forms
