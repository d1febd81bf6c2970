#include "switches.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace simdriver {

namespace {

bool g_read_fault = false;
char g_log_path[MAX_PATH * 2] = {};

// The variable's text, or "" when unset or too long.
bool ReadVariable(const char* name, char* buffer, DWORD size) {
  DWORD n = GetEnvironmentVariableA(name, buffer, size);
  if (n == 0 || n >= size) {
    buffer[0] = '\0';
    return false;
  }
  return true;
}

}  // namespace

void RefreshSwitches() {
  char value[32];
  g_read_fault = ReadVariable("VEXIO_SIM_READ_FAULT", value, sizeof value) && std::strcmp(value, "0") != 0;
  ReadVariable("VEXIO_SIM_LOG", g_log_path, sizeof g_log_path);
}

bool ReadFaultEnabled() { return g_read_fault; }

bool ConsumeFailure(const char* variable) {
  char value[32];
  if (!ReadVariable(variable, value, sizeof value)) return false;
  const long count = std::strtol(value, nullptr, 10);
  if (count <= 0) return false;
  std::snprintf(value, sizeof value, "%ld", count - 1);
  SetEnvironmentVariableA(variable, value);
  return true;
}

bool LogEnabled() { return g_log_path[0] != '\0'; }

void Log(const char* line) {
  if (!LogEnabled()) return;
  // Opened per line and closed at once: the file must be complete even when the next call
  // faults or the library is freed.
  HANDLE file = CreateFileA(g_log_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char text[64];
  const int n = std::snprintf(text, sizeof text, "%s\n", line);
  DWORD written = 0;
  if (n > 0) WriteFile(file, text, static_cast<DWORD>(n), &written, nullptr);
  CloseHandle(file);
}

}  // namespace simdriver
