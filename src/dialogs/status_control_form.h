// The Status/Control dialog: every line of one port as a check box. Data and control boxes
// drive the outputs when the user toggles them; status boxes only show what was last read.
// Nothing is read from the port until a button is pressed.
#pragma once

#include <ParallelPort.h>

#include <array>

#include "base/win_handles.h"
#include "dialogs/dialog_base.h"
#include "layout/property_table.h"

namespace pp::dialogs {

class TParallelPortForm : public TDialogBase {
 public:
  // Holds a reference on `port` until destroyed. The layout is read by Create, not here.
  TParallelPortForm(toolkit::TComponent* owner, IParallelPort* port);
  ~TParallelPortForm() override;
  const char* ClassName() const override { return "TParallelPortForm"; }

  // A form filled from its layout resource.
  static toolkit::Owned<TParallelPortForm> Create(IParallelPort* port);

  // Handlers the layout binds.
  void FormShow(toolkit::TComponent* sender);
  void Button_UpdateDisplayClick(toolkit::TComponent* sender);
  void CheckBox_DataBitsClick(toolkit::TComponent* sender);
  void CheckBox_ControlDataBitsClick(toolkit::TComponent* sender);

  // Copies the port's flags into the boxes; writes nothing.
  void UpdateDisplay();
  bool Refreshing() const { return refreshing_; }

  // The boxes in display order: data D7..D0, status Busy..Reserved2, control UnUsed1..Strobe.
  using Boxes = std::array<toolkit::TComponent*, 8>;
  const Boxes& DataBoxes() const { return data_; }
  const Boxes& StatusBoxes() const { return status_; }
  const Boxes& ControlBoxes() const { return control_; }

 protected:
  void Loaded() override;

 private:
  win::ComPtr<IParallelPort> port_;
  bool refreshing_ = false;
  Boxes data_{}, status_{}, control_{};
};

// Shows the dialog on `port` modally; true when it closed with OK.
bool ShowParallelPortDialog(IParallelPort* port);

}  // namespace pp::dialogs

namespace pp::layout {
template <>
const ClassInfo& ClassOf<dialogs::TParallelPortForm>();
}
