// Helpers of the host-environment suites (also included by hostbinding): child processes with
// captured output, environment variables, registry keys and files that last one test.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace pp::hostenv::test {

inline std::string ExeFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

inline std::string ExePath() {
  char path[MAX_PATH + 1] = {};
  return std::string(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
}

struct ChildResult {
  DWORD exitCode = 0xFFFFFFFF;
  std::string output;  // standard output, CR LF turned into LF
};

// Runs commandLine with the test's environment, standard output captured; waits at most
// timeoutMs.
inline ChildResult RunChild(const std::string& commandLine, DWORD timeoutMs = 120000) {
  ChildResult result;
  SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &sa, 0)) return result;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  std::string cmd = commandLine;
  const BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
  CloseHandle(write);
  if (started) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(read, buffer, sizeof buffer, &n, nullptr) && n > 0) result.output.append(buffer, n);
    if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0xDEAD);
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  }
  CloseHandle(read);
  std::string text;
  for (char c : result.output)
    if (c != '\r') text += c;
  result.output = text;
  return result;
}

// An environment variable for one scope; the previous value (or its absence) comes back after.
class ScopedEnvVar {
 public:
  ScopedEnvVar(std::string name, const std::string& value) : name_(std::move(name)) {
    char old[32768];
    const DWORD n = GetEnvironmentVariableA(name_.c_str(), old, sizeof old);
    had_ = n > 0 && n < sizeof old;
    if (had_) old_.assign(old, n);
    SetEnvironmentVariableA(name_.c_str(), value.c_str());
  }
  ~ScopedEnvVar() { SetEnvironmentVariableA(name_.c_str(), had_ ? old_.c_str() : nullptr); }
  ScopedEnvVar(const ScopedEnvVar&) = delete;
  ScopedEnvVar& operator=(const ScopedEnvVar&) = delete;

 private:
  std::string name_, old_;
  bool had_ = false;
};

// A registry key created for one scope and deleted with everything below it afterwards.
class ScopedKey {
 public:
  ScopedKey(HKEY root, std::string path) : root_(root), path_(std::move(path)) {
    RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
  }
  ~ScopedKey() {
    if (key_) RegCloseKey(key_);
    RegDeleteTreeA(root_, path_.c_str());
    RegDeleteKeyA(root_, path_.c_str());
  }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;

  void SetString(const char* name, const std::string& value) {
    RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
  }
  void SetDword(const char* name, DWORD value) {
    RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  void SetBinary(const char* name, const std::string& bytes) {
    RegSetValueExA(key_, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
  }
  HKEY get() const { return key_; }

 private:
  HKEY root_;
  std::string path_;
  HKEY key_ = nullptr;
};

// A file written for one scope (its folders created) and deleted afterwards.
class ScopedFile {
 public:
  ScopedFile(std::string path, const std::string& content) : path_(std::move(path)) {
    for (size_t pos = path_.find('\\', 3); pos != std::string::npos; pos = path_.find('\\', pos + 1)) {
      const std::string folder = path_.substr(0, pos);
      if (CreateDirectoryA(folder.c_str(), nullptr)) created_.push_back(folder);
    }
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
  }
  ~ScopedFile() {
    DeleteFileA(path_.c_str());
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) RemoveDirectoryA(it->c_str());
  }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> created_;
};

// A folder made for one scope (removed afterwards if empty).
class ScopedFolder {
 public:
  explicit ScopedFolder(std::string path) : path_(std::move(path)) { made_ = CreateDirectoryA(path_.c_str(), nullptr); }
  ~ScopedFolder() {
    if (made_) RemoveDirectoryA(path_.c_str());
  }
  ScopedFolder(const ScopedFolder&) = delete;
  ScopedFolder& operator=(const ScopedFolder&) = delete;

 private:
  std::string path_;
  bool made_ = false;
};

inline std::string ReadText(const std::string& path) {
  std::string text;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
  CloseHandle(file);
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

}  // namespace pp::hostenv::test
