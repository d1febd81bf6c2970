#include "dialogs/driver_failure_notice.h"

#include <windows.h>

#include <string>

#include "base/win_handles.h"
#include "dialogs/install_confirm_form.h"
#include "hostenv/preferences.h"

namespace pp::dialogs {

namespace {

constexpr char kDontShowValue[] = "DontShowLoadParallerPortDriverFailed";

bool OpenPreferenceKey(win::UniqueKey& key, REGSAM access) {
  return RegCreateKeyExA(HKEY_CURRENT_USER, hostenv::GetPreferenceKey().c_str(), 0, nullptr, 0, access, nullptr,
                         key.receive(), nullptr) == ERROR_SUCCESS;
}

}  // namespace

bool ShouldShowDriverFailureNotice() {
  win::UniqueKey key;
  if (!OpenPreferenceKey(key, KEY_READ | KEY_WRITE)) return true;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), kDontShowValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return true;
  DWORD value = 0;
  if (type != REG_DWORD || size != sizeof value)
    Raise(ERegistryValueError(std::string("Invalid data type for '") + kDontShowValue + "'"));
  size = sizeof value;
  if (RegQueryValueExA(key.get(), kDontShowValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
      ERROR_SUCCESS)
    return true;
  return value == 0;
}

void SuppressDriverFailureNotice() {
  win::UniqueKey key;
  if (!OpenPreferenceKey(key, KEY_WRITE)) return;
  const DWORD value = 1;
  RegSetValueExA(key.get(), kDontShowValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void ShowDriverFailureNotice() {
  if (!ShouldShowDriverFailureNotice()) return;
  toolkit::Owned<TInstallConfirmForm> form = TInstallConfirmForm::Create();
  form->ShowModal();  // OK, Enter, Esc and the close box all end up here
  if (form->DontShowTicked()) SuppressDriverFailureNotice();
}

}  // namespace pp::dialogs
