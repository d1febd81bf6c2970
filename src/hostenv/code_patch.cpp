#include "hostenv/code_patch.h"

#include <windows.h>

#include <cstring>

namespace pp::hostenv {

bool WriteCode(void* address, const void* buffer, size_t size) noexcept {
  SIZE_T written = 0;
  return WriteProcessMemory(GetCurrentProcess(), address, buffer, size, &written) && written == size;
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
