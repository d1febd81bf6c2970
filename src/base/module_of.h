// The module whose image holds an address: what a piece of code uses to find its own module
// (the plug-in, or the executable it was linked into). VirtualQuery's allocation base is the
// module handle on every Windows version (GetModuleHandleEx is missing on Windows 2000).
#pragma once

#include <windows.h>

namespace pp::win {

inline HMODULE ModuleOfAddress(const void* address) noexcept {
  MEMORY_BASIC_INFORMATION info{};
  if (!VirtualQuery(address, &info, sizeof info)) return nullptr;
  return static_cast<HMODULE>(info.AllocationBase);
}

}  // namespace pp::win
