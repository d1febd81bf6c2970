// The dialog framework's module-wide services: at start-up it changes the toolkit's behaviour
// for every form, message box, hint, control and form-layout read of this module through the
// toolkit's hook points, and at shut-down it removes them again in a fixed order.
#pragma once

#include <windows.h>

#include <string>

namespace pp::forms {

// The executable in which the forms are designed: loaded there, the module changes nothing
// but its hint windows and its exception handler. Compared without case.
inline constexpr char kDesignTimeHostName[] = "FormDesigner.exe";
bool IsDesignTimeHost(const std::string& executable_path);

// Module start-up (initialisation step 6) and shut-down. StartFormServices decides by the
// process's executable whether it runs in the design-time host; the second form is for tests.
void StartFormServices() noexcept;
void StartFormServices(bool design_time_host) noexcept;
void StopFormServices() noexcept;
bool FormServicesInstalled() noexcept;

// Stored dialog bounds live under this key (the preference key + "\Forms").
const std::string& FormsKey() noexcept;

// Moves `window` (size, z-order and activation unchanged) to the centre of the monitor's full
// rectangle (not its work area).
void CenterWindowOnMonitor(HWND window, HMONITOR monitor);
// The monitor nearest to the window that is active now (the thread's, else the foreground one).
HMONITOR ActiveMonitor();

}  // namespace pp::forms
