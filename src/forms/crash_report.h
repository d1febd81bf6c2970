// The bug report text handed to the host with an exception: what was raised, where (as module +
// offset, which survives relocation), on which thread, the modules of the process and the
// return addresses of the faulting thread's stack. Composing is portable; gathering the facts
// is Win32 (crash_report_win.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pp::forms {

struct CrashModule {
  std::string name;  // file name without folder
  std::uint32_t base = 0;
  std::uint32_t size = 0;
};

struct CrashFacts {
  std::string exception_class;  // empty for an operating-system exception without an object
  std::string message;          // the object's message, or the code's name
  std::uint32_t address = 0;
  std::uint32_t thread_id = 0;
  std::vector<CrashModule> modules;
  std::vector<std::uint32_t> stack;  // return addresses, innermost first
};

// "ParallelPort.dll+00001A2B", or the bare address when no module holds it.
std::string DescribeAddress(std::uint32_t address, const std::vector<CrashModule>& modules);

std::string ComposeCrashReport(const CrashFacts& facts);

}  // namespace pp::forms
