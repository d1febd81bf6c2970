#include "toolkit/colors.h"

#include <windows.h>

namespace pp::toolkit {

uint32_t ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(color & 0xFF);
  return static_cast<uint32_t>(color) & 0x00FFFFFF;
}

}  // namespace pp::toolkit
