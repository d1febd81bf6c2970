#include <windows.h>

#include <gtest/gtest.h>

#include "hostenv/folders.h"
#include "hostenv/paths.h"

namespace pp::hostenv {
namespace {

TEST(Folders, DerivedFromTheHostExecutable) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string install = UpperAscii(FolderOf(path));
  EXPECT_EQ(GetInstallFolder(), install);
  EXPECT_EQ(GetSystemFolder(), install + "System\\");
  EXPECT_EQ(GetResourcesFolder(), install + "System\\Resources\\");
  EXPECT_EQ(GetHelpFolder(), install + "Help\\");
}

}  // namespace
}  // namespace pp::hostenv
