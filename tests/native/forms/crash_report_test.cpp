#include "forms/crash_report.h"

#include <gtest/gtest.h>

#include "forms/translation_key.h"

namespace pp::forms {
namespace {

const std::vector<CrashModule> kModules = {
    {"host.exe", 0x00400000, 0x00020000},
    {"ParallelPort.dll", 0x10000000, 0x00080000},
};

TEST(CrashReport, AddressesAsModulePlusOffset) {
  EXPECT_EQ(DescribeAddress(0x10001A2B, kModules), "ParallelPort.dll+00001A2B");
  EXPECT_EQ(DescribeAddress(0x00400000, kModules), "host.exe+00000000");
  EXPECT_EQ(DescribeAddress(0x0041FFFF, kModules), "host.exe+0001FFFF");
  EXPECT_EQ(DescribeAddress(0x00420000, kModules), "00420000");  // one past the end
  EXPECT_EQ(DescribeAddress(0, {}), "00000000");
}

TEST(CrashReport, NamesClassMessageAddressThreadStackAndModules) {
  CrashFacts facts;
  facts.exception_class = "EExternal";
  facts.message = "Access violation at address 10001A2B";
  facts.address = 0x10001A2B;
  facts.thread_id = 0xF3C;
  facts.modules = kModules;
  facts.stack = {0x10001A2B, 0x00401234};
  const std::string report = ComposeCrashReport(facts);
  for (const char* part : {"exception class   : EExternal\r\n",
                           "exception message : Access violation at address 10001A2B\r\n",
                           "exception address : 10001A2B ParallelPort.dll+00001A2B\r\n",
                           "thread id         : 00000F3C\r\n",
                           "stack of thread 00000F3C:\r\n  10001A2B ParallelPort.dll+00001A2B\r\n  00401234 host.exe+00001234\r\n",
                           "modules:\r\n  00400000 00020000 host.exe\r\n  10000000 00080000 ParallelPort.dll\r\n"})
    EXPECT_NE(report.find(part), std::string::npos) << "missing \"" << part << "\" in\n" << report;
}

TEST(CrashReport, OperatingSystemExceptionWithoutObjectOrStack) {
  CrashFacts facts;
  facts.message = "Error (E0001234)";
  const std::string report = ComposeCrashReport(facts);
  EXPECT_NE(report.find("exception class   : (none)\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  (not available)\r\n"), std::string::npos) << report;
}

TEST(TranslationKey, PropertyDotQuotedText) {
  const struct {
    const char* path;
    const char* text;
    const char* key;
  } cases[] = {
      {"Caption", "Failed To Load", "Caption.'Failed To Load'"},
      {"Caption", "It's", "Caption.'It''s'"},
      {"Hint", "", "Hint.''"},
      {"Caption", "''", "Caption.''''''"},
      {"Font.Name", "Tahoma", "Font.Name.'Tahoma'"},
  };
  for (const auto& c : cases) EXPECT_EQ(TranslationKey(c.path, c.text), c.key);
  EXPECT_EQ(FormTranslationName("TParallelPortForm"), "ParallelPortForm");
  EXPECT_EQ(FormTranslationName(""), "");
}

}  // namespace
}  // namespace pp::forms
