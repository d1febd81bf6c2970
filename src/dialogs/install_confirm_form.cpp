#include "dialogs/install_confirm_form.h"

#include "hostenv/platform.h"
#include "layout/toolkit_classes.h"
#include "toolkit/std_controls.h"

namespace pp::dialogs {

using namespace toolkit;

Owned<TInstallConfirmForm> TInstallConfirmForm::Create() {
  Owned<TInstallConfirmForm> form(new TInstallConfirmForm(nullptr));
  ReadDialogLayout(*form, "TINSTALLCONFIRMFORM");
  return form;
}

void TInstallConfirmForm::FormCreate(TComponent*) {
  auto* image = dynamic_cast<TImage*>(&RequiredComponent(*this, "Image1"));
  auto* label = dynamic_cast<TLabel*>(&RequiredComponent(*this, "Label1"));
  if (hostenv::IsWow64()) {
    // The manager does not even try to start the driver on 64-bit Windows.
    if (image) image->Icon().LoadSystemIcon(IDI_EXCLAMATION);
    SetCaption("Warning");
    if (label) label->SetCaption("Paraller Port Driver is not supported in 64-bit Windows");
  } else {
    if (image) image->Icon().LoadSystemIcon(IDI_HAND);
  }
  if (image) image->PictureChanged();
}

bool TInstallConfirmForm::DontShowTicked() { return IsChecked(RequiredComponent(*this, "chxDontShow")); }

}  // namespace pp::dialogs

namespace pp::layout {

template <>
const ClassInfo& ClassOf<dialogs::TInstallConfirmForm>() {
  using F = dialogs::TInstallConfirmForm;
  static const ClassInfo info = ClassBuilder<F, toolkit::TForm>("TInstallConfirmForm")
                                    .Method<toolkit::TNotifyEvent>("FormCreate", &F::FormCreate)
                                    .Build();
  return info;
}

}  // namespace pp::layout
