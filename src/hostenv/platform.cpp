#include "hostenv/platform.h"

#include <windows.h>

namespace pp::hostenv {

bool IsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32");
  if (!kernel) return false;
  auto fn = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  return fn && fn(GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace pp::hostenv
