#include "layout/reader_hooks.h"

#include <utility>

namespace pp::layout {

namespace {
ReaderHooks* g_hooks = nullptr;  // the UI thread's; no lock, like the rest of the form state
}

ReaderHooks* InstallReaderHooks(ReaderHooks* hooks) noexcept { return std::exchange(g_hooks, hooks); }
ReaderHooks* InstalledReaderHooks() noexcept { return g_hooks; }

void NotifyComponentInserted(ObjectRef owner, ObjectRef component) {
  if (g_hooks) g_hooks->ComponentInserted(owner, component);
}

void NotifyControlInserted(ObjectRef parent, ObjectRef control) {
  if (g_hooks) g_hooks->ControlInserted(parent, control);
}

}  // namespace pp::layout
