// The file we ship: its version resource carries the project's version, it holds no debug
// information of its own, and it names the separate debug file that does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "plugin_host.h"

namespace pp::test {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ReleasedFile, VersionFromTheProject) {
  const std::string path = ExeFolder() + "ParallelPort.dll";
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u) << "expected a version resource, got error " << GetLastError();
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
  char fixed[32];
  std::snprintf(fixed, sizeof fixed, "%u.%u.%u.%u", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
  EXPECT_EQ(std::string(fixed), std::string(PP_PROJECT_VERSION) + ".0");
  char* text = nullptr;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<void**>(&text), &length));
  EXPECT_EQ(std::string(text), std::string(PP_PROJECT_VERSION) + ".0");
}

TEST(ReleasedFile, StrippedWithADebugLink) {
  const std::string dll = ReadAll(ExeFolder() + "ParallelPort.dll");
  const std::string debug = ReadAll(ExeFolder() + "ParallelPort.dll.debug");
  EXPECT_LE(dll.size(), 1536u * 1024) << "expected the stripped plug-in at most 1.5 MB";
  EXPECT_EQ(dll.find(".debug_info"), std::string::npos) << "expected no debug sections in the plug-in";
  EXPECT_NE(dll.find(std::string("ParallelPort.dll.debug\0", 23)), std::string::npos) << "expected the debug link";
  EXPECT_NE(debug.find(".debug_info"), std::string::npos) << "expected the debug information in ParallelPort.dll.debug";
}

}  // namespace
}  // namespace pp::test
