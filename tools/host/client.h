// The host's client interface and the interfaces reached through it. Each operation is recorded
// with its arguments; the answers come from the host's settings.
#pragma once

#include <windows.h>

#include "hostenv/host_interfaces.h"

namespace host {

// The one client of the process, created with the host's main window. The host holds one
// reference itself for as long as it runs.
pp::hostenv::IClient* Client();
void CreateClient(HWND mainWindow);
// References on the client beyond the host's own (a plug-in that keeps none leaves 0).
long ClientExtraReferences();

pp::hostenv::ITranslationManager* NewTranslationManager();

}  // namespace host
