#include "base/handler_hooks.h"

#include <utility>

namespace pp {

namespace {
// Plain module state: the library starts no threads, and the hooks are installed and removed
// while the module loads and unloads.
ExceptionTakenHook g_taken = nullptr;
HandlingEndedHook g_ended = nullptr;
const void* g_raise_address = nullptr;
}  // namespace

ExceptionTakenHook SetExceptionTakenHook(ExceptionTakenHook hook) noexcept { return std::exchange(g_taken, hook); }
HandlingEndedHook SetHandlingEndedHook(HandlingEndedHook hook) noexcept { return std::exchange(g_ended, hook); }

void NotifyExceptionTaken(const ForeignException* foreign) noexcept {
  if (g_taken) g_taken(foreign);
}

void NotifyHandlingEnded() noexcept {
  if (g_ended) g_ended();
}

const void* LastRaiseAddress() noexcept { return g_raise_address; }
void NoteRaiseAddress(const void* address) noexcept { g_raise_address = address; }

}  // namespace pp
