#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "hostenv/message_dialog.h"
#include "hostenv/platform.h"
#include "hostenv/process_end.h"
#include "hostenv_helpers.h"

namespace pp::hostenv {
namespace {

using test::RunChild;
using test::ScopedKey;

constexpr const char* kTestModeKey = "Software\\Veltrex\\TestMode";

// Runs one of the DISABLED_Child cases below in a child process of this program.
test::ChildResult RunChildCase(const char* name) {
  return RunChild("\"" + test::ExePath() + "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Child." + name);
}

// Bodies that only make sense in a child: each ends the process.
TEST(DISABLED_Child, ShowDialog) {
  ShowDialogWithCaption("Cap", "Port 0x378 is gone", MsgDlgType::Warning, mbOK | mbCancel);
  std::printf("still running\n");
}
TEST(DISABLED_Child, ShowErrorDialog) {
  ShowErrorDialog("Driver failed");
  std::printf("still running\n");
}
TEST(DISABLED_Child, EndProcessFlushesFirst) {
  std::printf("unfinished line without a newline");  // stays in the buffer until the flush
  EndProcess(7);
}

TEST(TestMode, OnlyWhileTheMachineKeyExists) {
  EXPECT_FALSE(IsTestMode());
  ScopedKey key(HKEY_LOCAL_MACHINE, kTestModeKey);
  EXPECT_TRUE(IsTestMode());
}

TEST(TestMode, MessageDialogsWriteOneLineAndEndTheProcess) {
  struct Case {
    const char* child;
    const char* line;
  };
  const Case cases[] = {
      {"ShowDialog", "ShowDialogWithCaption withCap Port 0x378 is gone\n"},
      {"ShowErrorDialog", "ShowDialogWithCaption withError Driver failed\n"},
  };
  ScopedKey key(HKEY_LOCAL_MACHINE, kTestModeKey);
  for (const Case& c : cases) {
    const test::ChildResult child = RunChildCase(c.child);
    EXPECT_EQ(child.exitCode, 1u) << c.child;
    EXPECT_NE(child.output.find(c.line), std::string::npos) << c.child << ": expected the line " << c.line << "got\n"
                                                            << child.output;
    EXPECT_EQ(child.output.find("still running"), std::string::npos) << c.child << ": the dialog returned";
    EXPECT_EQ(child.output.find("[  PASSED  ]"), std::string::npos) << c.child << ": the process was not ended";
  }
}

TEST(EndProcessTest, FlushesStandardOutputThenEndsWithTheCode) {
  const test::ChildResult child = RunChildCase("EndProcessFlushesFirst");
  EXPECT_EQ(child.exitCode, 7u);
  EXPECT_NE(child.output.find("unfinished line without a newline"), std::string::npos) << "got\n" << child.output;
  EXPECT_EQ(child.output.find("[  PASSED  ]"), std::string::npos);
}

}  // namespace
}  // namespace pp::hostenv
