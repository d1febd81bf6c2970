// The language of the host's resources: the system default locale, optionally sent to another
// resource folder by "LanguageMappings.dat" in the resources folder. The file is read once per
// library load; a missing or unreadable file is tried once and then the locale is used as it is.
#pragma once

namespace pp::hostenv {

int GetMappedLanguageId();
// The system default locale with bits 10 to 15 cleared: the primary language.
int GetPrimaryLanguageId();

// Forgets the loaded mappings (and the attempt), as a fresh library load would.
void ResetLanguageMappings();

}  // namespace pp::hostenv
