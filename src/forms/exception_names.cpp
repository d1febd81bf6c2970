#include "forms/exception_names.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace pp::forms {

namespace {

struct CodeName {
  std::uint32_t code;
  const char* name;
};

constexpr CodeName kCodeNames[] = {
    {0xC0000005, "Access Violation"},
    {0xC0000006, "In Page Error"},
    {0xC0000008, "Invalid Handle"},
    {0xC0000017, "No Memory"},
    {0xC000001D, "Illegal Instruction"},
    {0xC0000025, "Noncontinuable Exception"},
    {0xC0000026, "Invalid Disposition"},
    {0xC000008C, "Array Bounds Exceeded"},
    {0xC000008D, "Float Denormal Operand"},
    {0xC000008E, "Float Divide By Zero"},
    {0xC000008F, "Float Inexact Result"},
    {0xC0000090, "Float Invalid Operation"},
    {0xC0000091, "Float Overflow"},
    {0xC0000092, "Float Stack Check"},
    {0xC0000093, "Float Underflow"},
    {0xC0000094, "Integer Divide By Zero"},
    {0xC0000095, "Integer Overflow"},
    {0xC0000096, "Privileged Instruction"},
    {0xC00000FD, "Stack Overflow"},
};

// The library's own serious classes, the memory family (EOutOfMemory, EOutOfResources and the
// runtime's bad_alloc are what an out-of-memory looks like here), and the two foreign families
// known by name only.
constexpr const char* kSeriousNames[] = {
    "EExternal",   "EHeapException", "EOSError",        "EResNotFound", "EListError", "EStringListError",
    "EInvalidOperation", "EThread",  "EOutOfMemory",    "EOutOfResources", "bad_alloc",
    "EOleError",   "EPTStgException",
};

bool SameTextAscii(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return i == a.size() && !b[i];
}

std::string Unqualified(const char* mangled) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  std::string name = status == 0 && demangled ? demangled.get() : mangled;
  // The last component of a qualified name; template arguments are not looked into.
  size_t end = name.find('<');
  if (end == std::string::npos) end = name.size();
  const size_t colon = name.rfind("::", end);
  return colon == std::string::npos ? name.substr(0, end) : name.substr(colon + 2, end - colon - 2);
}

void Walk(const std::type_info& type, std::vector<std::string>& out) {
  out.push_back(Unqualified(type.name()));
  if (auto* single = dynamic_cast<const abi::__si_class_type_info*>(&type)) {
    Walk(*single->__base_type, out);
  } else if (auto* multiple = dynamic_cast<const abi::__vmi_class_type_info*>(&type)) {
    for (unsigned i = 0; i < multiple->__base_count; ++i) Walk(*multiple->__base_info[i].__base_type, out);
  }
}

}  // namespace

std::string ExceptionCodeName(std::uint32_t code) {
  for (const CodeName& c : kCodeNames)
    if (c.code == code) return c.name;
  char text[24];
  std::snprintf(text, sizeof text, "Error (%08lX)", static_cast<unsigned long>(code));
  return text;
}

std::vector<std::string> ExceptionClassChain(const std::type_info& type) {
  std::vector<std::string> chain;
  Walk(type, chain);
  return chain;
}

std::string ExceptionClassName(const std::exception& error) { return Unqualified(typeid(error).name()); }

bool IsSeriousException(const std::exception& error) {
  for (const std::string& name : ExceptionClassChain(typeid(error)))
    for (const char* serious : kSeriousNames)
      if (SameTextAscii(name, serious)) return true;
  return false;
}

}  // namespace pp::forms
