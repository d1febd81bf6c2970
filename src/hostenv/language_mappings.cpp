#include "hostenv/language_mappings.h"

#include <cstdint>

namespace pp::hostenv {

std::optional<int> ParseDecimalInt(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;  // stops before a long line of digits overflows
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::vector<LanguageMapping> ParseLanguageMappings(std::string_view text) {
  std::vector<LanguageMapping> mappings;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n' && (pos == end || text[pos - 1] == '\r')) ++pos;

    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::optional<int> locale = ParseDecimalInt(line.substr(0, eq));
    const std::optional<int> folder = ParseDecimalInt(line.substr(eq + 1));
    if (locale && folder) mappings.push_back({*locale, *folder});
  }
  return mappings;
}

std::optional<int> FindLanguageMapping(const std::vector<LanguageMapping>& mappings, int locale) {
  for (const LanguageMapping& m : mappings)
    if (m.locale == locale) return m.folder;
  return std::nullopt;
}

}  // namespace pp::hostenv
