#include "controls/gradient_math.h"

#include <cstddef>

#include "controls/color_math.h"

namespace pp::controls {

std::vector<uint32_t> GradientLine(uint32_t a, uint32_t b, int count) {
  std::vector<uint32_t> line;
  if (count <= 0) return line;
  line.reserve(static_cast<size_t>(count));
  const int n = count - 1;
  for (int i = 0; i < count; ++i) {
    if (n == 0) {
      line.push_back(a);
      break;
    }
    uint32_t c = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
      c |= static_cast<uint32_t>(x + RoundNearest(static_cast<double>(i) * (y - x) / n)) << shift;
    }
    line.push_back(c);
  }
  return line;
}

}  // namespace pp::controls
