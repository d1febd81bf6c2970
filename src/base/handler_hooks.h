// What every catch-all handler of the library reports: the moment it takes up an exception and
// the moment it is done with it. The dialog framework hooks both to keep the host's error
// information true (set while a handler deals with an exception, cleared when it has finished);
// with no hooks installed both are no-ops. A catch-all marks its span with TakenException.
#pragma once

#include <cstdint>

namespace pp {

// An operating-system exception that one of our own frames caught (the driver guard): its code
// and the address where it happened.
struct ForeignException {
  std::uint32_t code = 0;
  const void* address = nullptr;
};

// `foreign` is null for a C++ exception; then std::current_exception() is the one taken up.
using ExceptionTakenHook = void (*)(const ForeignException* foreign);
using HandlingEndedHook = void (*)();
ExceptionTakenHook SetExceptionTakenHook(ExceptionTakenHook hook) noexcept;
HandlingEndedHook SetHandlingEndedHook(HandlingEndedHook hook) noexcept;

void NotifyExceptionTaken(const ForeignException* foreign) noexcept;
void NotifyHandlingEnded() noexcept;

// Where the last error passed pp::Raise (the raising code's address); nullptr before any. The
// library starts no threads, so one value serves.
const void* LastRaiseAddress() noexcept;
void NoteRaiseAddress(const void* address) noexcept;

// Lives for the span of a catch block: taken on entry, ended on exit (however the block ends).
class TakenException {
 public:
  explicit TakenException(const ForeignException* foreign = nullptr) noexcept { NotifyExceptionTaken(foreign); }
  ~TakenException() { NotifyHandlingEnded(); }
  TakenException(const TakenException&) = delete;
  TakenException& operator=(const TakenException&) = delete;
};

}  // namespace pp
