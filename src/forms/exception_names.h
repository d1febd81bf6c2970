// Names of operating-system exception codes, and which exception classes are serious enough
// to go to the host's own exception handling instead of an error box.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <typeinfo>
#include <vector>

namespace pp::forms {

// "Access Violation" and the other names of the table; any other code as "Error (E0001234)".
std::string ExceptionCodeName(std::uint32_t code);

// The unqualified class names of `type` and all its ancestors, the class itself first, read
// from the run-time type information (so classes the library never heard of count too).
std::vector<std::string> ExceptionClassChain(const std::type_info& type);
std::string ExceptionClassName(const std::exception& error);

// Faults of the machine, the memory manager, the system, resources, lists and threads, plus
// any class with an ancestor named EOleError or EPTStgException (names without case).
bool IsSeriousException(const std::exception& error);

}  // namespace pp::forms
