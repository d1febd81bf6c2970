#include "hostenv/host_client.h"

#include <utility>

#include "base/errors.h"
#include "base/handler_hooks.h"
#include "hostenv/host_functions.h"
#include "hostenv/text.h"

namespace pp::hostenv {

namespace {

IClient* g_client = nullptr;  // not counted, see InitHostBinding
HMODULE g_workspace_module = nullptr;
HRESULT(WINAPI* g_workspace_entry)(IWorkspace**) = nullptr;

}  // namespace

void InitHostBinding() noexcept {
  BindHostFunctions();
  win::ComPtr<IClient> client;
  client_api::GetClientInterface(client.receive());
  g_client = client.get();  // the local reference goes; the host's own keeps the client alive
}

win::ComPtr<IClient> GetClient() noexcept {
  if (g_client) g_client->AddRef();
  return win::ComPtr<IClient>::Adopt(g_client);
}

void CheckHostStatus(HRESULT status) {
  if (status >= 0) return;
  char text[512] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                 static_cast<DWORD>(status), 0, text, sizeof text, nullptr);
  std::string message(text, n);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  if (message.empty()) message = "Unspecified error";
  Raise(EOSError(static_cast<unsigned long>(status), message));
}

HWND GetHostMainWindow() {
  win::ComPtr<IClient> client = GetClient();
  if (!client) return nullptr;
  HWND handle = nullptr;
  CheckHostStatus(client->GetMainWindowHandle(&handle));
  return handle;
}

void RunHostProcess(const std::string& process, const void* parameters, int parameterSize, int reserved) {
  win::ComPtr<IClient> client = GetClient();
  if (!client) return;
  win::ComPtr<IHostProcessLauncher> launcher;
  CheckHostStatus(client->QueryInterface(IID_IHostProcessLauncher, reinterpret_cast<void**>(launcher.receive())));
  CheckHostStatus(launcher->RunProcess(process.c_str(), parameters, parameterSize, reserved));
}

HRESULT GetHostWorkspace(IWorkspace** workspace) noexcept {
  try {
    // An out-parameter: whatever the variable held is released first.
    if (*workspace) std::exchange(*workspace, nullptr)->Release();
    if (!g_workspace_module) {
      // Only a module the host has loaded already; looked for again until it shows up.
      if (HMODULE module = GetModuleHandleA("WorkspaceManager.DLL")) {
        g_workspace_module = module;
        g_workspace_entry = reinterpret_cast<HRESULT(WINAPI*)(IWorkspace**)>(
            reinterpret_cast<void*>(GetProcAddress(module, "GetWorkspace")));
      }
    }
    if (g_workspace_entry) CheckHostStatus(g_workspace_entry(workspace));
    return S_OK;
  } catch (...) {
    TakenException taken;
    return E_UNEXPECTED;
  }
}

void FindWorkspaceObject(const std::string& name, IUnknown** object) {
  if (*object) std::exchange(*object, nullptr)->Release();
  win::ComPtr<IWorkspace> workspace;
  CheckHostStatus(GetHostWorkspace(workspace.receive()));
  if (!workspace) return;  // no workspace module: nothing names the object
  win::UniqueBstr wide_name(SysAllocString(AnsiToWide(name).c_str()));
  win::UniqueBstr object_name;
  CheckHostStatus(workspace->GetObjectName(wide_name.get(), object_name.receive()));
  if (SysStringLen(object_name.get()) == 0) return;
  win::ComPtr<IClient> client = GetClient();
  if (!client) return;
  CheckHostStatus(client->GetObjectByName(object_name.get(), object));
}

}  // namespace pp::hostenv
