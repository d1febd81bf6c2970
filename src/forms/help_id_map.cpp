#include "forms/help_id_map.h"

#include <algorithm>
#include <limits>

#include "toolkit/text.h"

namespace pp::forms {

namespace {

bool KeyLess(std::string_view a, std::string_view b) { return toolkit::CompareText(a, b) < 0; }

}  // namespace

void HelpIdMap::Clear() {
  entries_.clear();
  references_.clear();
}

void HelpIdMap::Load(std::string_view text) {
  std::vector<Entry> added;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size()) pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;

    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view value = line.substr(eq + 1);
    std::int32_t number;
    if (const size_t comma = value.find(','); comma != std::string_view::npos) {
      references_.emplace_back(value.substr(comma + 1));
      number = -static_cast<std::int32_t>(references_.size());
    } else {
      number = ParseTopicNumber(value);
    }
    added.push_back(Entry{std::string(line.substr(0, eq)), number});
  }
  entries_.insert(entries_.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
  std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return KeyLess(a.key, b.key); });
}

std::optional<std::int32_t> HelpIdMap::Find(std::string_view key) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                             [](const Entry& e, std::string_view k) { return KeyLess(e.key, k); });
  if (it == entries_.end() || toolkit::CompareText(it->key, key) != 0) return std::nullopt;
  return it->value;
}

std::int32_t ParseTopicNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return 0;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return 0;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) return 0;
  return static_cast<std::int32_t>(value);
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const size_t sep = path.find_last_of("\\/:");
  const size_t dot = path.find_last_of('.');
  const bool has_ext = dot != std::string_view::npos && (sep == std::string_view::npos || dot > sep);
  std::string result(has_ext ? path.substr(0, dot) : path);
  result += ext;
  return result;
}

}  // namespace pp::forms
