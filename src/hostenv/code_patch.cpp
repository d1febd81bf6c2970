#include "hostenv/code_patch.h"

#include <windows.h>

#include <cstring>

namespace pp::hostenv {

// Not WriteProcessMemory: for the calling process Wine hands that write to its server, which
// writes through the process's memory file; where Wine's 32-bit side runs under an emulator the
// server's address is not the program's, and the call was seen to report success while the code
// stayed as it was (and the process died soon after). Making the pages writable for the copy is
// what WriteProcessMemory itself does for code pages on Windows.
bool WriteCode(void* address, const void* buffer, size_t size) noexcept {
  if (size == 0) return true;
  MEMORY_BASIC_INFORMATION info = {};
  auto* const begin = static_cast<uint8_t*>(address);
  // Every page of the range must be committed: VirtualProtect refuses free or reserved ones, but
  // checking first keeps a half-made write from happening at all.
  for (uint8_t* p = begin; p < begin + size; p = static_cast<uint8_t*>(info.BaseAddress) + info.RegionSize) {
    if (!VirtualQuery(p, &info, sizeof info) || info.State != MEM_COMMIT) return false;
  }
  DWORD old = 0;
  if (!VirtualProtect(address, size, PAGE_EXECUTE_READWRITE, &old)) return false;
  std::memcpy(address, buffer, size);
  DWORD ignored = 0;
  VirtualProtect(address, size, old, &ignored);
  return true;
}

bool PatchJump(void* target, const void* replacement, TJumpPatch& patch) noexcept {
  std::memcpy(patch.SavedBytes, target, sizeof patch.SavedBytes);
  uint8_t jump[5];
  jump[0] = 0xE9;
  const uint32_t displacement = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(replacement) -
                                                      (reinterpret_cast<uintptr_t>(target) + 5));
  std::memcpy(jump + 1, &displacement, 4);  // x86: little-endian
  if (WriteCode(target, jump, sizeof jump)) {
    patch.Target = target;
    return true;
  }
  patch.Target = nullptr;
  return false;
}

void UnpatchJump(const TJumpPatch& patch) noexcept {
  if (patch.Target) WriteCode(patch.Target, patch.SavedBytes, sizeof patch.SavedBytes);
}

}  // namespace pp::hostenv
