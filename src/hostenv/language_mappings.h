// "LanguageMappings.dat": lines "locale=folder" that send a system locale to another resource
// folder (1031=7 puts the locale 1031 in Resources\7\). Portable: the file's text in, pairs out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp::hostenv {

struct LanguageMapping {
  int locale;   // the left part
  int folder;   // the right part
};

// Every line whose two parts (split at the first '=') are both decimal integers, in file order.
// A line is ended by CR, LF or CR LF; a line without '=' has an empty right part and so does not
// count. Anything else is skipped: signs are allowed, blanks, other characters and values outside
// 32 bits are not.
std::vector<LanguageMapping> ParseLanguageMappings(std::string_view text);

// The folder of the first mapping for locale, if any.
std::optional<int> FindLanguageMapping(const std::vector<LanguageMapping>& mappings, int locale);

// A decimal 32-bit integer with an optional sign and nothing else.
std::optional<int> ParseDecimalInt(std::string_view text);

}  // namespace pp::hostenv
