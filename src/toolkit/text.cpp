#include "toolkit/text.h"

namespace pp::toolkit {

namespace {
unsigned char Fold(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}
}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int d = Fold(a[i]) - Fold(b[i]);
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int CompareStr(std::string_view a, std::string_view b) {
  int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string UpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(Fold(c));
  return r;
}

char AcceleratorOf(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return caption[i + 1];
  }
  return 0;
}

bool IsAccel(unsigned ch, std::string_view caption) {
  char a = AcceleratorOf(caption);
  return a != 0 && ch < 256 && Fold(a) == Fold(static_cast<char>(ch));
}

std::string StripAccelerator(std::string_view caption) {
  std::string r;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') r += '&', ++i;
      continue;
    }
    r += caption[i];
  }
  return r;
}

}  // namespace pp::toolkit
