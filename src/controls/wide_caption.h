// Captions are 8-bit strings in the system ANSI code page; the caption helpers draw wide text.
#pragma once

#include <windows.h>

#include <string>

namespace pp::controls {

inline std::wstring WideCaption(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

}  // namespace pp::controls
