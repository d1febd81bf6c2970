#include "plugin_host.h"

#include <fstream>

#include <gtest/gtest.h>

namespace pp::test {

std::string ExeFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path);
  return text.substr(0, text.find_last_of('\\') + 1);
}

LoadedPlugin::LoadedPlugin() {
  module = LoadLibraryA((ExeFolder() + "ParallelPort.dll").c_str());
  if (!module) {
    ADD_FAILURE() << "expected ParallelPort.dll to load, got error " << GetLastError();
    return;
  }
  entry = reinterpret_cast<PFN_GetParallelPortManager>(
      reinterpret_cast<void*>(GetProcAddress(module, "GetParallelPortManager")));
  if (!entry) {
    ADD_FAILURE() << "expected the undecorated export GetParallelPortManager";
    return;
  }
  EXPECT_EQ(entry(&manager), S_OK);
}

LoadedPlugin::~LoadedPlugin() {
  if (manager) manager->Stop();
  if (module) FreeLibrary(module);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  SetEnvironmentVariableA(name, value.c_str());
}
ScopedEnv::~ScopedEnv() { SetEnvironmentVariableA(name_.c_str(), nullptr); }

static std::string TempLogPath() {
  char folder[MAX_PATH] = {}, file[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "sim", 0, file);
  return file;
}

SimLog::SimLog() : path_(TempLogPath()), env_("VEXIO_SIM_LOG", path_) {}
SimLog::~SimLog() { DeleteFileA(path_.c_str()); }

std::vector<std::string> SimLog::Lines() const {
  std::vector<std::string> lines;
  std::ifstream in(path_);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

int SimLog::Count(const std::string& line) const {
  int n = 0;
  for (const std::string& l : Lines()) n += l == line;
  return n;
}

void RefreshSimSwitches() {
  HMODULE sim = GetModuleHandleA("Vexio.dll");
  ASSERT_NE(sim, nullptr) << "expected the simulated driver to be loaded";
  auto refresh = reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(sim, "SimRefreshSwitches")));
  ASSERT_NE(refresh, nullptr);
  refresh();
}

ScopedUserKey::ScopedUserKey(std::string path) : path_(std::move(path)) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (key) RegCloseKey(key);
}
ScopedUserKey::~ScopedUserKey() { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }

void ScopedUserKey::SetDword(const char* name, DWORD value) {
  RegSetKeyValueA(HKEY_CURRENT_USER, path_.c_str(), name, REG_DWORD, &value, sizeof value);
}
void ScopedUserKey::SetString(const char* name, const std::string& value) {
  RegSetKeyValueA(HKEY_CURRENT_USER, path_.c_str(), name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += (out.empty() ? "" : " | ") + l;
  return out;
}

}  // namespace pp::test
