// The nine parts of a nine-slice draw: corners kept at their size, edges stretched along one
// axis, the centre along both. Portable so the rectangle arithmetic is tested natively.
#pragma once

#include <array>

#include "controls/geometry.h"

namespace pp::controls {

struct SlicePart {
  IRect Dest;  // Left, Top and Width/Height as Right - Left, Bottom - Top
  IRect Source;
  bool Corner;  // drawn at its own size
};

// D: destination; C: the stretchable centre relative to S's top-left (Left/Top are the widths
// of the left column and top row, Right/Bottom where the right column and bottom row begin);
// S: the source rectangle (one frame). Order: top-left, left edge, bottom-left, top edge,
// centre, bottom edge, top-right, right edge, bottom-right.
std::array<SlicePart, 9> NineSliceParts(const IRect& d, const IRect& c, const IRect& s);

// The source rectangle of frame `index` of an image `width` wide with frames `frame_height`
// high stacked from the top.
inline IRect FrameRect(int width, int frame_height, int index) {
  return {0, index * frame_height, width, (index + 1) * frame_height};
}

}  // namespace pp::controls
