#include "discovery_fixture.h"

#include <gtest/gtest.h>

#include "base/win_handles.h"
#include "discovery/parallel_ports.h"
#include "hostenv/preferences.h"

namespace discovery_test {

namespace {

constexpr char kRedirectRoot[] = "Software\\Veltrex2004";
constexpr char kRedirectSection[] = "Software\\Veltrex2004\\Preference Location";

bool KeyExists(const char* path) {
  pp::win::UniqueKey key;
  return RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, key.receive()) == ERROR_SUCCESS;
}

}  // namespace

ScopedPreferenceLocation::ScopedPreferenceLocation(std::string name) : name_(std::move(name)) {
  created_root_ = !KeyExists(kRedirectRoot);
  created_section_ = !KeyExists(kRedirectSection);
  pp::win::UniqueKey section;
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRedirectSection, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                            section.receive(), nullptr),
            ERROR_SUCCESS);
  char old[1024];
  DWORD type = 0, size = sizeof old;
  had_old_ = RegQueryValueExA(section.get(), "Application", nullptr, &type, reinterpret_cast<BYTE*>(old), &size) ==
                 ERROR_SUCCESS &&
             type == REG_SZ;
  if (had_old_) old_.assign(old, strnlen(old, size));
  RegSetValueExA(section.get(), "Application", 0, REG_SZ, reinterpret_cast<const BYTE*>(name_.c_str()),
                 static_cast<DWORD>(name_.size() + 1));
  RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + name_).c_str());  // leftovers of an aborted run
  pp::hostenv::ResetPreferenceLocation();
}

ScopedPreferenceLocation::~ScopedPreferenceLocation() {
  RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + name_).c_str());
  {
    pp::win::UniqueKey section;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRedirectSection, 0, KEY_WRITE, section.receive()) == ERROR_SUCCESS) {
      if (had_old_)
        RegSetValueExA(section.get(), "Application", 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.c_str()),
                       static_cast<DWORD>(old_.size() + 1));
      else
        RegDeleteValueA(section.get(), "Application");
    }
  }
  if (created_section_) RegDeleteKeyA(HKEY_CURRENT_USER, kRedirectSection);
  if (created_root_) RegDeleteKeyA(HKEY_CURRENT_USER, kRedirectRoot);
  pp::hostenv::ResetPreferenceLocation();
}

void ScopedPreferenceLocation::CreateKey() const {
  pp::win::UniqueKey key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, pp::hostenv::GetPreferenceKey().c_str(), 0, nullptr, 0, KEY_WRITE,
                            nullptr, key.receive(), nullptr),
            ERROR_SUCCESS)
      << "creating " << pp::hostenv::GetPreferenceKey();
}

void ScopedPreferenceLocation::WriteAddress(DWORD type, const void* data, DWORD size) const {
  pp::win::UniqueKey key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, pp::hostenv::GetPreferenceKey().c_str(), 0, nullptr, 0, KEY_WRITE,
                            nullptr, key.receive(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key.get(), "ParallelPortAddress", 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
}

void PrintTo(const Record& r, std::ostream* os) { *os << "{\"" << r.name << "\", " << r.start << ", " << r.end << "}"; }

std::vector<Record> ReadRecords(IParallelPortList* list) {
  std::vector<Record> records;
  LONG count = -1;
  EXPECT_EQ(list->GetCount(&count), S_OK);
  for (LONG i = 0; i < count; ++i) {
    pp::win::ComPtr<IParallelPortInfo> info;
    EXPECT_EQ(list->GetItem(i, info.receive()), S_OK) << "GetItem(" << i << ")";
    if (!info) break;
    Record r{};
    pp::win::UniqueBstr name;
    EXPECT_EQ(info->GetName(name.receive()), S_OK);
    EXPECT_EQ(info->GetIoStart(&r.start), S_OK);
    EXPECT_EQ(info->GetIoEnd(&r.end), S_OK);
    // The tests' names are ASCII.
    for (UINT k = 0; k < SysStringLen(name.get()); ++k) r.name += static_cast<char>(name.get()[k]);
    records.push_back(r);
  }
  return records;
}

std::vector<Record> Discover() {
  pp::win::ComPtr<IParallelPortList> list;
  const HRESULT status = pp::discovery::CreateParallelPortList(list.receive());
  EXPECT_EQ(status, S_OK) << "expected CreateParallelPortList to succeed";
  if (!list) return {};
  return ReadRecords(list.get());
}

}  // namespace discovery_test
