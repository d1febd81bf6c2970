// Checks of the platform the host runs on, and the test-mode switch.
#pragma once

#include <windows.h>

namespace pp::hostenv {

// True for a 32-bit process on 64-bit Windows. IsWow64Process is looked up by name at each call
// (Windows 2000 has none); any failure answers false.
bool IsWow64();

// The version the system reports (5.0 is Windows 2000, 6.0 Vista).
bool IsWindows2000();
bool IsWindowsVistaOrLater();

// The current thread's input state of the modifier keys.
bool IsCtrlDown();
bool IsShiftDown();
bool IsAltDown();

// True when the machine-wide key HKEY_LOCAL_MACHINE\Software\Veltrex\TestMode can be opened with
// full access (it is never created). In test mode modal forms and message dialogs write one line
// to standard output and end the process with exit code 1 instead of showing.
bool IsTestMode();

// The process's main executable (the host), not this library.
HMODULE GetHostModule();

}  // namespace pp::hostenv
