// The error raised for a layout that cannot be read: bad text, an unknown class or property, a
// value of the wrong kind. The message names the resource and the line; it is the toolkit's read
// error, so a handler for that catches it too.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/errors.h"

namespace pp::layout {

class EReadError : public toolkit::EReadError {
 public:
  // "<resource>, line <line>: <problem>"; line 0 leaves the line out.
  EReadError(std::string_view resource, int line, std::string_view problem);

  const std::string& Resource() const noexcept { return resource_; }
  int Line() const noexcept { return line_; }

 private:
  std::string resource_;
  int line_;
};

[[noreturn]] void RaiseReadError(std::string_view resource, int line, std::string_view problem);

}  // namespace pp::layout
