#include <windows.h>

#include <gtest/gtest.h>

#include "hostenv/folders.h"
#include "hostenv/language.h"
#include "hostenv_helpers.h"

namespace pp::hostenv {
namespace {

using test::ScopedFile;
using test::ScopedFolder;

class Language : public ::testing::Test {
 protected:
  void SetUp() override { ResetLanguageMappings(); }
  void TearDown() override { ResetLanguageMappings(); }
  static std::string MappingFile() { return GetResourcesFolder() + "LanguageMappings.dat"; }
  static int Locale() { return static_cast<int>(GetSystemDefaultLCID()); }
};

TEST_F(Language, MappedThroughTheFirstMatchingLine) {
  const std::string l = std::to_string(Locale());
  ScopedFile file(MappingFile(), "abc=7\r\n" + l + "=\r\n" + l + "=42\r\n" + l + "=43");
  EXPECT_EQ(GetMappedLanguageId(), 42);
}

TEST_F(Language, UnmappedOrUnreadableFilesGiveTheLocale) {
  const std::string l = std::to_string(Locale());
  const std::string files[] = {"", "1=2", std::string("\0\xFF\xFE=\x01", 5) + l + "=x", l + "=99999999999"};
  for (const std::string& content : files) {
    ResetLanguageMappings();
    ScopedFile file(MappingFile(), content);
    EXPECT_EQ(GetMappedLanguageId(), Locale()) << content;
  }
}

TEST_F(Language, AMissingFileIsTriedOnce) {
  EXPECT_EQ(GetMappedLanguageId(), Locale());
  ScopedFile file(MappingFile(), std::to_string(Locale()) + "=42");
  EXPECT_EQ(GetMappedLanguageId(), Locale()) << "the file appeared after the first attempt";
  ResetLanguageMappings();
  EXPECT_EQ(GetMappedLanguageId(), 42);
}

TEST_F(Language, PrimaryLanguageClearsBits10To15) {
  EXPECT_EQ(GetPrimaryLanguageId(), Locale() & ~0xFC00);
}

// This test program exports no "ClientAPI_" functions: the host preference for the system
// locale's language is off, so the localized folder is the system folder even when a resource
// folder for the language exists.
TEST_F(Language, LocalizedFolderWithoutTheHostPreferenceIsTheSystemFolder) {
  ScopedFile marker(GetResourcesFolder() + std::to_string(GetMappedLanguageId()) + "\\marker.txt", "x");
  EXPECT_EQ(GetLocalizedFolder(), GetSystemFolder());
  EXPECT_EQ(GetLocalizedHelpFolder(), GetSystemFolder() + "Help\\");
}

TEST_F(Language, HelpFilePaths) {
  EXPECT_EQ(ResolveHelpFilePath("C:\\Docs\\manual.chm"), "C:\\Docs\\manual.chm") << "a folder part stays";
  EXPECT_EQ(ResolveHelpFilePath("nowhere.chm"), GetHelpFolder() + "nowhere.chm");
  ScopedFile localized(GetLocalizedHelpFolder() + "here.chm", "x");
  EXPECT_EQ(ResolveHelpFilePath("here.chm"), GetLocalizedHelpFolder() + "here.chm");
  ScopedFolder folder(GetLocalizedHelpFolder() + "folder.chm");
  EXPECT_EQ(ResolveHelpFilePath("folder.chm"), GetHelpFolder() + "folder.chm") << "a folder is no help file";
}

}  // namespace
}  // namespace pp::hostenv
