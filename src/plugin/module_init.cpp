#include "plugin/module_init.h"

#include "controls/button_images.h"
#include "controls/xp_controls.h"
#include "forms/form_services.h"
#include "forms/theme_form.h"
#include "hostenv/host_client.h"
#include "plugin/error_info.h"
#include "plugin/manager.h"

namespace pp::plugin {

namespace {
HMODULE g_self = nullptr;
}

HMODULE SelfModule() noexcept { return g_self; }

// The order matters: later steps use what earlier ones set up (the dialog framework reads host
// preferences through the host binding; the manager may show a dialog on its first start).
void InitializeModule(HMODULE self) noexcept {
  g_self = self;
  // 1. Host binding: the host's exported functions and its client interface.
  pp::hostenv::InitHostBinding();
  // 2. Themed controls' library state.
  pp::controls::StartXPControls();
  // 3. Utility caches (install folders, preference location, language mappings).
  // 4. Error information for the host on every raise.
  InstallErrorInfoHook();
  // 5. Frame theme data.
  pp::forms::StartFormFrame();
  // 6. Dialog framework: the module-wide form services.
  pp::forms::StartFormServices();
  // 7. The one port manager.
  CreatePortManager();
}

void FinalizeModule() noexcept {
  // The manager goes without a Stop: ports and driver stay as the host left them.
  DestroyPortManager();
  pp::forms::StopFormServices();
  RemoveErrorInfoHook();
  pp::forms::EndFormFrame();
  pp::controls::FreeButtonImages();  // the button family's images and kind glyphs
  pp::controls::EndXPControls();
}

}  // namespace pp::plugin
