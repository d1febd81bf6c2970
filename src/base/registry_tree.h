// Deleting a registry key with everything below it. RegDeleteTree exists from Vista on and
// RegDeleteKey on the NT family refuses a key with subkeys, so the subkeys go first.
#pragma once

#include <windows.h>

namespace pp::win {

// ERROR_SUCCESS, ERROR_FILE_NOT_FOUND when there is no such key, or the first failure.
LONG DeleteRegistryTree(HKEY root, const char* path) noexcept;

}  // namespace pp::win
