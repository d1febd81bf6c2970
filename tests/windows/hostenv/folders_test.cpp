#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "hostenv/folders.h"

namespace pp::hostenv {
namespace {

// The suite runs from build\windows\install\ (lower case on disk): the folders are the host
// executable's, in ASCII upper case, each with its backslash.
TEST(Folders, DerivedFromTheHostExecutable) {
  char path[MAX_PATH] = {};
  std::string install(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  install.erase(install.rfind('\\') + 1);
  for (char& c : install)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  ASSERT_GE(install.size(), 9u);
  ASSERT_EQ(install.substr(install.size() - 9), "\\INSTALL\\") << install;
  EXPECT_EQ(GetInstallFolder(), install);
  EXPECT_EQ(GetSystemFolder(), install + "System\\") << "only the executable's folder is upper-cased";
  EXPECT_EQ(GetResourcesFolder(), install + "System\\Resources\\");
  EXPECT_EQ(GetHelpFolder(), install + "Help\\");
}

}  // namespace
}  // namespace pp::hostenv
