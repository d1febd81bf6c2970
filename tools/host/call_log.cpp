#include "call_log.h"

#include <cstdio>
#include <cstdlib>

namespace host {

void Record(const std::string& line) {
  const char* path = std::getenv("PPHOST_LOG");
  if (!path || !*path) return;
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

std::string Quote(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Quote(const wchar_t* text) {
  if (!text) return "nil";
  const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
  return Quote(out);
}

std::string Hex(unsigned long value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%lX", value);
  return text;
}

}  // namespace host
