#include "hostenv/file_read.h"

#include <windows.h>

#include "base/win_handles.h"

namespace pp::hostenv {

namespace {
inline void CloseFile(HANDLE h) noexcept { CloseHandle(h); }
// CreateFile reports failure as INVALID_HANDLE_VALUE; the owner keeps none as null instead.
using UniqueFile = win::UniqueHandle<HANDLE, CloseFile>;
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  HANDLE raw = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  UniqueFile file(raw == INVALID_HANDLE_VALUE ? nullptr : raw);
  if (!file) return std::nullopt;
  std::string text;
  char buffer[4096];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) return std::nullopt;
    if (n == 0) return text;
    text.append(buffer, n);
  }
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace pp::hostenv
