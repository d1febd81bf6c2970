// This test executable plays the host: it exports the "ClientAPI_" functions the module looks
// up in the process's executable, records every call, and answers from the settings below. The
// plug-in, when a test loads it, binds to these same exports.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pp::forms::test {

struct TestHost {
  std::vector<std::string> calls;        // "SetErrorInfo(message, address)", "ClearErrorInfo", ...
  std::vector<std::wstring> reports;     // the report text of each SetErrorInfo
  std::vector<void*> addresses;          // the address of each SetErrorInfo
  bool localized_dialogs = false;
  bool translation_manager = true;
  long font_substitution = 0;
  // (section, key) -> text; every Translate is recorded as "Translate(section, key)".
  std::map<std::pair<std::string, std::string>, std::string> translations;
  std::string fail_operation;            // "Translate" or "SetCurrentForm": answers E_FAIL
  std::string dialog_font;               // the client's dialog font (face name), none when empty

  void Reset() { *this = TestHost{}; }
};

TestHost& Host();

// Binds the module's host functions and client to this executable's exports (once per process).
void BindTestHost();

std::string Narrow(const wchar_t* text);



}  // namespace pp::forms::test
