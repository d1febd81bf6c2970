// The warning that the installed PDF reader cannot open the documentation at a page, with a
// check box that silences it.
#pragma once

#include "dialogs/dialog_base.h"
#include "layout/property_table.h"

namespace pp::dialogs {

class TAcrobatWarningForm : public TDialogBase {
 public:
  using TDialogBase::TDialogBase;
  const char* ClassName() const override { return "TAcrobatWarningForm"; }

  static toolkit::Owned<TAcrobatWarningForm> Create();
  bool DontShowTicked();
};

}  // namespace pp::dialogs

namespace pp::layout {
template <>
const ClassInfo& ClassOf<dialogs::TAcrobatWarningForm>();
}
