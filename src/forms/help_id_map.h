// Help id maps: the small text files beside a help file that map control names to topics.
//
// One entry per line, "Key=Value" (key before the first '=', nothing trimmed, lines without '='
// skipped). A value without ',' is a decimal topic number (not a number: 0). A value with ','
// names a topic of another help file: the text after the first ',' is a reference, and the
// entry's value becomes -(index + 1) into the reference list. A negative number written in the
// file reads the same way, so "-2" is reference 1.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp::forms {

class HelpIdMap {
 public:
  bool Empty() const { return entries_.empty(); }
  void Clear();
  // Adds the entries of one id file's text (CR LF, LF or CR line ends).
  void Load(std::string_view text);

  // The value of `key`, compared without regard to ASCII case; a key written twice answers one
  // of its values.
  std::optional<std::int32_t> Find(std::string_view key) const;
  int ReferenceCount() const { return static_cast<int>(references_.size()); }
  const std::string& Reference(int index) const { return references_[static_cast<size_t>(index)]; }

 private:
  struct Entry {
    std::string key;
    std::int32_t value;
  };
  std::vector<Entry> entries_;  // sorted by key without case
  std::vector<std::string> references_;
};

// A topic number as the id file writes it: optional blanks, optional sign, decimal digits, and
// nothing after them; anything else, or a number outside 32 bits, is 0.
std::int32_t ParseTopicNumber(std::string_view text);

// The path with its extension (from the last '.' after the last '\', '/' or ':') replaced by
// `ext`, which carries its own dot; a path without one gets `ext` appended.
std::string ChangeFileExt(std::string_view path, std::string_view ext);

}  // namespace pp::forms
