#include "probe.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/errors.h"
#include "hostenv/folders.h"
#include "hostenv/host_client.h"
#include "hostenv/host_functions.h"

namespace host {

namespace {

using namespace pp::hostenv;

void Print(const char* name, const std::string& value) { std::printf("%s=%s\n", name, value.c_str()); }
void Print(const char* name, bool value) { Print(name, std::string(value ? "true" : "false")); }

template <class F>
void Guarded(const char* name, F&& body) {
  try {
    body();
  } catch (const pp::Exception& e) {
    Print(name, "error: " + e.Message());
  }
}

}  // namespace

int RunProbe(int, char**) {
  InitHostBinding();
  Print("Client", std::string(GetClient() ? "set" : "none"));
  Print("GetPrefUseLuna", client_api::GetPrefUseLuna());
  Print("GetPrefHideFloatingPanels", client_api::GetPrefHideFloatingPanels());
  client_api::SetPrefHideFloatingPanels(true);
  Print("GetPrefHideFloatingPanels after set", client_api::GetPrefHideFloatingPanels());
  Print("GetUseExternalWebBrowser", client_api::GetUseExternalWebBrowser());
  Print("GetIntegratedHelpSystem", client_api::GetIntegratedHelpSystem());
  Print("GetUseSystemLocaleLanguage", client_api::GetUseSystemLocaleLanguage());
  Print("GetUseLocalizedDialogs", client_api::GetUseLocalizedDialogs());

  pp::win::ComPtr<ITranslationManager> translations;
  client_api::GetTranslationManager(translations.receive());
  Print("GetTranslationManager", std::string(translations ? "set" : "none"));

  LOGFONTA font = {};
  lstrcpyA(font.lfFaceName, "Tahoma");
  font.lfHeight = -11;
  const int changed = client_api::UpdateFont(&font);
  Print("UpdateFont", std::to_string(changed) + " " + font.lfFaceName);

  client_api::SetErrorInfo(L"ParallelPort.dll", L"Probe message", nullptr);
  client_api::ClearErrorInfo();
  client_api::HandleException(nullptr);

  Guarded("GetHostMainWindow", [] {
    HWND window = GetHostMainWindow();
    char title[64] = {};
    if (window) GetWindowTextA(window, title, sizeof title);
    Print("GetHostMainWindow", window ? "window \"" + std::string(title) + "\"" : std::string("0"));
  });
  Guarded("RunHostProcess", [] {
    static const char kParameters[] = "Address=probe";
    RunHostProcess("HelpAdvisor:ShowDynamicHelp", kParameters, sizeof kParameters, 0);
    Print("RunHostProcess", std::string("returned"));
  });
  Print("GetLocalizedFolder", GetLocalizedFolder());
  return 0;
}

}  // namespace host
