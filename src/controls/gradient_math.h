// The colours of one row (or column) of a two-colour gradient, for the fill that sets one line
// pixel by pixel and copies it over the rest of the rectangle.
#pragma once

#include <cstdint>
#include <vector>

namespace pp::controls {

// `count` RGB values from a to b: pixel i gets a + nearest(i x (b - a) / (count - 1)) per
// channel; a single pixel gets a. count <= 0 gives nothing.
std::vector<uint32_t> GradientLine(uint32_t a, uint32_t b, int count);

}  // namespace pp::controls
