#include "forms/exception_report.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>

#include "forms/crash_report_win.h"
#include "forms/exception_names.h"
#include "hostenv/host_functions.h"
#include "hostenv/message_dialog.h"

namespace pp::forms {

namespace {

ExceptionObjectFactory g_factory = &MakeExternalException;

std::wstring Widen(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  return wide;
}

std::string ModuleNameAt(const void* address) {
  HMODULE module = nullptr;
  char path[MAX_PATH] = {};
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<const char*>(address), &module) ||
      !GetModuleFileNameA(module, path, sizeof path))
    return {};
  std::string name = path;
  return name.substr(name.find_last_of("\\/") + 1);
}

// The report is best effort: short of memory, the host still gets the message and address.
std::string BugReport(const std::string& exception_class, const std::string& message, const void* address) {
  try {
    return ComposeBugReport(exception_class, message, address);
  } catch (...) {
    return {};
  }
}

void SetHostErrorInfo(const std::string& message, const std::string& report, const void* address) {
  const std::wstring wide_message = Widen(message), wide_report = Widen(report);
  hostenv::client_api::SetErrorInfo(wide_message.c_str(), wide_report.c_str(), const_cast<void*>(address));
}

// Message, class and address of the C++ exception being handled.
struct Described {
  std::string exception_class, message;
  const void* address = nullptr;
  bool serious = true;
};

Described DescribeCurrent(const std::exception* error) {
  Described d;
  if (!error) {
    // Something that is no exception object at all: it cannot be judged harmless.
    d.message = "Exception of unknown type";
    return d;
  }
  d.exception_class = ExceptionClassName(*error);
  d.message = error->what();
  d.serious = IsSeriousException(*error);
  // Errors of the library pass pp::Raise, which notes where they were raised.
  if (dynamic_cast<const Exception*>(error)) d.address = LastRaiseAddress();
  return d;
}

}  // namespace

std::unique_ptr<Exception> MakeExternalException(const ForeignException& fault) {
  char text[160];
  const std::string module = ModuleNameAt(fault.address);
  std::snprintf(text, sizeof text, "%s at address %08lX%s%s%s", ExceptionCodeName(fault.code).c_str(),
                static_cast<unsigned long>(reinterpret_cast<uintptr_t>(fault.address)),
                module.empty() ? "" : " in module '", module.c_str(), module.empty() ? "" : "'");
  return std::make_unique<EExternal>(fault.code, text);
}

ExceptionObjectFactory SetExceptionObjectFactory(ExceptionObjectFactory factory) noexcept {
  return std::exchange(g_factory, factory);
}

void ReportException(const ForeignException* foreign) noexcept {
  try {
    if (foreign) {
      std::unique_ptr<Exception> object;
      try {
        if (g_factory) object = g_factory(*foreign);
      } catch (...) {
        object.reset();  // making the object failed: the code names the exception
      }
      const std::string message = object ? object->Message() : ExceptionCodeName(foreign->code);
      const std::string report =
          BugReport(object ? ExceptionClassName(*object) : std::string(), message, foreign->address);
      SetHostErrorInfo(message, report, foreign->address);
      return;
    }
    if (!std::current_exception()) return;
    Described d;
    try {
      throw;
    } catch (const std::exception& e) {
      d = DescribeCurrent(&e);
    } catch (...) {
      d = DescribeCurrent(nullptr);
    }
    SetHostErrorInfo(d.message, BugReport(d.exception_class, d.message, d.address), d.address);
  } catch (...) {
    // No memory left to describe the exception: the handler goes on without a report.
  }
}

void EndExceptionHandling() noexcept { hostenv::client_api::ClearErrorInfo(); }

void ApplicationExceptionHandler(toolkit::TComponent*, const std::exception* error) {
  const Described d = DescribeCurrent(error);
  if (d.serious) {
    SetHostErrorInfo(d.message, BugReport(d.exception_class, d.message, d.address), d.address);
    hostenv::client_api::HandleException(nullptr);
    return;
  }
  hostenv::ShowErrorDialog(d.message, "");
}

}  // namespace pp::forms
