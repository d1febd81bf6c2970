#include "hostenv/paths.h"

#include <gtest/gtest.h>

namespace pp::hostenv {
namespace {

TEST(Paths, FolderAndFileName) {
  struct Case { const char* path; const char* folder; const char* file; };
  const Case cases[] = {
      {"C:\\Tools\\App\\App.exe", "C:\\Tools\\App\\", "App.exe"},
      {"C:App.exe", "C:", "App.exe"},
      {"App.exe", "", "App.exe"},
      {"\\\\server\\share\\x\\", "\\\\server\\share\\x\\", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNameOf(c.path), c.file) << c.path;
  }
}

TEST(Paths, UpperAsciiLeavesOtherBytesAlone) {
  EXPECT_EQ(UpperAscii("c:\\prog\\app\\"), "C:\\PROG\\APP\\");
  // 0xE4 is a-umlaut in code page 1252: not an ASCII letter, kept as it is.
  EXPECT_EQ(UpperAscii("c:\\\xE4z{}"), "C:\\\xE4Z{}");
}

}  // namespace
}  // namespace pp::hostenv
