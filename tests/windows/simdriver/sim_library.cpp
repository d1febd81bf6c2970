#include "sim_library.h"

#include <fstream>

namespace simtest {

std::string InstallFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

SimLibrary::SimLibrary(const std::string& relative_path)
    : module_(LoadLibraryA((InstallFolder() + relative_path).c_str())) {}

SimLibrary::~SimLibrary() {
  if (module_) FreeLibrary(module_);
}

FARPROC SimLibrary::Entry(const char* name) const { return module_ ? GetProcAddress(module_, name) : nullptr; }

namespace {
template <class F>
F As(FARPROC p) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(p));
}
}  // namespace

BYTE SimLibrary::LoadIODriver() const { return As<BYTE(WINAPI*)()>(Entry("LoadIODriver"))(); }
BYTE SimLibrary::ActivateIo() const { return As<BYTE(WINAPI*)()>(Entry("ActivateIo"))(); }
void SimLibrary::UnLoadIODriver() const { As<void(WINAPI*)()>(Entry("UnLoadIODriver"))(); }
void SimLibrary::DeActivateIo() const { As<void(WINAPI*)()>(Entry("DeActivateIo"))(); }
BYTE SimLibrary::ReadByte(DWORD port) const { return As<BYTE(WINAPI*)(DWORD)>(Entry("ReadByte"))(port); }
void SimLibrary::WriteByte(DWORD port, DWORD value) const {
  As<void(WINAPI*)(DWORD, DWORD)>(Entry("WriteByte"))(port, value);
}
void SimLibrary::SimRefreshSwitches() const { As<void(WINAPI*)()>(Entry("SimRefreshSwitches"))(); }

std::string GetEnv(const char* name) {
  char value[1024];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  char old[1024];
  DWORD n = GetEnvironmentVariableA(name, old, sizeof old);
  had_old_ = n > 0 && n < sizeof old;
  if (had_old_) old_.assign(old, n);
  SetEnvironmentVariableA(name, value);
}

ScopedEnv::~ScopedEnv() { SetEnvironmentVariableA(name_.c_str(), had_old_ ? old_.c_str() : nullptr); }

TempLog::TempLog() {
  char folder[MAX_PATH] = {}, file[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "sim", 0, file);  // creates the file, empty
  path_ = file;
}

TempLog::~TempLog() { DeleteFileA(path_.c_str()); }

std::vector<std::string> TempLog::Lines() const {
  std::vector<std::string> lines;
  std::ifstream in(path_);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace simtest
