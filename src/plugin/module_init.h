// Library load and unload: the module initialisations in their fixed order, and their
// finalisations in the reverse order.
#pragma once

#include <windows.h>

namespace pp::plugin {

void InitializeModule(HMODULE self) noexcept;
void FinalizeModule() noexcept;

// This library's own module handle (the DLL, not the host executable).
HMODULE SelfModule() noexcept;

}  // namespace pp::plugin
