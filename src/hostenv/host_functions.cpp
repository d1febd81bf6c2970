#include "hostenv/host_functions.h"

#include <utility>

#include "hostenv/platform.h"

namespace pp::hostenv {

namespace {

// Every host function is stdcall. A Boolean answer is the low byte of EAX: the host may leave
// anything in the upper bytes, so the result type is one byte, never BOOL.
struct HostFunctions {
  void(WINAPI* GetClientInterface)(IClient**);
  BYTE(WINAPI* GetPrefUseLuna)();
  BYTE(WINAPI* GetPrefHideFloatingPanels)();
  void(WINAPI* SetPrefHideFloatingPanels)(BYTE);
  BYTE(WINAPI* GetUseExternalWebBrowser)();
  BYTE(WINAPI* GetIntegratedHelpSystem)();
  BYTE(WINAPI* GetUseSystemLocaleLanguage)();
  BYTE(WINAPI* GetUseLocalizedDialogs)();
  void(WINAPI* GetTranslationManager)(ITranslationManager**);
  LONG(WINAPI* UpdateFont)(LOGFONTA*);
  void(WINAPI* SetErrorInfo)(const wchar_t*, const wchar_t*, void*);
  void(WINAPI* ClearErrorInfo)();
  void(WINAPI* HandleException)(void*);
};

bool g_bound = false;
HostFunctions g_host = {};

template <class F>
void Bind(HMODULE host, const char* name, F& entry) {
  entry = host ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(host, name))) : nullptr;
}

}  // namespace

void BindHostFunctions() noexcept {
  if (g_bound) return;
  const HMODULE host = GetHostModule();
  Bind(host, "ClientAPI_GetClientInterface", g_host.GetClientInterface);
  Bind(host, "ClientAPI_GetPrefUseLuna", g_host.GetPrefUseLuna);
  Bind(host, "ClientAPI_GetPrefHideFloatingPanels", g_host.GetPrefHideFloatingPanels);
  Bind(host, "ClientAPI_SetPrefHideFloatingPanels", g_host.SetPrefHideFloatingPanels);
  Bind(host, "ClientAPI_GetUseExternalWebBrowser", g_host.GetUseExternalWebBrowser);
  Bind(host, "ClientAPI_GetIntegratedHelpSystem", g_host.GetIntegratedHelpSystem);
  Bind(host, "ClientAPI_GetUseSystemLocaleLanguage", g_host.GetUseSystemLocaleLanguage);
  Bind(host, "ClientAPI_GetUseLocalizedDialogs", g_host.GetUseLocalizedDialogs);
  Bind(host, "ClientAPI_GetTranslationManager", g_host.GetTranslationManager);
  Bind(host, "ClientAPI_UpdateFont", g_host.UpdateFont);
  Bind(host, "ClientAPI_SetErrorInfo", g_host.SetErrorInfo);
  Bind(host, "ClientAPI_ClearErrorInfo", g_host.ClearErrorInfo);
  Bind(host, "ClientAPI_HandleException", g_host.HandleException);
  g_bound = true;
}

namespace client_api {

namespace {
bool Ask(BYTE(WINAPI* fn)(), bool fallback) { return fn ? fn() != 0 : fallback; }
}  // namespace

void GetClientInterface(IClient** client) noexcept {
  if (g_host.GetClientInterface) g_host.GetClientInterface(client);
}

bool GetPrefUseLuna() noexcept { return Ask(g_host.GetPrefUseLuna, false); }
bool GetPrefHideFloatingPanels() noexcept { return Ask(g_host.GetPrefHideFloatingPanels, false); }
void SetPrefHideFloatingPanels(bool value) noexcept {
  if (g_host.SetPrefHideFloatingPanels) g_host.SetPrefHideFloatingPanels(value ? 1 : 0);
}
bool GetUseExternalWebBrowser() noexcept { return Ask(g_host.GetUseExternalWebBrowser, true); }
bool GetIntegratedHelpSystem() noexcept { return Ask(g_host.GetIntegratedHelpSystem, false); }
bool GetUseSystemLocaleLanguage() noexcept { return Ask(g_host.GetUseSystemLocaleLanguage, false); }
bool GetUseLocalizedDialogs() noexcept { return Ask(g_host.GetUseLocalizedDialogs, false); }

void GetTranslationManager(ITranslationManager** manager) noexcept {
  // An out-parameter: whatever the variable held is released first, host or no host.
  if (*manager) std::exchange(*manager, nullptr)->Release();
  if (g_host.GetTranslationManager) g_host.GetTranslationManager(manager);
}

int UpdateFont(LOGFONTA* font) noexcept { return g_host.UpdateFont ? g_host.UpdateFont(font) : 0; }

void SetErrorInfo(const wchar_t* source, const wchar_t* description, void* data) noexcept {
  if (g_host.SetErrorInfo) g_host.SetErrorInfo(source, description, data);
}
void ClearErrorInfo() noexcept {
  if (g_host.ClearErrorInfo) g_host.ClearErrorInfo();
}
void HandleException(void* exception) noexcept {
  if (g_host.HandleException) g_host.HandleException(exception);
}

}  // namespace client_api

}  // namespace pp::hostenv
