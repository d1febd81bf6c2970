// Where the host is installed. Every folder result ends with a backslash.
#pragma once

#include <string>

namespace pp::hostenv {

std::string GetInstallFolder();    // the host executable's folder, ASCII upper-cased
std::string GetSystemFolder();     // install folder + "System\"
std::string GetResourcesFolder();  // system folder + "Resources\"
std::string GetHelpFolder();       // install folder + "Help\"

// The folder of the user's language. Only when the host prefers the system locale's language
// (ClientAPI_GetUseSystemLocaleLanguage) is it a subfolder of the resources folder: the mapped
// language's when it exists, else the primary language's (not tested for existence). Otherwise
// it is the system folder.
std::string GetLocalizedFolder();
std::string GetLocalizedHelpFolder();  // localized folder + "Help\"

// Where a help file lies: a name with a folder part stays as it is; a bare name is taken from the
// localized help folder when it is there, else from the help folder (whether there or not).
std::string ResolveHelpFilePath(const std::string& fileName);

}  // namespace pp::hostenv
