#include "hostenv/platform.h"

#include "base/win_handles.h"

namespace pp::hostenv {

bool IsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32");
  if (!kernel) return false;
  auto fn = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  return fn && fn(GetCurrentProcess(), &wow64) && wow64;
}

namespace {
OSVERSIONINFOA SystemVersion() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return info;
}
bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }
}  // namespace

bool IsWindows2000() {
  const OSVERSIONINFOA v = SystemVersion();
  return v.dwMajorVersion == 5 && v.dwMinorVersion == 0;
}

bool IsWindowsVistaOrLater() { return SystemVersion().dwMajorVersion >= 6; }

bool IsCtrlDown() { return KeyDown(VK_CONTROL); }
bool IsShiftDown() { return KeyDown(VK_SHIFT); }
bool IsAltDown() { return KeyDown(VK_MENU); }

bool IsTestMode() {
  win::UniqueKey key;
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Veltrex\\TestMode", 0, KEY_ALL_ACCESS, key.receive()) ==
         ERROR_SUCCESS;
}

HMODULE GetHostModule() { return GetModuleHandleA(nullptr); }

}  // namespace pp::hostenv
