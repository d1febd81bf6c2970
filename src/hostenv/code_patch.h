// Redirecting a function by writing a 5-byte relative jump over its first bytes. Choosing a
// target whose first five bytes may be overwritten, and restoring every patch before the module
// that holds the replacement unloads, are the caller's duties.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pp::hostenv {

struct TJumpPatch {
  void* Target = nullptr;       // the patched code, none while no patch is in place
  uint8_t SavedBytes[5] = {};   // what the jump overwrote
};

// Writes size bytes into this process's code or data, whatever the pages' protection (which is
// put back afterwards); true when all of them were written, false (and nothing written) when a
// page of the range is not committed. The instruction cache is not flushed: x86 keeps it coherent.
bool WriteCode(void* address, const void* buffer, size_t size) noexcept;

// Saves the five bytes at target and writes E9 followed by the displacement replacement -
// (target + 5). On failure patch.Target is none.
bool PatchJump(void* target, const void* replacement, TJumpPatch& patch) noexcept;

// Writes the saved bytes back when patch.Target is set (patch.Target stays as it is).
void UnpatchJump(const TJumpPatch& patch) noexcept;

}  // namespace pp::hostenv
