// The notice that the port driver could not be started, or on 64-bit Windows that it is not
// supported there, with a check box that silences it for good.
#pragma once

#include "dialogs/dialog_base.h"
#include "layout/property_table.h"

namespace pp::dialogs {

class TInstallConfirmForm : public TDialogBase {
 public:
  using TDialogBase::TDialogBase;
  const char* ClassName() const override { return "TInstallConfirmForm"; }

  // A form filled from its layout resource; FormCreate has run.
  static toolkit::Owned<TInstallConfirmForm> Create();

  void FormCreate(toolkit::TComponent* sender);

  bool DontShowTicked();
};

}  // namespace pp::dialogs

namespace pp::layout {
template <>
const ClassInfo& ClassOf<dialogs::TInstallConfirmForm>();
}
