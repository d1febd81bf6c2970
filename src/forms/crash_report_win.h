// The facts of a crash report read from the running process.
#pragma once

#include <string>

namespace pp::forms {

// The report for an exception (class empty when there is no object) at `address`, naming the
// calling thread, the process's modules and the calling thread's stack.
std::string ComposeBugReport(const std::string& exception_class, const std::string& message, const void* address);

}  // namespace pp::forms
