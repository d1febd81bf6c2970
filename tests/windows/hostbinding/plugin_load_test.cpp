// The real plug-in loaded by the host stand-in in a real process: the host binding runs at load,
// asks for the client exactly once and keeps no reference of its own; without exports the
// plug-in works all the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../hostenv/hostenv_helpers.h"

namespace pp::hostenv {
namespace {

using test::ScopedEnvVar;

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
  return n;
}

class PluginLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(GetFileAttributesA((test::ExeFolder() + "ParallelPort.dll").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(log_.c_str());
  }
  void TearDown() override { DeleteFileA(log_.c_str()); }
  test::ChildResult Run(const char* exe) {
    return test::RunChild("\"" + test::ExeFolder() + exe + "\" load");
  }
  const std::string log_ = test::ExeFolder() + "hostbinding_load_log.txt";
  ScopedEnvVar env_{"PPHOST_LOG", log_};
};

TEST_F(PluginLoad, AHostWithExportsIsAskedForItsClientOnce) {
  const test::ChildResult child = Run("host.exe");
  EXPECT_EQ(child.exitCode, 0u) << child.output;
  EXPECT_NE(child.output.find("Manager ready"), std::string::npos) << child.output;
  const std::string log = test::ReadText(log_);
  EXPECT_EQ(Count(log, "ClientAPI_GetClientInterface()"), 1) << log;
  // The library's reference is dropped at once; it keeps the client without one.
  EXPECT_NE(log.find("host: client references 0\n"), std::string::npos) << log;
}

TEST_F(PluginLoad, ABareHostLoadsThePluginAllTheSame) {
  const test::ChildResult child = Run("host_bare.exe");
  EXPECT_EQ(child.exitCode, 0u) << child.output;
  EXPECT_NE(child.output.find("Manager ready"), std::string::npos) << child.output;
  EXPECT_EQ(test::ReadText(log_).find("ClientAPI_"), std::string::npos);
}

TEST_F(PluginLoad, AHostThatHandsOutNoClient) {
  ScopedEnvVar none("PPHOST_CLIENT", "none");
  const test::ChildResult child = Run("host.exe");
  EXPECT_EQ(child.exitCode, 0u) << child.output;
  const std::string log = test::ReadText(log_);
  EXPECT_EQ(Count(log, "ClientAPI_GetClientInterface() -> untouched"), 1) << log;
  EXPECT_EQ(log.find("IClient."), std::string::npos) << log;
}

}  // namespace
}  // namespace pp::hostenv
