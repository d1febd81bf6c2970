#include "forms/exception_names.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "base/errors.h"
#include "toolkit/errors.h"

// Classes the library never defines: a host's COM error family, known by name only.
namespace host_side {
class EOleError : public pp::Exception {
 public:
  using Exception::Exception;
};
class EOleSysError : public EOleError {
 public:
  using EOleError::EOleError;
};
class eptstgexception : public std::runtime_error {
 public:
  using runtime_error::runtime_error;
};
class Mixin {
 public:
  virtual ~Mixin() = default;
};
class EStorageFault : public Mixin, public eptstgexception {
 public:
  using eptstgexception::eptstgexception;
};
class EOleErrorLike : public pp::Exception {  // a name that only starts like one
 public:
  using Exception::Exception;
};
}  // namespace host_side

namespace pp::forms {
namespace {

TEST(ExceptionCodeName, TableAndUnnamedCodes) {
  const struct {
    std::uint32_t code;
    const char* name;
  } cases[] = {
      {0xC0000005, "Access Violation"},      {0xC0000017, "No Memory"},
      {0xC000008E, "Float Divide By Zero"},  {0xC0000094, "Integer Divide By Zero"},
      {0xC00000FD, "Stack Overflow"},        {0xE0001234, "Error (E0001234)"},
      {0x0EEDFADE, "Error (0EEDFADE)"},      {0, "Error (00000000)"},
      {0xC0000004, "Error (C0000004)"},      {0xFFFFFFFF, "Error (FFFFFFFF)"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExceptionCodeName(c.code), c.name) << std::hex << c.code;
}

TEST(ExceptionClasses, ChainNamesEveryAncestorUnqualified) {
  const std::vector<std::string> chain = ExceptionClassChain(typeid(host_side::EOleSysError));
  EXPECT_EQ(chain, (std::vector<std::string>{"EOleSysError", "EOleError", "Exception", "exception"}));
  EXPECT_EQ(ExceptionClassName(toolkit::EThread("x")), "EThread");
}

TEST(ExceptionClasses, SeriousOnesByClassAndByAncestorName) {
  const struct {
    const char* what;
    bool serious;
    const std::exception& error;
  } cases[] = {
      {"EExternal", true, EExternal(0xC0000005, "av")},
      {"EOSError", true, EOSError(5, "denied")},
      {"EListError", true, EListError("index")},
      {"EStringListError", true, toolkit::EStringListError("dup")},
      {"EInvalidOperation", true, toolkit::EInvalidOperation("no parent")},
      {"EResNotFound", true, toolkit::EResNotFound("gone")},
      {"EThread", true, toolkit::EThread("t")},
      {"EHeapException", true, toolkit::EHeapException("heap")},
      {"EOutOfMemory", true, EOutOfMemory()},
      {"EOutOfResources", true, toolkit::EOutOfResources("gdi")},
      {"bad_alloc", true, std::bad_alloc()},
      {"derived from EOleError", true, host_side::EOleSysError("ole")},
      {"EPTStgException without case, through a second base", true, host_side::EStorageFault("stg")},
      {"EConvertError", false, EConvertError("'x' is not a valid integer value")},
      {"EReadError", false, toolkit::EReadError("bad layout")},
      {"plain Exception", false, Exception("plain")},
      {"runtime_error", false, std::runtime_error("std")},
      {"a name that merely starts like EOleError", false, host_side::EOleErrorLike("like")},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSeriousException(c.error), c.serious) << c.what;
}

}  // namespace
}  // namespace pp::forms
