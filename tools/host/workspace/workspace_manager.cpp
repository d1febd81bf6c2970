// Stand-in for the host's "WorkspaceManager.DLL": its GetWorkspace hands out a workspace whose
// GetObjectName answers from PPHOST_WORKSPACE_NAMES ("name=object;..."; an unknown name gives
// empty text). Calls are recorded like the host's own. The plug-in never loads this module; the
// host stand-in loads it on request ("host probe").
#include <windows.h>

#include <string>

#include "call_log.h"
#include "hostenv/host_interfaces.h"
#include "settings.h"

namespace {

using pp::hostenv::IWorkspace;

class Workspace final : public IWorkspace {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetObjectName(BSTR name, BSTR* result) override {
    const std::string quoted = host::Quote(name);
    const std::string key = quoted == "nil" ? "" : quoted.substr(1, quoted.size() - 2);
    const std::string object = host::MapSetting("PPHOST_WORKSPACE_NAMES", key);
    host::Record("IWorkspace.GetObjectName(" + quoted + ") -> " + host::Quote(object));
    const std::wstring wide(object.begin(), object.end());
    *result = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return S_OK;
  }

 private:
  ULONG refs_ = 1;
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI GetWorkspace(IWorkspace** workspace) {
  const bool fail = host::Fails("GetWorkspace");
  host::Record(std::string("GetWorkspace()") + (fail ? " -> E_FAIL" : ""));
  if (fail) return E_FAIL;
  *workspace = new Workspace;
  return S_OK;
}
