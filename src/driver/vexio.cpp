#include "driver/vexio.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "base/errors.h"
#include "base/handler_hooks.h"
#include "base/win_handles.h"
#include "driver/seh_guard.h"
#include "hostenv/folders.h"

namespace pp::driver {

namespace {

// One-byte booleans and bytes come back in AL; arguments travel in 32-bit stack slots.
using BoolEntry = uint8_t(__stdcall*)();
using VoidEntry = void(__stdcall*)();
using ReadEntry = uint8_t(__stdcall*)(uint32_t port);
using WriteEntry = void(__stdcall*)(uint32_t port, uint32_t value);

struct Entries {
  BoolEntry load_io_driver = nullptr;
  VoidEntry unload_io_driver = nullptr;
  BoolEntry activate_io = nullptr;
  VoidEntry deactivate_io = nullptr;
  ReadEntry read_byte = nullptr;
  WriteEntry write_byte = nullptr;
};

// The driver library's handle is deliberately no RAII owner: a static owner would call
// FreeLibrary from our DLL_PROCESS_DETACH, inside the loader lock, with the driver still
// loaded and active. Only UnloadDriverLibrary (reached from the host's Stop) frees it; a
// plug-in unloaded without Stop leaves the driver library and the driver as they are.
HMODULE g_library = nullptr;
Entries g_entries;

template <class F>
F Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

[[noreturn]] void RaiseDriverFault(uint32_t code) {
  char message[96];
  if (code == EXCEPTION_ACCESS_VIOLATION)
    std::snprintf(message, sizeof message, "Access violation in the port driver library");
  else
    std::snprintf(message, sizeof message, "External exception %08lX in the port driver library",
                  static_cast<unsigned long>(code));
  Raise(EExternal(code, message));
}

// Calls entry(args...) under the guard and hands back its result.
template <class R, class... A>
R CallGuarded(R(__stdcall* entry)(A...), A... args) {
  struct Call {
    R(__stdcall* entry)(A...);
    std::tuple<A...> args;
    std::conditional_t<std::is_void_v<R>, char, R> result{};
  } call{entry, {args...}, {}};
  const uint32_t code = GuardedCall(
      [](void* p) {
        auto* c = static_cast<Call*>(p);
        if constexpr (std::is_void_v<R>)
          std::apply(c->entry, c->args);
        else
          c->result = std::apply(c->entry, c->args);
      },
      &call);
  if (code) {
    // The guard is a handler that took the fault up; the error raised next is a new one.
    const ForeignException fault{code, LastGuardedFaultAddress()};
    { TakenException taken(&fault); }
    RaiseDriverFault(code);
  }
  if constexpr (!std::is_void_v<R>) return call.result;
}

class VexioLibrary final : public DriverLibrary {
 public:
  bool LoadDriver() override { return driver::LoadDriver(); }
  void UnloadDriver() override { driver::UnloadDriver(); }
  bool ActivateDriver() override { return driver::ActivateDriver(); }
  void DeactivateDriver() override { driver::DeactivateDriver(); }
  void ReleaseLibrary() override { UnloadDriverLibrary(); }
};

class VexioPortIo final : public port::PortIo {
 public:
  uint8_t ReadByte(uint16_t address) override { return PortReadByte(address); }
  void WriteByte(uint16_t address, uint8_t value) override { PortWriteByte(address, value); }
};

}  // namespace

void LoadDriverLibrary() {
  const std::string path = hostenv::GetSystemFolder() + "Vexio.dll";
  // With a full path and this flag the library's own dependencies are looked for in its folder
  // first, not along the host's search path, where a stranger's DLL of the same name may lie.
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) return;  // a failed load leaves the entry points as they were
  // A retry loads the same library again; keep one reference, not one per attempt, so that
  // unloading really frees it.
  if (g_library) FreeLibrary(g_library);
  g_library = module;
  g_entries.load_io_driver = Resolve<BoolEntry>(module, "LoadIODriver");
  g_entries.unload_io_driver = Resolve<VoidEntry>(module, "UnLoadIODriver");
  g_entries.activate_io = Resolve<BoolEntry>(module, "ActivateIo");
  g_entries.deactivate_io = Resolve<VoidEntry>(module, "DeActivateIo");
  g_entries.read_byte = Resolve<ReadEntry>(module, "ReadByte");
  g_entries.write_byte = Resolve<WriteEntry>(module, "WriteByte");
}

void UnloadDriverLibrary() {
  g_entries = Entries{};
  if (g_library) FreeLibrary(std::exchange(g_library, nullptr));
}

bool LoadDriver() {
  LoadDriverLibrary();
  return g_entries.load_io_driver && CallGuarded(g_entries.load_io_driver) != 0;
}

void UnloadDriver() {
  if (g_entries.unload_io_driver) CallGuarded(g_entries.unload_io_driver);
  UnloadDriverLibrary();
}

bool ActivateDriver() { return g_entries.activate_io && CallGuarded(g_entries.activate_io) != 0; }

void DeactivateDriver() {
  if (g_entries.deactivate_io) CallGuarded(g_entries.deactivate_io);
}

uint8_t PortReadByte(uint16_t port) {
  return g_entries.read_byte ? CallGuarded(g_entries.read_byte, uint32_t{port}) : 0;
}

void PortWriteByte(uint16_t port, uint8_t value) {
  if (g_entries.write_byte) CallGuarded(g_entries.write_byte, uint32_t{port}, uint32_t{value});
}

DriverLibrary& Vexio() {
  static VexioLibrary library;
  return library;
}

port::PortIo& VexioPorts() {
  static VexioPortIo ports;
  return ports;
}

}  // namespace pp::driver
