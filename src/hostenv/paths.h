// Path text helpers shared by the folder functions; plain 8-bit strings, no Windows calls.
#pragma once

#include <string>
#include <string_view>

namespace pp::hostenv {

// The folder part of a Windows path, up to and including the last '\' or ':'; "" if none.
std::string FolderOf(std::string_view path);
// The part after the folder ("C:\A\b.dll" -> "b.dll").
std::string FileNameOf(std::string_view path);
// ASCII letters upper-cased, every other byte (ANSI code page letters included) unchanged.
std::string UpperAscii(std::string_view text);

}  // namespace pp::hostenv
