#include "base/registry_tree.h"

#include <string>

#include "base/win_handles.h"

namespace pp::win {

LONG DeleteRegistryTree(HKEY root, const char* path) noexcept {
  {
    UniqueKey key;
    LONG rc = RegOpenKeyExA(root, path, 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, key.receive());
    if (rc != ERROR_SUCCESS) return rc;
    for (;;) {
      char name[256];
      DWORD size = sizeof name;
      // Always the first: each one found is deleted before asking again.
      rc = RegEnumKeyExA(key.get(), 0, name, &size, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) break;
      if (rc != ERROR_SUCCESS) return rc;
      try {
        const std::string child = std::string(path) + "\\" + std::string(name, size);
        rc = DeleteRegistryTree(root, child.c_str());
      } catch (...) {
        return ERROR_OUTOFMEMORY;
      }
      if (rc != ERROR_SUCCESS) return rc;
    }
  }
  return RegDeleteKeyA(root, path);
}

}  // namespace pp::win
