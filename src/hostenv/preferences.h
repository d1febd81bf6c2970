// The per-user preference key, relative to HKEY_CURRENT_USER. By default
// Software\Veltrex2004\Quillmark; the "\Veltrex2004" part can be redirected by the registry
// (Software\Veltrex2004, subkey "Preference Location", value "Application") or, failing that,
// by "PrefFolder.ini" in the system folder (section "Preference Location", entry "Application").
// The location is resolved once per library load.
#pragma once

#include <string>

namespace pp::hostenv {

std::string GetPreferenceLocation();  // "\Veltrex2004" unless redirected
std::string GetPreferenceRootKey();   // "Software" + location
std::string GetPreferenceKey();       // root key + "\Quillmark"

// Forgets the resolved location, as a fresh library load would.
void ResetPreferenceLocation();

}  // namespace pp::hostenv
