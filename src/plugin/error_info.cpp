#include "plugin/error_info.h"

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "base/errors.h"
#include "base/win_handles.h"
#include "plugin/module_init.h"

namespace pp::plugin {

namespace {

RaiseHook g_previous = nullptr;
bool g_installed = false;

std::wstring Widen(const char* text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring out(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), n);
  return out;
}

void LeaveErrorInfo(const Exception& error) {
  win::ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.receive())) || !create) return;

  // The source is the file name of this library, without its folder.
  char path[261] = {};
  GetModuleFileNameA(SelfModule(), path, sizeof path);
  const char* name = path;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  std::wstring source = Widen(name);
  create->SetSource(source.data());

  std::wstring description = Widen(error.what());
  create->SetDescription(description.data());

  win::ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(info.receive()))) && info)
    SetErrorInfo(0, info.get());
}

void ErrorInfoHook(const Exception& error) {
  try {
    LeaveErrorInfo(error);
  } catch (...) {
    // Out of memory while describing an error: the raise itself still goes ahead.
  }
  if (g_previous) g_previous(error);
}

}  // namespace

void InstallErrorInfoHook() noexcept {
  if (g_installed) return;
  g_previous = SetRaiseHook(&ErrorInfoHook);
  g_installed = true;
}

void RemoveErrorInfoHook() noexcept {
  if (!g_installed) return;
  SetRaiseHook(g_previous);
  g_previous = nullptr;
  g_installed = false;
}

}  // namespace pp::plugin
