// The functions the host executable exports by name ("ClientAPI_..."), bound once at library
// load. Each wrapper first tests whether the host exports its function and otherwise answers a
// neutral default, so a host without them (or a process that is no such host) works unchanged.
#pragma once

#include <windows.h>

#include "hostenv/host_interfaces.h"

namespace pp::hostenv {

// Looks the host functions up in the host executable (never in another module). Only the first
// call has an effect; later calls return at once.
void BindHostFunctions() noexcept;

// The wrappers, named after the host function without its "ClientAPI_" prefix.
namespace client_api {

void GetClientInterface(IClient** client) noexcept;  // not exported: *client untouched
bool GetPrefUseLuna() noexcept;                      // false
bool GetPrefHideFloatingPanels() noexcept;           // false
void SetPrefHideFloatingPanels(bool value) noexcept; // nothing
bool GetUseExternalWebBrowser() noexcept;            // true
bool GetIntegratedHelpSystem() noexcept;             // false
bool GetUseSystemLocaleLanguage() noexcept;          // false
bool GetUseLocalizedDialogs() noexcept;              // false
// Not exported: *manager is cleared to none (a reference it held is released).
void GetTranslationManager(ITranslationManager** manager) noexcept;
int UpdateFont(LOGFONTA* font) noexcept;             // 0
void SetErrorInfo(const wchar_t* source, const wchar_t* description, void* data) noexcept;  // nothing
void ClearErrorInfo() noexcept;                      // nothing
void HandleException(void* exception) noexcept;      // nothing

}  // namespace client_api

}  // namespace pp::hostenv
