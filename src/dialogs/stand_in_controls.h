// Plain controls that take the place of the themed ones under their names until the themed
// classes are registered with the layout reader: a check box on the system's BUTTON class, a
// page control with a one-line tab strip, its sheet, and a flat button panel. They keep what
// the dialogs rely on (a check box fires OnClick whenever its ticked state changes, from the
// user or from code outside loading) and nothing of the looks.
#pragma once

#include "layout/class_registry.h"
#include "toolkit/std_controls.h"

namespace pp::dialogs {

class TStandInCheckBox : public toolkit::TWinControl {
 public:
  explicit TStandInCheckBox(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TStandInCheckBox"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  void Dispatch(toolkit::TMessage& m) override;

 protected:
  void CreateParams(toolkit::TCreateParams& params) override;
  void CreateWnd() override;

 private:
  bool checked_ = false;
};

class TStandInTabSheet : public toolkit::TWinControl {
 public:
  explicit TStandInTabSheet(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TStandInTabSheet"; }
};

// Shows its active sheet below a strip that carries the sheet's caption.
class TStandInPageControl : public toolkit::TCustomControl {
 public:
  explicit TStandInPageControl(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TStandInPageControl"; }

  toolkit::TWinControl* ActivePage() const { return active_page_; }
  void SetActivePage(toolkit::TWinControl* page);

 protected:
  void Paint() override;
  void Loaded() override;
  void WMWindowPosChanged(toolkit::TMessage& m) override;

 private:
  void PlacePage();
  toolkit::TWinControl* active_page_ = nullptr;
};

enum TStandInPanelKind { epkBackground, epkBitmap, epkGradient, epkSimple, epkMSMoney, epkFlat, epkOffice, epkNone };

class TStandInPanel : public toolkit::TCustomControl {
 public:
  explicit TStandInPanel(toolkit::TComponent* owner);
  const char* ClassName() const override { return "TStandInPanel"; }
  TStandInPanelKind kind = epkGradient;
  bool transparent = false;

 protected:
  void Paint() override;
};

// Registers each stand-in under the themed name it replaces, for names nobody registered yet.
void RegisterStandInControls(layout::ClassRegistry& registry);

}  // namespace pp::dialogs
