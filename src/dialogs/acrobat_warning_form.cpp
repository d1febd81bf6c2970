#include "dialogs/acrobat_warning_form.h"

#include "hostenv/acrobat_warning.h"
#include "layout/toolkit_classes.h"
#include "toolkit/std_controls.h"

namespace pp::dialogs {

using namespace toolkit;

Owned<TAcrobatWarningForm> TAcrobatWarningForm::Create() {
  Owned<TAcrobatWarningForm> form(new TAcrobatWarningForm(nullptr));
  ReadDialogLayout(*form, "TACROBATWARNINGFORM");
  if (auto* image = dynamic_cast<TImage*>(&RequiredComponent(*form, "Image1"))) {
    image->Icon().LoadSystemIcon(IDI_EXCLAMATION);
    image->PictureChanged();
  }
  return form;
}

bool TAcrobatWarningForm::DontShowTicked() { return IsChecked(RequiredComponent(*this, "chxDontShow")); }

}  // namespace pp::dialogs

namespace pp::hostenv {

bool RunAcrobatVersionWarningDialog() {
  toolkit::Owned<dialogs::TAcrobatWarningForm> form = dialogs::TAcrobatWarningForm::Create();
  form->ShowModal();
  return form->DontShowTicked();
}

}  // namespace pp::hostenv

namespace pp::layout {

template <>
const ClassInfo& ClassOf<dialogs::TAcrobatWarningForm>() {
  static const ClassInfo info =
      ClassBuilder<dialogs::TAcrobatWarningForm, toolkit::TForm>("TAcrobatWarningForm").Build();
  return info;
}

}  // namespace pp::layout
