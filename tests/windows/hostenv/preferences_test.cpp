#include <windows.h>

#include <gtest/gtest.h>

#include "hostenv/folders.h"
#include "hostenv/preferences.h"
#include "hostenv_helpers.h"

namespace pp::hostenv {
namespace {

using test::ScopedFile;
using test::ScopedKey;

// Each case starts unresolved, as after a fresh load, and leaves nothing behind.
class PreferenceLocation : public ::testing::Test {
 protected:
  void SetUp() override { ResetPreferenceLocation(); }
  void TearDown() override { ResetPreferenceLocation(); }
  static std::string IniPath() { return GetSystemFolder() + "PrefFolder.ini"; }
  static constexpr const char* kRegistrySection = "Software\\Veltrex2004\\Preference Location";
};

TEST_F(PreferenceLocation, DefaultWithoutKeyOrIni) {
  ASSERT_EQ(GetFileAttributesA(IniPath().c_str()), INVALID_FILE_ATTRIBUTES) << "a PrefFolder.ini was left behind";
  EXPECT_EQ(GetPreferenceLocation(), "\\Veltrex2004");
  EXPECT_EQ(GetPreferenceRootKey(), "Software\\Veltrex2004");
  EXPECT_EQ(GetPreferenceKey(), "Software\\Veltrex2004\\Quillmark");
}

TEST_F(PreferenceLocation, RegistryWinsOverIni) {
  ScopedKey section(HKEY_CURRENT_USER, kRegistrySection);
  section.SetString("Application", "FromRegistry");
  ScopedFile ini(IniPath(), "[Preference Location]\r\nApplication=FromIni\r\n");
  EXPECT_EQ(GetPreferenceKey(), "Software\\FromRegistry\\Quillmark");
}

TEST_F(PreferenceLocation, IniWhenTheRegistryNamesNone) {
  struct Case {
    const char* name;
    const char* ini;
    const char* key;
  };
  const Case cases[] = {
      {"entry", "[Preference Location]\r\nApplication=FromIni\r\n", "Software\\FromIni\\Quillmark"},
      {"section without the entry", "[Preference Location]\r\nOther=x\r\n", "Software\\Veltrex2004\\Quillmark"},
      {"entry in another section", "[Elsewhere]\r\nApplication=x\r\n", "Software\\Veltrex2004\\Quillmark"},
      {"empty file", "", "Software\\Veltrex2004\\Quillmark"},
      {"binary junk", std::string("\x00\xFF[\x01=\n", 6).c_str(), "Software\\Veltrex2004\\Quillmark"},
  };
  for (const Case& c : cases) {
    ResetPreferenceLocation();
    ScopedFile ini(IniPath(), c.ini);
    EXPECT_EQ(GetPreferenceKey(), c.key) << c.name;
  }
}

TEST_F(PreferenceLocation, OddValuesAreUsedUnchanged) {
  const char* values[] = {"Tools", "two words", "a\\b", "%USERPROFILE%", "\xE4\xF6\xFC", ""};
  for (const char* value : values) {
    ResetPreferenceLocation();
    ScopedKey section(HKEY_CURRENT_USER, kRegistrySection);
    section.SetString("Application", value);
    EXPECT_EQ(GetPreferenceRootKey(), std::string("Software\\") + value) << value;
  }
  ResetPreferenceLocation();
  const std::string longName(3000, 'L');
  ScopedKey section(HKEY_CURRENT_USER, kRegistrySection);
  section.SetString("Application", longName);
  EXPECT_EQ(GetPreferenceLocation(), "\\" + longName);
}

TEST_F(PreferenceLocation, ARegistryValueOfAnotherTypeNamesNoLocation) {
  ScopedFile ini(IniPath(), "[Preference Location]\r\nApplication=FromIni\r\n");
  {
    ScopedKey section(HKEY_CURRENT_USER, kRegistrySection);
    section.SetDword("Application", 7);
    EXPECT_EQ(GetPreferenceKey(), "Software\\FromIni\\Quillmark");
  }
  ResetPreferenceLocation();
  {
    // Binary bytes without a terminator must not be read as text past their end.
    ScopedKey section(HKEY_CURRENT_USER, kRegistrySection);
    section.SetBinary("Application", "ABCD");
    EXPECT_EQ(GetPreferenceKey(), "Software\\FromIni\\Quillmark");
  }
}

TEST_F(PreferenceLocation, ResolvedOncePerLoad) {
  EXPECT_EQ(GetPreferenceLocation(), "\\Veltrex2004");
  ScopedFile ini(IniPath(), "[Preference Location]\r\nApplication=Later\r\n");
  EXPECT_EQ(GetPreferenceLocation(), "\\Veltrex2004");
  ResetPreferenceLocation();
  EXPECT_EQ(GetPreferenceLocation(), "\\Later");
}

}  // namespace
}  // namespace pp::hostenv
