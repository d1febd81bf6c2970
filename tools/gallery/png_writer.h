// Writes 32-bit pictures as PNG files (8-bit RGBA, zlib-compressed, no filtering): enough to look
// at what our drawing code produced.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pp::gallery {

// pixels: width x height values 0xAARRGGBB, top row first. With opaque set, alpha is written as
// 255 (GDI leaves the alpha byte of what it draws undefined). Returns false when the file
// cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels, bool opaque);

}  // namespace pp::gallery
