// Errors raised inside the library. Every raise goes through pp::Raise so that the raise hook
// (the plug-in installs one that leaves COM error information for the host) sees each one
// before any handler runs. Interface methods catch everything and turn it into a status.
#pragma once

#include <exception>
#include <string>

namespace pp {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }

 private:
  std::string message_;
};

// An index outside a list ("List index out of bounds (5)").
class EListError : public Exception {
 public:
  using Exception::Exception;
  static EListError IndexOutOfBounds(long index);
};

// A fault inside foreign code (the driver library): an access violation, a breakpoint, any
// structured exception that reached one of our guards.
class EExternal : public Exception {
 public:
  EExternal(unsigned long code, std::string message) : Exception(std::move(message)), code_(code) {}
  unsigned long Code() const noexcept { return code_; }

 private:
  unsigned long code_;
};

class EOSError : public Exception {
 public:
  EOSError(unsigned long code, std::string message) : Exception(std::move(message)), code_(code) {}
  unsigned long Code() const noexcept { return code_; }

 private:
  unsigned long code_;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EOutOfMemory : public Exception {
 public:
  EOutOfMemory() : Exception("Out of memory") {}
};

// Called with every error at the moment it is raised. Returns the hook it replaces, so that a
// hook can hand the raise on to its predecessor.
using RaiseHook = void (*)(const Exception& error);
RaiseHook SetRaiseHook(RaiseHook hook) noexcept;
void NotifyRaise(const Exception& error) noexcept;

// Call from inside a catch block. An error that did not pass Raise (std::bad_alloc from an
// allocation, std::length_error and the like from the standard library) is shown to the raise
// hook now, so it leaves the same error information as a raised one; an Exception passed the
// hook when it was raised and is not shown again.
void NotifyUnraised() noexcept;

template <class E>
[[noreturn]] void Raise(E error) {
  NotifyRaise(error);
  throw error;
}

}  // namespace pp
