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

int RunProbe(int argc, char** argv) {
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

  // The workspace: looked for among the loaded modules only, so none until the host loads it.
  auto probe_workspace = [](const char* label) {
    pp::win::ComPtr<IWorkspace> workspace;
    const HRESULT status = GetHostWorkspace(workspace.receive());
    char text[64];
    std::snprintf(text, sizeof text, "0x%08lX %s", static_cast<unsigned long>(status), workspace ? "set" : "none");
    Print(label, std::string(text));
  };
  auto find_object = [](const char* label, const char* name) {
    Guarded(label, [&] {
      pp::win::ComPtr<IUnknown> object;
      FindWorkspaceObject(name, object.receive());
      Print(label, std::string(object ? "set" : "none"));
    });
  };
  probe_workspace("GetHostWorkspace before load");
  find_object("FindWorkspaceObject before load", "Known");
  if (argc > 0 && std::string(argv[0]) == "workspace") {
    char path[MAX_PATH + 1] = {};
    std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    if (!LoadLibraryA((folder + "WorkspaceManager.DLL").c_str())) Print("WorkspaceManager.DLL", std::string("not loaded"));
    probe_workspace("GetHostWorkspace after load");
    find_object("FindWorkspaceObject Known", "Known");
    find_object("FindWorkspaceObject Unknown", "Unknown");
  }
  return 0;
}

}  // namespace host
