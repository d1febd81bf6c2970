// The base class of every dialog the library shows: owned by the host's main window, always a
// dialog frame (a form designed sizeable stays resizable), system menu and what's-this button,
// centred on the monitor of the active window, bounds of a resizable dialog remembered per user,
// Tab through windows the toolkit did not make, the dialog font on controls added later, and in
// the emulated XP look a frame drawn by ourselves.
#pragma once

#include "forms/form_with_help.h"

namespace pp::forms {

class TServerDialog : public TFormWithHelp {
 public:
  // Made empty, then filled from its layout (or in code between BeginLoad and EndLoad); Loaded
  // finishes it: dialog frame, icons and fonts, then the drawn frame in the emulated XP look,
  // centring on the active monitor and the remembered bounds.
  explicit TServerDialog(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TServerDialog"; }

  virtual toolkit::TBorderIcons GetDialogBorderIcons();  // system menu and help
  virtual bool GetRememberBounds();                     // true
  virtual bool GetOwnedByHost();                        // true
  virtual bool GetContextHelpButton();                  // true

  void AdjustBorderIcons();
  void CenterOnActiveMonitor();
  bool Resizable() const;
  void RestoreBounds();
  void StoreBounds();
  void ShowWithoutPositioning();
  bool Sizeable() const { return sizeable_; }

  bool CloseQuery() override;
  void Dispatch(toolkit::TMessage& m) override;

 protected:
  void Loaded() override;
  void CreateParams(toolkit::TCreateParams& params) override;
  void CreateWnd() override;
  void Notification(toolkit::TComponent* component, toolkit::TOperation operation) override;
  void DoShow() override;
  void CMShowingChanged(toolkit::TMessage& m) override;
  void CMDialogKey(toolkit::TMessage& m) override;

 private:
  bool sizeable_ = false;
};

// The monitor rectangle a dialog is centred on: that of the monitor nearest to `active`, none
// without monitors. Replaceable, so that tests can lay out monitors the display does not have.
using ActiveMonitorQuery = bool (*)(HWND active, RECT& bounds);
ActiveMonitorQuery SetActiveMonitorQuery(ActiveMonitorQuery query);  // nullptr: the screen's

}  // namespace pp::forms
