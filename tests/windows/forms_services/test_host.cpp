#include "test_host.h"

#include <oleauto.h>

#include "hostenv/host_client.h"
#include "hostenv/host_functions.h"
#include "hostenv/host_interfaces.h"

namespace pp::forms::test {

TestHost& Host() {
  static TestHost host;
  return host;
}

std::string Narrow(const wchar_t* text) {
  if (!text) return "nil";
  const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

void BindTestHost() { hostenv::InitHostBinding(); }

namespace {

BSTR NewBstr(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

class TranslationManager final : public hostenv::ITranslationManager {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Translate(BSTR section, BSTR key, BSTR* text, BOOL* found) override {
    const std::string s = Narrow(section), k = Narrow(key);
    Host().calls.push_back("Translate(" + s + ", " + k + ")");
    if (Host().fail_operation == "Translate") return E_FAIL;
    auto it = Host().translations.find({s, k});
    *found = it != Host().translations.end();
    *text = NewBstr(*found ? it->second : "");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetCurrentForm(BSTR name) override {
    Host().calls.push_back("SetCurrentForm(" + Narrow(name) + ")");
    return Host().fail_operation == "SetCurrentForm" ? E_FAIL : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetFontSubstitution(LONG* value) override {
    *value = Host().font_substitution;
    return S_OK;
  }

 private:
  ULONG refs_ = 1;
};

// The client: only its dialog font is asked for here. Lives as long as the process.
class Client : public hostenv::IClient {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetObjectByName(BSTR, IUnknown** object) override {
    *object = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetMainWindowHandle(HWND* handle) override {
    *handle = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetGuiManager(hostenv::IHostGuiManager** manager) override {
    *manager = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetHelpFileForReference(BSTR, BSTR* file) override {
    *file = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDialogFont(LONG, BYTE* found, BSTR* name, LONG* size, BYTE* style, LONG* colour,
                                          BYTE* charset) override {
    *found = !Host().dialog_font.empty();
    *name = NewBstr(Host().dialog_font);
    *size = 11;
    *style = 0;
    *colour = 0;
    *charset = DEFAULT_CHARSET;
    return S_OK;
  }
};

}  // namespace

hostenv::IClient* TheClient() {
  static Client client;
  return &client;
}

}  // namespace pp::forms::test

using pp::forms::test::Host;

// Exported under their plain names, as a host exports them: the linker is told to export each
// stdcall function without its decoration.
extern "C" {
void WINAPI ClientAPI_SetErrorInfo(const wchar_t*, const wchar_t*, void*);
void WINAPI ClientAPI_ClearErrorInfo();
void WINAPI ClientAPI_HandleException(void*);
BYTE WINAPI ClientAPI_GetUseLocalizedDialogs();
void WINAPI ClientAPI_GetTranslationManager(pp::hostenv::ITranslationManager**);
void WINAPI ClientAPI_GetClientInterface(pp::hostenv::IClient**);
}
asm(".section .drectve\n"
    ".ascii \" -export:ClientAPI_SetErrorInfo=ClientAPI_SetErrorInfo@12\"\n"
    ".ascii \" -export:ClientAPI_ClearErrorInfo=ClientAPI_ClearErrorInfo@0\"\n"
    ".ascii \" -export:ClientAPI_HandleException=ClientAPI_HandleException@4\"\n"
    ".ascii \" -export:ClientAPI_GetUseLocalizedDialogs=ClientAPI_GetUseLocalizedDialogs@0\"\n"
    ".ascii \" -export:ClientAPI_GetTranslationManager=ClientAPI_GetTranslationManager@4\"\n"
    ".ascii \" -export:ClientAPI_GetClientInterface=ClientAPI_GetClientInterface@4\"\n"
    ".text\n");

extern "C" {
void WINAPI ClientAPI_SetErrorInfo(const wchar_t* message, const wchar_t* report, void* address) {
  Host().calls.push_back("SetErrorInfo(" + pp::forms::test::Narrow(message) + ")");
  Host().reports.push_back(report ? report : L"");
  Host().addresses.push_back(address);
}
void WINAPI ClientAPI_ClearErrorInfo() { Host().calls.push_back("ClearErrorInfo"); }
void WINAPI ClientAPI_HandleException(void* exception) {
  Host().calls.push_back(exception ? "HandleException(exception)" : "HandleException(nil)");
}
BYTE WINAPI ClientAPI_GetUseLocalizedDialogs() { return Host().localized_dialogs ? 1 : 0; }
void WINAPI ClientAPI_GetTranslationManager(pp::hostenv::ITranslationManager** manager) {
  if (*manager) (*manager)->Release();
  *manager = Host().translation_manager ? new pp::forms::test::TranslationManager : nullptr;
}
void WINAPI ClientAPI_GetClientInterface(pp::hostenv::IClient** client) {
  if (*client) (*client)->Release();
  *client = pp::forms::test::TheClient();
  (*client)->AddRef();
}
}
