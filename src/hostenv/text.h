// Conversions between the system ANSI code page, in which paths, keys and file texts are kept,
// and the wide strings of the host's interfaces.
#pragma once

#include <string>
#include <string_view>

namespace pp::hostenv {

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);

}  // namespace pp::hostenv
