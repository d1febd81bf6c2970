// The toolkit's error classes. Each carries its message; every raise goes through pp::Raise so
// the library's error-information hook sees it. List, conversion, OS, memory and external faults
// reuse the classes of base/errors.h.
#pragma once

#include <string>

#include "base/errors.h"

namespace pp::toolkit {

using pp::EConvertError;
using pp::EExternal;
using pp::EListError;
using pp::EOSError;
using pp::EOutOfMemory;

// Misuse of a list of strings: index out of range, a duplicate refused, sorting violated.
class EStringListError : public Exception {
 public:
  using Exception::Exception;
  static EStringListError IndexOutOfBounds(long index);
  static EStringListError Duplicate();
  static EStringListError SortedInsert();
};

// An operation the object cannot do in its present state.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// A named resource is missing from the module.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
  static EResNotFound Named(const std::string& name);
};

// The system refused a window, DC or GDI object.
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

// Malformed input while reading a stream or a layout.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pp::toolkit

namespace pp::toolkit {

// Misuse of a thread object.
class EThread : public Exception {
 public:
  using Exception::Exception;
};

// A fault of the memory manager other than plain exhaustion (which is EOutOfMemory).
class EHeapException : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pp::toolkit
