// The simulated driver library loaded for one test, its entry points resolved by name, and
// small helpers for the switches it reads from the environment.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace simtest {

// Folder of this test executable, with a trailing backslash (the install folder).
std::string InstallFolder();

class SimLibrary {
 public:
  // Path relative to the install folder.
  explicit SimLibrary(const std::string& relative_path = "System\\Vexio.dll");
  ~SimLibrary();
  SimLibrary(const SimLibrary&) = delete;
  SimLibrary& operator=(const SimLibrary&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  FARPROC Entry(const char* name) const;

  // The one-byte results are taken from the low byte only, as the driver's callers must.
  BYTE LoadIODriver() const;
  BYTE ActivateIo() const;
  void UnLoadIODriver() const;
  void DeActivateIo() const;
  BYTE ReadByte(DWORD port) const;
  void WriteByte(DWORD port, DWORD value) const;
  void SimRefreshSwitches() const;

 private:
  HMODULE module_ = nullptr;
};

// Sets an environment variable for the scope and puts the previous state back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::string old_;
  bool had_old_ = false;
};

std::string GetEnv(const char* name);  // "" when unset

// A fresh, empty log file path in the temporary folder, deleted with the object.
class TempLog {
 public:
  TempLog();
  ~TempLog();
  const std::string& Path() const { return path_; }
  std::vector<std::string> Lines() const;

 private:
  std::string path_;
};

}  // namespace simtest
