#include "layout/registry_ini_file.h"

#include <charconv>
#include <cstring>
#include <optional>

#include "base/errors.h"
#include "base/registry_tree.h"
#include "base/win_handles.h"

namespace pp::layout {

namespace {

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

std::optional<RawValue> QueryValue(HKEY key, const std::string& ident) {
  RawValue v;
  DWORD size = 0;
  if (RegQueryValueExA(key, ident.c_str(), nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  for (int attempt = 0; attempt < 4; ++attempt) {  // the value may grow between the calls
    v.data.resize(size + 2);                        // room for a terminator the writer left out
    DWORD got = static_cast<DWORD>(v.data.size());
    LONG rc = RegQueryValueExA(key, ident.c_str(), nullptr, &v.type, v.data.data(), &got);
    if (rc == ERROR_SUCCESS) {
      v.data.resize(got);
      return v;
    }
    if (rc != ERROR_MORE_DATA) return std::nullopt;
    size = got;
  }
  return std::nullopt;
}

// Text of a string value: up to the first zero, whether or not one was stored.
std::string StringOf(const RawValue& v) {
  std::string s(v.data.begin(), v.data.end());
  if (auto zero = s.find('\0'); zero != std::string::npos) s.resize(zero);
  return s;
}

bool IsString(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }
bool IsInteger(const RawValue& v) { return v.type == REG_DWORD && v.data.size() == sizeof(DWORD); }
DWORD IntegerOf(const RawValue& v) {
  DWORD d;
  std::memcpy(&d, v.data.data(), sizeof d);
  return d;
}

std::optional<int> ParseDecimal(const std::string& s) {
  int value = 0;
  const char* end = s.data() + s.size();
  auto [p, ec] = std::from_chars(s.data(), end, value);
  if (ec != std::errc() || p != end || s.empty()) return std::nullopt;
  return value;
}

[[noreturn]] void RaiseRegistry(LONG code, const std::string& what) {
  Raise(EOSError(static_cast<unsigned long>(code), what + " (system error " + std::to_string(code) + ")"));
}

}  // namespace

TRegistryIniFile::TRegistryIniFile(HKEY root, std::string file_key) : root_(root), file_key_(std::move(file_key)) {}

std::string TRegistryIniFile::SectionPath(const std::string& section) const {
  if (section.empty()) return file_key_;
  return file_key_.empty() ? section : file_key_ + "\\" + section;
}

namespace {

win::UniqueKey OpenForReading(HKEY root, const std::string& path) {
  win::UniqueKey key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) key.reset();
  return key;
}

win::UniqueKey OpenForWriting(HKEY root, const std::string& path) {
  win::UniqueKey key;
  LONG rc = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                            key.receive(), nullptr);
  if (rc != ERROR_SUCCESS) {
    key.reset();
    RaiseRegistry(rc, "Cannot create registry key \"" + path + "\"");
  }
  return key;
}

std::optional<RawValue> Lookup(HKEY root, const std::string& path, const std::string& ident) {
  win::UniqueKey key = OpenForReading(root, path);
  if (!key) return std::nullopt;
  return QueryValue(key.get(), ident);
}

void SetValue(HKEY key, const std::string& ident, DWORD type, const void* data, DWORD size) {
  LONG rc = RegSetValueExA(key, ident.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  if (rc != ERROR_SUCCESS) RaiseRegistry(rc, "Cannot write registry value \"" + ident + "\"");
}

}  // namespace

std::string TRegistryIniFile::ReadString(const std::string& section, const std::string& ident,
                                         const std::string& fallback) const {
  auto v = Lookup(root_, SectionPath(section), ident);
  if (!v) return fallback;
  if (IsString(v->type)) return StringOf(*v);
  if (IsInteger(*v)) return std::to_string(static_cast<int>(IntegerOf(*v)));
  return fallback;
}

int TRegistryIniFile::ReadInteger(const std::string& section, const std::string& ident, int fallback) const {
  auto v = Lookup(root_, SectionPath(section), ident);
  if (!v) return fallback;
  if (IsInteger(*v)) return static_cast<int>(IntegerOf(*v));
  if (IsString(v->type)) return ParseDecimal(StringOf(*v)).value_or(fallback);
  return fallback;
}

bool TRegistryIniFile::ReadBool(const std::string& section, const std::string& ident, bool fallback) const {
  return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TRegistryIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  win::UniqueKey key = OpenForWriting(root_, SectionPath(section));
  SetValue(key.get(), ident, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void TRegistryIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  win::UniqueKey key = OpenForWriting(root_, SectionPath(section));
  DWORD type = REG_NONE;
  if (RegQueryValueExA(key.get(), ident.c_str(), nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS && IsString(type)) {
    std::string text = std::to_string(value);
    SetValue(key.get(), ident, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    return;
  }
  DWORD d = static_cast<DWORD>(value);
  SetValue(key.get(), ident, REG_DWORD, &d, sizeof d);
}

void TRegistryIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteInteger(section, ident, value ? 1 : 0);
}

bool TRegistryIniFile::SectionExists(const std::string& section) const {
  return static_cast<bool>(OpenForReading(root_, SectionPath(section)));
}

bool TRegistryIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  win::UniqueKey key = OpenForReading(root_, SectionPath(section));
  return key && RegQueryValueExA(key.get(), ident.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::vector<std::string> TRegistryIniFile::ReadSections() const {
  std::vector<std::string> names;
  win::UniqueKey key = OpenForReading(root_, file_key_);
  if (!key) return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, size);
  }
  return names;
}

std::vector<std::string> TRegistryIniFile::ReadSection(const std::string& section) const {
  std::vector<std::string> names;
  win::UniqueKey key = OpenForReading(root_, SectionPath(section));
  if (!key) return names;
  std::vector<char> name(16384);
  for (DWORD i = 0;; ++i) {
    DWORD size = static_cast<DWORD>(name.size());
    if (RegEnumValueA(key.get(), i, name.data(), &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name.data(), size);
  }
  return names;
}

void TRegistryIniFile::EraseSection(const std::string& section) {
  const std::string path = SectionPath(section);
  LONG rc = win::DeleteRegistryTree(root_, path.c_str());
  if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) RaiseRegistry(rc, "Cannot delete registry key \"" + path + "\"");
}

void TRegistryIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  win::UniqueKey key;
  if (RegOpenKeyExA(root_, SectionPath(section).c_str(), 0, KEY_SET_VALUE, key.receive()) != ERROR_SUCCESS) return;
  LONG rc = RegDeleteValueA(key.get(), ident.c_str());
  if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) RaiseRegistry(rc, "Cannot delete registry value \"" + ident + "\"");
}

}  // namespace pp::layout
