// The writer half of the image format, kept apart from the decoder so that the image generator
// (a build-machine program) needs nothing else of the library.
#include <zlib.h>

#include <stdexcept>

#include "controls/image_format.h"

namespace pp::controls {

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeAlphaImage(int width, int height, const std::vector<uint32_t>& top_down) {
  std::vector<uint8_t> raw;
  const uint32_t pixel_bytes = static_cast<uint32_t>(width) * height * 4;
  raw.reserve(44 + pixel_bytes);
  Put32(raw, 40 + pixel_bytes);
  Put32(raw, 40);
  Put32(raw, static_cast<uint32_t>(width));
  Put32(raw, static_cast<uint32_t>(height));
  Put32(raw, 1 | (32 << 16));  // planes, bits per pixel
  Put32(raw, 0);               // uncompressed
  Put32(raw, pixel_bytes);
  for (int i = 0; i < 4; ++i) Put32(raw, 0);  // resolution, palette
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x) Put32(raw, top_down[static_cast<size_t>(y) * width + x]);
  uLongf out_size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> out(out_size);
  if (compress2(out.data(), &out_size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
    throw std::runtime_error("cannot compress image");
  out.resize(out_size);
  return out;
}

}  // namespace pp::controls
