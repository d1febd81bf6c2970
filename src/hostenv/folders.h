// Where the host is installed. Every folder result ends with a backslash.
#pragma once

#include <string>

namespace pp::hostenv {

std::string GetInstallFolder();    // the host executable's folder, ASCII upper-cased
std::string GetSystemFolder();     // install folder + "System\"
std::string GetResourcesFolder();  // system folder + "Resources\"
std::string GetHelpFolder();       // install folder + "Help\"

}  // namespace pp::hostenv
