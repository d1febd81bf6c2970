#include <windows.h>

#include "plugin/module_init.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      // The library keeps no per-thread state.
      DisableThreadLibraryCalls(instance);
      pp::plugin::InitializeModule(instance);
      break;
    case DLL_PROCESS_DETACH:
      pp::plugin::FinalizeModule();
      break;
  }
  return TRUE;
}
