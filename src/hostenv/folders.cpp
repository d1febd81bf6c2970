#include "hostenv/folders.h"

#include <windows.h>

#include "hostenv/paths.h"

namespace pp::hostenv {

std::string GetInstallFolder() {
  // The process's main module, not this library: the plug-in lives wherever the host put it.
  char path[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return UpperAscii(FolderOf(std::string_view(path, n)));
}

std::string GetSystemFolder() { return GetInstallFolder() + "System\\"; }
std::string GetResourcesFolder() { return GetSystemFolder() + "Resources\\"; }
std::string GetHelpFolder() { return GetInstallFolder() + "Help\\"; }

}  // namespace pp::hostenv
