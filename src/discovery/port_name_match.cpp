#include "discovery/port_name_match.h"

namespace pp::discovery {

namespace {
char LowerAscii(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool IsPortsClass(std::string_view class_name) noexcept {
  constexpr std::string_view kPorts = "ports";
  if (class_name.size() != kPorts.size()) return false;
  for (std::size_t i = 0; i < kPorts.size(); ++i)
    if (LowerAscii(class_name[i]) != kPorts[i]) return false;
  return true;
}

bool HasLptMarker(std::string_view friendly_name) noexcept {
  return friendly_name.find("(LPT") != std::string_view::npos;
}

std::string_view TextInBuffer(const char* buffer, std::size_t size) noexcept {
  std::size_t n = 0;
  while (n < size && buffer[n] != '\0') ++n;
  return std::string_view(buffer, n);
}

}  // namespace pp::discovery
