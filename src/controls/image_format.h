// The compressed image resource: one zlib stream holding a 32-bit little-endian byte count N,
// a 40-byte BITMAPINFOHEADER (W, H > 0 rows bottom-up, 1 plane, 32 bits, uncompressed) and
// W x H pixels of blue, green, red, straight alpha; N = 40 + W x H x 4. Frames of a multi-state
// image are stacked vertically, frame 0 at the top as displayed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pp::controls {

// A decoded image, pixels premultiplied and still in stored order (bottom row first), each one
// 0xAARRGGBB as a little-endian 32-bit DIB holds it.
struct DecodedImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
};

// Largest image we accept, in pixels: far beyond any control image, and it keeps W x H x 4 and
// the byte count inside 32 bits.
constexpr int64_t kMaxImagePixels = 16 * 1024 * 1024;

// Inflates and checks one resource; anything malformed (a stream that is not zlib or ends
// early, a byte count that disagrees with the header, a header that is not 40 bytes / 32 bits /
// uncompressed, a width or height of zero, negative or too large) raises EReadError with a
// message saying what was wrong. Nothing is read outside the given bytes.
DecodedImage DecodeAlphaImage(const uint8_t* data, size_t size);

// Premultiplies one straight-alpha pixel: each colour channel x alpha div 255.
constexpr uint32_t Premultiply(uint32_t bgra) {
  const uint32_t a = bgra >> 24;
  const uint32_t b = (bgra & 0xFF) * a / 255, g = ((bgra >> 8) & 0xFF) * a / 255, r = ((bgra >> 16) & 0xFF) * a / 255;
  return (a << 24) | (r << 16) | (g << 8) | b;
}

// The writer used by the image generator: straight-alpha pixels, top row first (as one looks at
// the image), stored bottom row first and compressed at the best level.
std::vector<uint8_t> EncodeAlphaImage(int width, int height, const std::vector<uint32_t>& top_down_pixels);

}  // namespace pp::controls
