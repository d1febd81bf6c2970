#include "hostenv/paths.h"

namespace pp::hostenv {

static size_t FolderEnd(std::string_view path) {
  size_t pos = path.find_last_of("\\:");
  return pos == std::string_view::npos ? 0 : pos + 1;
}

std::string FolderOf(std::string_view path) { return std::string(path.substr(0, FolderEnd(path))); }

std::string FileNameOf(std::string_view path) { return std::string(path.substr(FolderEnd(path))); }

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace pp::hostenv
