#include "hostenv/folders.h"

#include <windows.h>

#include "hostenv/file_read.h"
#include "hostenv/host_functions.h"
#include "hostenv/language.h"
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

std::string GetLocalizedFolder() {
  if (!client_api::GetUseSystemLocaleLanguage()) return GetSystemFolder();
  const std::string mapped = GetResourcesFolder() + std::to_string(GetMappedLanguageId()) + "\\";
  if (FolderExists(mapped)) return mapped;
  return GetResourcesFolder() + std::to_string(GetPrimaryLanguageId()) + "\\";
}

std::string GetLocalizedHelpFolder() { return GetLocalizedFolder() + "Help\\"; }

std::string ResolveHelpFilePath(const std::string& fileName) {
  if (!FolderOf(fileName).empty()) return fileName;
  const std::string localized = GetLocalizedHelpFolder() + fileName;
  if (FileExists(localized)) return localized;
  return GetHelpFolder() + fileName;
}

}  // namespace pp::hostenv
