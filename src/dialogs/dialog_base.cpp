#include "dialogs/dialog_base.h"

#include <string>

#include "controls/button_classes.h"
#include "controls/tabs/tab_classes.h"
#include "dialogs/acrobat_warning_form.h"
#include "dialogs/install_confirm_form.h"
#include "dialogs/status_control_form.h"
#include "layout/read_error.h"

namespace pp::dialogs {

using namespace toolkit;

const layout::ClassRegistry& DialogClasses() {
  static const layout::ClassRegistry registry = [] {
    layout::ClassRegistry r = layout::Classes();
    layout::RegisterToolkitClasses(r);
    layout::RegisterButtonClasses(r);
    layout::RegisterTabClasses(r);
    r.Register(layout::ClassOf<TParallelPortForm>());
    r.Register(layout::ClassOf<TInstallConfirmForm>());
    r.Register(layout::ClassOf<TAcrobatWarningForm>());
    return r;
  }();
  return registry;
}

HMODULE LayoutModule() {
  // The allocation base of our own code is the module's handle (GetModuleHandleEx is missing on
  // Windows 2000).
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(reinterpret_cast<const void*>(&LayoutModule), &info, sizeof info);
  return static_cast<HMODULE>(info.AllocationBase);
}

void ReadDialogLayout(TCustomForm& form, const char* resource) {
  const layout::ClassRegistry& classes = DialogClasses();  // publishes the forms' descriptions
  layout::ReadFormLayout(layout::DynamicRef(&form), layout::LayoutResource(LayoutModule(), resource), resource,
                         classes);
}

TComponent& RequiredComponent(TComponent& form, const char* name) {
  if (TComponent* c = form.FindComponent(name)) return *c;
  Raise(layout::EReadError(form.ClassName(), 0, std::string("the layout has no component ") + name));
}

namespace {
layout::ClassInfo::Found CheckedProperty(TComponent& box) {
  layout::ClassInfo::Found found = layout::FindPropertyPath(layout::DynamicRef(&box), "Checked");
  if (!found || found.info->type != layout::PropertyType::Boolean || !found.info->get)
    Raise(Exception(std::string(box.Name()) + " is not a check box"));
  return found;
}
}  // namespace

bool IsChecked(TComponent& box) {
  layout::ClassInfo::Found found = CheckedProperty(box);
  return std::get<std::int64_t>(found.info->get(found.self)) != 0;
}

void SetChecked(TComponent& box, bool on) {
  layout::ClassInfo::Found found = CheckedProperty(box);
  found.info->set(found.self, std::int64_t{on});
}

}  // namespace pp::dialogs
