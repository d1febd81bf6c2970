// Errors that never passed the library's raise (an allocation that fails, a standard-library
// length check) still leave error information for the host, like every raised error. The
// allocation failure is injected through this executable's own operator new, which the
// library's code linked into it uses.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/win_status.h"
#include "plugin/error_info.h"

namespace {
// The next allocation of at least this many bytes fails; 0: none does.
size_t g_fail_allocation_of = 0;
}  // namespace

void* operator new(size_t size) {
  if (g_fail_allocation_of != 0 && size >= g_fail_allocation_of) {
    g_fail_allocation_of = 0;
    throw std::bad_alloc();
  }
  if (void* p = HeapAlloc(GetProcessHeap(), 0, size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  if (p) HeapFree(GetProcessHeap(), 0, p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }

namespace pp::plugin {
namespace {

std::wstring OwnFileName() {
  wchar_t path[MAX_PATH] = {};
  std::wstring text(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return text.substr(text.find_last_of(L'\\') + 1);
}

void ReserveTooMuch() {
  std::string text;
  text.reserve(text.max_size() + 1);
}

// The standard library's own text of the error, as the host should read it.
std::wstring LengthErrorText() {
  try {
    ReserveTooMuch();
  } catch (const std::length_error& e) {
    const std::string what = e.what();
    return std::wstring(what.begin(), what.end());
  }
  return L"(no length error)";
}

TEST(UnraisedErrors, LeaveErrorInformationLikeRaisedOnes) {
  InstallErrorInfoHook();
  struct Case {
    const char* what;
    void (*body)();
    std::wstring description;
  };
  const Case cases[] = {
      {"an allocation that fails",
       [] {
         g_fail_allocation_of = 1 << 20;
         std::vector<char> buffer(2 << 20);
       },
       L"Out of memory"},
      {"a length error", &ReserveTooMuch, LengthErrorText()},
  };
  for (const Case& c : cases) {
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(win::CallWithStatus(c.body), E_UNEXPECTED) << c.what;
    g_fail_allocation_of = 0;
    IErrorInfo* info = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK) << c.what;
    ASSERT_NE(info, nullptr) << "expected error information after " << c.what << ", got none";
    BSTR source = nullptr, description = nullptr;
    info->GetSource(&source);
    info->GetDescription(&description);
    EXPECT_EQ(std::wstring(source ? source : L""), OwnFileName()) << c.what;
    EXPECT_EQ(std::wstring(description ? description : L""), c.description) << c.what;
    SysFreeString(source);
    SysFreeString(description);
    info->Release();
  }
  RemoveErrorInfoHook();
}

}  // namespace
}  // namespace pp::plugin
