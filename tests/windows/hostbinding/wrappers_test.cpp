// Both sides of every host-function fallback. "host probe" runs the library's binding inside the
// host stand-in's own process and prints each wrapper's answer: host.exe answers through its
// exports (set by its PPHOST_ settings), host_bare.exe exports nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "../hostenv/hostenv_helpers.h"

namespace pp::hostenv {
namespace {

using test::ScopedEnvVar;

std::map<std::string, std::string> Probe(const char* exe, std::string* raw = nullptr) {
  const test::ChildResult child = test::RunChild("\"" + test::ExeFolder() + exe + "\" probe");
  EXPECT_EQ(child.exitCode, 0u) << exe << " probe";
  std::map<std::string, std::string> answers;
  std::istringstream in(child.output);
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos) answers[line.substr(0, eq)] = line.substr(eq + 1);
  }
  if (raw) *raw = child.output;
  return answers;
}

struct Expectation {
  const char* wrapper;
  const char* exported;  // host.exe with every answer set away from the fallback
  const char* bare;      // host_bare.exe: the fallback
};

const Expectation kWrappers[] = {
    {"Client", "set", "none"},
    {"GetPrefUseLuna", "true", "false"},
    {"GetPrefHideFloatingPanels", "true", "false"},
    {"GetPrefHideFloatingPanels after set", "true", "false"},
    {"GetUseExternalWebBrowser", "false", "true"},
    {"GetIntegratedHelpSystem", "true", "false"},
    {"GetUseSystemLocaleLanguage", "true", "false"},
    {"GetUseLocalizedDialogs", "true", "false"},
    {"GetTranslationManager", "set", "none"},
    {"UpdateFont", "1 Arial", "0 Tahoma"},
    {"GetHostMainWindow", "window \"Host\"", "0"},
    {"RunHostProcess", "returned", "returned"},
};

TEST(HostWrappers, ExportedAnswersAndFallbacks) {
  const std::string log = test::ExeFolder() + "hostbinding_wrappers_log.txt";
  DeleteFileA(log.c_str());
  ScopedEnvVar l("PPHOST_LOG", log);
  ScopedEnvVar a("PPHOST_GetPrefUseLuna", "1");
  ScopedEnvVar b("PPHOST_GetPrefHideFloatingPanels", "1");
  ScopedEnvVar c("PPHOST_GetUseExternalWebBrowser", "0");
  ScopedEnvVar d("PPHOST_GetIntegratedHelpSystem", "1");
  ScopedEnvVar e("PPHOST_GetUseSystemLocaleLanguage", "1");
  ScopedEnvVar f("PPHOST_GetUseLocalizedDialogs", "1");
  ScopedEnvVar g("PPHOST_UpdateFont", "1");
  ScopedEnvVar h("PPHOST_UPDATEFONT_FACE", "Arial");

  std::string exportedOutput, bareOutput;
  auto exported = Probe("host.exe", &exportedOutput);
  const std::string exportedLog = test::ReadText(log);
  DeleteFileA(log.c_str());
  auto bare = Probe("host_bare.exe", &bareOutput);
  const std::string bareLog = test::ReadText(log);
  DeleteFileA(log.c_str());

  for (const Expectation& x : kWrappers) {
    EXPECT_EQ(exported[x.wrapper], x.exported) << x.wrapper << " through host.exe; output:\n" << exportedOutput;
    EXPECT_EQ(bare[x.wrapper], x.bare) << x.wrapper << " through host_bare.exe; output:\n" << bareOutput;
  }

  // What host.exe saw, in order: the wrappers pass their arguments through unchanged.
  const char* calls[] = {
      "ClientAPI_GetClientInterface()\n",
      "ClientAPI_SetPrefHideFloatingPanels(1)\n",
      "ClientAPI_UpdateFont(\"Tahoma\", -11) -> 1\n",
      "ClientAPI_SetErrorInfo(\"ParallelPort.dll\", \"Probe message\", nil)\n",
      "ClientAPI_ClearErrorInfo()\n",
      "ClientAPI_HandleException(nil)\n",
      "IClient.GetMainWindowHandle()\n",
      "IClient.QueryInterface({8452C443-703F-4881-B7AC-C33550794AA6})\n",
      "IHostProcessLauncher.RunProcess(\"HelpAdvisor:ShowDynamicHelp\", \"Address=probe\", 14, 0)\n",
      "host: client references 0\n",
  };
  size_t pos = 0;
  for (const char* call : calls) {
    const size_t at = exportedLog.find(call, pos);
    EXPECT_NE(at, std::string::npos) << "expected, in order, " << call << "got the log\n" << exportedLog;
    if (at != std::string::npos) pos = at;
  }
  // The bare host has no exports and hands out no client: nothing reaches it.
  EXPECT_EQ(bareLog.find("ClientAPI_"), std::string::npos) << bareLog;
  EXPECT_EQ(bareLog.find("IClient."), std::string::npos) << bareLog;
}

TEST(HostWrappers, ABooleanIsTheLowByteOfTheAnswer) {
  struct Case {
    const char* raw;
    const char* answer;
  };
  const Case cases[] = {{"0x100", "false"}, {"0xFFFFFF00", "false"}, {"0x201", "true"}, {"0x80", "true"}};
  for (const Case& c : cases) {
    ScopedEnvVar luna("PPHOST_GetPrefUseLuna", c.raw);
    EXPECT_EQ(Probe("host.exe")["GetPrefUseLuna"], c.answer) << "raw answer " << c.raw;
  }
}

TEST(HostWrappers, AHostWithoutClientOrTranslationManager) {
  ScopedEnvVar client("PPHOST_CLIENT", "none");
  ScopedEnvVar translations("PPHOST_TRANSLATION_MANAGER", "none");
  auto answers = Probe("host.exe");
  EXPECT_EQ(answers["Client"], "none");
  EXPECT_EQ(answers["GetHostMainWindow"], "0");
  EXPECT_EQ(answers["RunHostProcess"], "returned");
  EXPECT_EQ(answers["GetTranslationManager"], "none");
}

TEST(HostWrappers, AFailingClientOperationRaises) {
  ScopedEnvVar fail("PPHOST_FAIL", "IClient.GetMainWindowHandle,IHostProcessLauncher.RunProcess");
  auto answers = Probe("host.exe");
  EXPECT_EQ(answers["GetHostMainWindow"].rfind("error: ", 0), 0u) << answers["GetHostMainWindow"];
  EXPECT_EQ(answers["RunHostProcess"].rfind("error: ", 0), 0u) << answers["RunHostProcess"];
}

TEST(HostWrappers, LocalizedFolderFollowsTheHostPreference) {
  ScopedEnvVar on("PPHOST_GetUseSystemLocaleLanguage", "1");
  const std::string resources = test::ExeFolder() + "System\\Resources\\";
  const std::string folder = Probe("host.exe")["GetLocalizedFolder"];
  // The folder of a language: the system folder's Resources\ plus a number.
  EXPECT_EQ(_strnicmp(folder.c_str(), resources.c_str(), resources.size()), 0) << folder;
  EXPECT_GT(folder.size(), resources.size() + 1) << folder;
  const std::string bare = Probe("host_bare.exe")["GetLocalizedFolder"];
  EXPECT_EQ(_stricmp(bare.c_str(), (test::ExeFolder() + "System\\").c_str()), 0) << bare;
}

}  // namespace
}  // namespace pp::hostenv
