#include "forms/crash_report_win.h"

#include <windows.h>
#include <tlhelp32.h>

#include "forms/crash_report.h"

namespace pp::forms {

namespace {

std::vector<CrashModule> ProcessModules() {
  std::vector<CrashModule> modules;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
  if (snapshot == INVALID_HANDLE_VALUE) return modules;
  MODULEENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry))
    modules.push_back({entry.szModule, static_cast<std::uint32_t>(reinterpret_cast<uintptr_t>(entry.modBaseAddr)),
                       static_cast<std::uint32_t>(entry.modBaseSize)});
  CloseHandle(snapshot);
  return modules;
}

// The handler runs on the faulting thread, below the frames that raised: its stack still holds
// the way there. The first frames are this composer's own and are skipped.
std::vector<std::uint32_t> CallerStack() {
  void* frames[48] = {};
  const USHORT n = RtlCaptureStackBackTrace(2, 48, frames, nullptr);
  std::vector<std::uint32_t> stack;
  for (USHORT i = 0; i < n; ++i) stack.push_back(static_cast<std::uint32_t>(reinterpret_cast<uintptr_t>(frames[i])));
  return stack;
}

}  // namespace

std::string ComposeBugReport(const std::string& exception_class, const std::string& message, const void* address) {
  CrashFacts facts;
  facts.exception_class = exception_class;
  facts.message = message;
  facts.address = static_cast<std::uint32_t>(reinterpret_cast<uintptr_t>(address));
  facts.thread_id = GetCurrentThreadId();
  facts.modules = ProcessModules();
  facts.stack = CallerStack();
  return ComposeCrashReport(facts);
}

}  // namespace pp::forms
