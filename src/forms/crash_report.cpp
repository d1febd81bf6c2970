#include "forms/crash_report.h"

#include <cstdio>

namespace pp::forms {

namespace {

std::string Hex8(std::uint32_t value) {
  char text[12];
  std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(value));
  return text;
}

}  // namespace

std::string DescribeAddress(std::uint32_t address, const std::vector<CrashModule>& modules) {
  for (const CrashModule& m : modules)
    if (address >= m.base && address - m.base < m.size) return m.name + "+" + Hex8(address - m.base);
  return Hex8(address);
}

std::string ComposeCrashReport(const CrashFacts& facts) {
  std::string text;
  text += "exception class   : " + (facts.exception_class.empty() ? std::string("(none)") : facts.exception_class) + "\r\n";
  text += "exception message : " + facts.message + "\r\n";
  text += "exception address : " + Hex8(facts.address) + " " + DescribeAddress(facts.address, facts.modules) + "\r\n";
  text += "thread id         : " + Hex8(facts.thread_id) + "\r\n";
  text += "\r\nstack of thread " + Hex8(facts.thread_id) + ":\r\n";
  if (facts.stack.empty()) text += "  (not available)\r\n";
  for (std::uint32_t frame : facts.stack) text += "  " + Hex8(frame) + " " + DescribeAddress(frame, facts.modules) + "\r\n";
  text += "\r\nmodules:\r\n";
  for (const CrashModule& m : facts.modules)
    text += "  " + Hex8(m.base) + " " + Hex8(m.size) + " " + m.name + "\r\n";
  return text;
}

}  // namespace pp::forms
