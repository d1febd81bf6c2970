#include "hostenv/acrobat_warning.h"

#include <windows.h>

#include "base/win_handles.h"
#include "hostenv/preferences.h"

namespace pp::hostenv {

namespace {

std::string FormsKey() { return GetPreferenceKey() + "\\Forms"; }

// A Boolean as stored by the host's preferences: a REG_DWORD, non-zero for true.
bool ReadWarningEnabled(const std::string& keyName) {
  win::UniqueKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return true;
  DWORD type = 0, value = 0, size = sizeof value;
  if (RegQueryValueExA(key.get(), "EnableAcrobatVersionPopup", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS)
    return true;  // missing, or too large to be a number
  if (type != REG_DWORD || size != sizeof value) return true;
  return value != 0;
}

void StoreWarningDisabled(const std::string& keyName) {
  win::UniqueKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyName.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.receive(), nullptr) !=
      ERROR_SUCCESS)
    return;
  const DWORD value = 0;
  RegSetValueExA(key.get(), "EnableAcrobatVersionPopup", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof value);
}

}  // namespace

bool AcrobatVersionWarningEnabled() { return ReadWarningEnabled(FormsKey()); }
void DisableAcrobatVersionWarning() { StoreWarningDisabled(FormsKey()); }

void ShowAcrobatVersionWarning() {
  if (!AcrobatVersionWarningEnabled()) return;
  if (RunAcrobatVersionWarningDialog()) DisableAcrobatVersionWarning();
}

}  // namespace pp::hostenv
