#include "controls/text_flags.h"

namespace pp::controls {

std::wstring StripAcceleratorMarks(std::wstring_view text) {
  std::wstring r;
  r.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&') {
      if (i + 1 < text.size() && text[i + 1] == L'&') r += L'&', ++i;
      continue;
    }
    r += text[i];
  }
  return r;
}

}  // namespace pp::controls
