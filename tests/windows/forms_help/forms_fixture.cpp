#include "forms_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "client.h"
#include "hostenv/folders.h"
#include "hostenv/host_client.h"
#include "hostenv/host_functions.h"

namespace pp::forms::testing {

namespace {

HWND g_main = nullptr;

// Before any test: the host's main window and client, then the library's binding to them, as
// when the host loads the plug-in.
class HostEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FormsTestHostMain";
    RegisterClassA(&wc);
    g_main = CreateWindowExA(0, wc.lpszClassName, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                             wc.hInstance, nullptr);
    host::CreateClient(g_main);
    hostenv::InitHostBinding();
  }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

int g_log_serial = 0;

BOOL WINAPI RecordWinHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data) {
  WinHelpRecorder::Calls().push_back({file ? file : "", command, data});
  return TRUE;
}

}  // namespace

HWND HostMainWindow() { return g_main; }

HostSetting::HostSetting(std::string name, const std::string& value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) {
    had_ = true;
    old_ = old;
  }
  _putenv((name_ + "=" + value).c_str());
}
HostSetting::~HostSetting() { _putenv((name_ + "=" + (had_ ? old_ : "")).c_str()); }

HostLog::HostLog()
    : path_(hostenv::test::ExeFolder() + "forms_host_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++g_log_serial) + ".log"),
      env_("PPHOST_LOG", path_) {
  DeleteFileA(path_.c_str());
}

HostLog::~HostLog() { DeleteFileA(path_.c_str()); }

std::vector<std::string> HostLog::Lines() const {
  std::ifstream in(path_);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> HostLog::Calls(const std::string& prefix) const {
  std::vector<std::string> calls;
  for (const std::string& line : Lines())
    if (line.compare(0, prefix.size(), prefix) == 0 && line.find(".AddRef ->") == std::string::npos &&
        line.find(".Release ->") == std::string::npos)
      calls.push_back(line);
  return calls;
}

void HostLog::Clear() const { DeleteFileA(path_.c_str()); }

WinHelpRecorder::WinHelpRecorder() : previous_(SetWinHelpFunction(&RecordWinHelp)) { Calls().clear(); }
WinHelpRecorder::~WinHelpRecorder() { SetWinHelpFunction(previous_); }
std::vector<WinHelpCall>& WinHelpRecorder::Calls() {
  static std::vector<WinHelpCall> calls;
  return calls;
}

ScopedFile::ScopedFile(std::string path, const std::string& text) : path_(std::move(path)) {
  std::ofstream(path_, std::ios::binary) << text;
}
ScopedFile::~ScopedFile() { DeleteFileA(path_.c_str()); }

std::string HelpFolder() {
  const std::string folder = hostenv::GetHelpFolder();
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

namespace {
std::string ProgramBaseName() {
  const std::string exe = hostenv::test::ExePath();
  const std::string name = exe.substr(exe.find_last_of('\\') + 1);
  return name.substr(0, name.find_last_of('.'));
}
}  // namespace

std::string HelpIdFile() { return HelpFolder() + ProgramBaseName() + ".id"; }
std::string WhatsThisIdFile() { return HelpFolder() + ProgramBaseName() + "wth.id"; }

toolkit::Owned<TestDialog> MakeDialog(const DialogSpec& spec, const std::function<void(TestDialog*)>& fill) {
  toolkit::Owned<TestDialog> dialog(new TestDialog(nullptr));
  dialog->BeginLoad();
  dialog->SetName(spec.name);
  dialog->SetCaption("Test dialog");
  dialog->SetBorderStyle(spec.border);
  dialog->SetBounds(spec.bounds.left, spec.bounds.top, spec.bounds.right, spec.bounds.bottom);
  if (fill) fill(dialog.get());
  dialog->EndLoad();
  return dialog;
}

}  // namespace pp::forms::testing
