// An ini file kept in the registry: the file is a key, a section one of its subkeys, an entry a
// value in that subkey. Reads of a missing key, section or entry answer the default and create
// nothing; writes create what they need and raise EOSError when the registry refuses.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pp::layout {

class TRegistryIniFile {
 public:
  // `root` (HKEY_CURRENT_USER, or an open key the caller keeps open) and the file's key path.
  TRegistryIniFile(HKEY root, std::string file_key);

  const std::string& FileName() const noexcept { return file_key_; }

  // A string value as stored; an integer value as its decimal text.
  std::string ReadString(const std::string& section, const std::string& ident, const std::string& fallback) const;
  // An integer value, or a string value that holds a decimal integer; anything else: fallback.
  int ReadInteger(const std::string& section, const std::string& ident, int fallback) const;
  bool ReadBool(const std::string& section, const std::string& ident, bool fallback) const;

  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  // A 32-bit integer value, or its decimal text where a string value of that name exists.
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;
  std::vector<std::string> ReadSections() const;                        // subkey names
  std::vector<std::string> ReadSection(const std::string& section) const;  // value names
  void EraseSection(const std::string& section);                       // the subkey and all below it
  void DeleteKey(const std::string& section, const std::string& ident);  // one value

 private:
  std::string SectionPath(const std::string& section) const;

  HKEY root_;
  std::string file_key_;
};

}  // namespace pp::layout
