#include "base/errors.h"

#include <new>

#include "base/handler_hooks.h"

namespace pp {

namespace {
RaiseHook g_raise_hook = nullptr;
}

EListError EListError::IndexOutOfBounds(long index) {
  return EListError("List index out of bounds (" + std::to_string(index) + ")");
}

RaiseHook SetRaiseHook(RaiseHook hook) noexcept {
  RaiseHook previous = g_raise_hook;
  g_raise_hook = hook;
  return previous;
}

void NotifyRaise(const Exception& error) noexcept {
  // Called from Raise, inlined into the raising function: our return address lies in it.
  NoteRaiseAddress(__builtin_extract_return_addr(__builtin_return_address(0)));
  if (g_raise_hook) g_raise_hook(error);
}

void NotifyUnraised() noexcept {
  try {
    try {
      throw;
    } catch (const Exception&) {
    } catch (const std::bad_alloc&) {
      NotifyRaise(EOutOfMemory());
    } catch (const std::exception& error) {
      NotifyRaise(Exception(error.what()));
    }
  } catch (const std::bad_alloc&) {
    // No memory left to copy the message; "Out of memory" fits the string's own buffer.
    try {
      NotifyRaise(EOutOfMemory());
    } catch (...) {
    }
  } catch (...) {
  }
}

}  // namespace pp

#include "base/out_param.h"

namespace pp {

void RaiseNullOut() { Raise(EExternal(0xC0000005, "Access violation: write of address 00000000")); }

}  // namespace pp
