// Test-side helpers for driving the real plug-in the way a host does: load ParallelPort.dll
// from the install folder, reach the manager through the exported entry point, flip the
// simulated driver's switches and read its call log.
#pragma once

#include <windows.h>

#include <ParallelPort.h>

#include <string>
#include <vector>

namespace pp::test {

std::string ExeFolder();  // with trailing backslash

// Loads the plug-in for one test; Stop and unload on destruction, so each test starts with
// fresh module state (manager, driver flags, resolved preference location).
class LoadedPlugin {
 public:
  LoadedPlugin();
  ~LoadedPlugin();
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  HMODULE module = nullptr;
  PFN_GetParallelPortManager entry = nullptr;
  IParallelPortManager* manager = nullptr;
};

// Sets an environment variable for the scope of a test, restoring its absence afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();

 private:
  std::string name_;
};

// Points VEXIO_SIM_LOG at a fresh file; Lines() reads what the driver logged so far.
class SimLog {
 public:
  SimLog();
  ~SimLog();
  std::vector<std::string> Lines() const;
  int Count(const std::string& line) const;

 private:
  std::string path_;
  ScopedEnv env_;
};

// Makes a running simulated driver re-read its switches (VEXIO_SIM_READ_FAULT).
void RefreshSimSwitches();

// Registry helpers under HKEY_CURRENT_USER; the key is deleted with everything below it.
class ScopedUserKey {
 public:
  explicit ScopedUserKey(std::string path);
  ~ScopedUserKey();
  void SetDword(const char* name, DWORD value);
  void SetString(const char* name, const std::string& value);

 private:
  std::string path_;
};

std::string Join(const std::vector<std::string>& lines);

}  // namespace pp::test
