// Shared pieces of the dialog framework's Windows tests. The test program is its own host (the
// stand-in's client and exports are linked in): its main window owns the dialogs, its call log
// records what the library asks of it, its settings are environment variables.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "forms/help_routes.h"
#include "forms/server_dialog.h"
#include "hostenv_helpers.h"
#include "toolkit_fixture.h"

namespace pp::forms::testing {

HWND HostMainWindow();

// One of the host's settings (an environment variable it reads through the C runtime) for one
// scope; its previous value comes back afterwards.
class HostSetting {
 public:
  HostSetting(std::string name, const std::string& value);
  ~HostSetting();
  HostSetting(const HostSetting&) = delete;
  HostSetting& operator=(const HostSetting&) = delete;

 private:
  std::string name_, old_;
  bool had_ = false;
};

// Points PPHOST_LOG at a fresh file for one test.
class HostLog {
 public:
  HostLog();
  ~HostLog();
  std::vector<std::string> Lines() const;
  // The recorded calls that begin with `prefix` (reference counting left out).
  std::vector<std::string> Calls(const std::string& prefix) const;
  void Clear() const;

 private:
  std::string path_;
  HostSetting env_;
};

// Every WinHelp call, recorded instead of made.
struct WinHelpCall {
  std::string file;
  UINT command;
  ULONG_PTR data;
};
class WinHelpRecorder {
 public:
  WinHelpRecorder();
  ~WinHelpRecorder();
  static std::vector<WinHelpCall>& Calls();

 private:
  WinHelpFunction previous_;
};

// A file for one test (created with its text, deleted at the end).
class ScopedFile {
 public:
  ScopedFile(std::string path, const std::string& text);
  ~ScopedFile();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The install's help folder (created when missing) and this program's help file names there.
std::string HelpFolder();
std::string HelpIdFile();       // the form help file's id map
std::string WhatsThisIdFile();  // the what's-this file's id map

// A server dialog built in code: named, bounds and border style given, made whole by EndLoad.
class TestDialog : public TServerDialog {
 public:
  using TServerDialog::TServerDialog;
  const char* ClassName() const override { return "TTestDialog"; }
};
struct DialogSpec {
  const char* name = "PortForm";
  toolkit::TFormBorderStyle border = toolkit::bsDialog;
  RECT bounds{0, 0, 300, 200};  // left, top, width, height
};
// Builds the dialog; `fill` adds controls while it is loading.
toolkit::Owned<TestDialog> MakeDialog(const DialogSpec& spec, const std::function<void(TestDialog*)>& fill = {});

}  // namespace pp::forms::testing
