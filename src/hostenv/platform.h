// Checks of the platform the host runs on.
#pragma once

namespace pp::hostenv {

// True for a 32-bit process on 64-bit Windows. IsWow64Process is looked up by name at each call
// (Windows 2000 has none); any failure answers false.
bool IsWow64();

}  // namespace pp::hostenv
