#include "hostenv/preferences.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "base/win_handles.h"
#include "hostenv/folders.h"

namespace pp::hostenv {

namespace {

bool g_location_resolved = false;
std::string g_location;

// A string value (REG_SZ or REG_EXPAND_SZ, taken as stored). A value of another type counts as
// absent rather than as an error: a stray DWORD there must not break every preference read.
std::optional<std::string> ReadRegistryString(HKEY key, const char* name) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::vector<char> buffer(size + 1, '\0');
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(buffer.data());  // stops at the first zero, stored terminator or not
}

std::optional<std::string> LocationFromRegistry() {
  win::UniqueKey root;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Veltrex2004", 0, KEY_READ, root.receive()) != ERROR_SUCCESS)
    return std::nullopt;
  win::UniqueKey section;
  if (RegOpenKeyExA(root.get(), "Preference Location", 0, KEY_READ, section.receive()) != ERROR_SUCCESS)
    return std::nullopt;
  return ReadRegistryString(section.get(), "Application");
}

bool IniHasEntry(const std::string& file, const char* section, const char* entry) {
  std::vector<char> names(32768);
  DWORD n = GetPrivateProfileStringA(section, nullptr, "", names.data(), static_cast<DWORD>(names.size()), file.c_str());
  for (const char* p = names.data(); p < names.data() + n && *p; p += lstrlenA(p) + 1)
    if (lstrcmpiA(p, entry) == 0) return true;
  return false;
}

std::optional<std::string> LocationFromIni() {
  const std::string file = GetSystemFolder() + "PrefFolder.ini";
  if (!IniHasEntry(file, "Preference Location", "Application")) return std::nullopt;
  std::vector<char> value(4096);
  GetPrivateProfileStringA("Preference Location", "Application", "", value.data(), static_cast<DWORD>(value.size()),
                           file.c_str());
  return std::string(value.data());
}

}  // namespace

std::string GetPreferenceLocation() {
  if (!g_location_resolved) {
    std::optional<std::string> location = LocationFromRegistry();
    if (!location) location = LocationFromIni();
    g_location = "\\" + location.value_or("Veltrex2004");
    g_location_resolved = true;
  }
  return g_location;
}

std::string GetPreferenceRootKey() { return "Software" + GetPreferenceLocation(); }
std::string GetPreferenceKey() { return GetPreferenceRootKey() + "\\Quillmark"; }

void ResetPreferenceLocation() {
  g_location_resolved = false;
  g_location.clear();
}

}  // namespace pp::hostenv
