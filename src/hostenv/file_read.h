// Reading a whole small file of the host installation (mapping files, id maps).
#pragma once

#include <optional>
#include <string>

namespace pp::hostenv {

// The file's bytes, or none when it cannot be opened or any read fails.
std::optional<std::string> ReadWholeFile(const std::string& path);

bool FileExists(const std::string& path);    // an existing file, not a folder
bool FolderExists(const std::string& path);  // an existing folder

}  // namespace pp::hostenv
