// The "ClientAPI_" functions the host exports by name (built into host.exe only; host_bare.exe
// exports nothing). Linked with --kill-at so the names carry no stdcall decoration.
#include <windows.h>

#include <cstring>
#include <string>

#include "call_log.h"
#include "client.h"
#include "settings.h"

using pp::hostenv::IClient;
using pp::hostenv::ITranslationManager;

namespace {

// A query's answer is the raw setting in all of EAX: only its low byte is the Boolean.
DWORD Query(const char* name) {
  const DWORD value = host::SettingNumber((std::string("PPHOST_") + name).c_str());
  host::Record(std::string("ClientAPI_") + name + "() -> " + host::Hex(value));
  return value;
}

bool g_hide_floating_panels_set = false;
BYTE g_hide_floating_panels = 0;

}  // namespace

#define HOST_EXPORT extern "C" __declspec(dllexport)

HOST_EXPORT void WINAPI ClientAPI_GetClientInterface(IClient** client) {
  const bool none = host::Setting("PPHOST_CLIENT") == "none";
  host::Record(std::string("ClientAPI_GetClientInterface()") + (none ? " -> untouched" : ""));
  if (none) return;
  if (*client) (*client)->Release();
  *client = host::Client();
  if (*client) (*client)->AddRef();
}

HOST_EXPORT DWORD WINAPI ClientAPI_GetPrefUseLuna() { return Query("GetPrefUseLuna"); }

HOST_EXPORT DWORD WINAPI ClientAPI_GetPrefHideFloatingPanels() {
  if (!g_hide_floating_panels_set) return Query("GetPrefHideFloatingPanels");
  host::Record("ClientAPI_GetPrefHideFloatingPanels() -> " + host::Hex(g_hide_floating_panels));
  return g_hide_floating_panels;
}

HOST_EXPORT void WINAPI ClientAPI_SetPrefHideFloatingPanels(BYTE value) {
  host::Record("ClientAPI_SetPrefHideFloatingPanels(" + std::to_string(value) + ")");
  g_hide_floating_panels_set = true;
  g_hide_floating_panels = value;
}

HOST_EXPORT DWORD WINAPI ClientAPI_GetUseExternalWebBrowser() { return Query("GetUseExternalWebBrowser"); }
HOST_EXPORT DWORD WINAPI ClientAPI_GetIntegratedHelpSystem() { return Query("GetIntegratedHelpSystem"); }
HOST_EXPORT DWORD WINAPI ClientAPI_GetUseSystemLocaleLanguage() { return Query("GetUseSystemLocaleLanguage"); }
HOST_EXPORT DWORD WINAPI ClientAPI_GetUseLocalizedDialogs() { return Query("GetUseLocalizedDialogs"); }

HOST_EXPORT void WINAPI ClientAPI_GetTranslationManager(ITranslationManager** manager) {
  const bool none = host::Setting("PPHOST_TRANSLATION_MANAGER") == "none";
  host::Record(std::string("ClientAPI_GetTranslationManager()") + (none ? " -> nil" : ""));
  if (*manager) (*manager)->Release();
  *manager = none ? nullptr : host::NewTranslationManager();
}

HOST_EXPORT LONG WINAPI ClientAPI_UpdateFont(LOGFONTA* font) {
  const LONG result = static_cast<LONG>(host::SettingNumber("PPHOST_UpdateFont"));
  host::Record("ClientAPI_UpdateFont(" + host::Quote(font->lfFaceName) + ", " + std::to_string(font->lfHeight) +
               ") -> " + std::to_string(result));
  const std::string face = host::Setting("PPHOST_UPDATEFONT_FACE");
  if (result && !face.empty()) lstrcpynA(font->lfFaceName, face.c_str(), LF_FACESIZE);
  return result;
}

HOST_EXPORT void WINAPI ClientAPI_SetErrorInfo(const wchar_t* source, const wchar_t* description, void* data) {
  host::Record("ClientAPI_SetErrorInfo(" + host::Quote(source) + ", " + host::Quote(description) + ", " +
               (data ? "data" : "nil") + ")");
}

HOST_EXPORT void WINAPI ClientAPI_ClearErrorInfo() { host::Record("ClientAPI_ClearErrorInfo()"); }

HOST_EXPORT void WINAPI ClientAPI_HandleException(void* exception) {
  host::Record(std::string("ClientAPI_HandleException(") + (exception ? "exception" : "nil") + ")");
}
