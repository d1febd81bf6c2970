#include "controls/image_format.h"

#include <zlib.h>

#include <cstring>
#include <string>

#include "base/errors.h"
#include "toolkit/errors.h"

namespace pp::controls {

namespace {

using toolkit::EReadError;

[[noreturn]] void Bad(const std::string& what) { Raise(EReadError("Invalid image resource: " + what)); }

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// Inflates exactly `want` bytes into `out`; fewer available raises a read error.
class Inflater {
 public:
  Inflater(const uint8_t* data, size_t size) {
    zs_.next_in = const_cast<Bytef*>(data);
    // zlib counts input in 32 bits; resources are far smaller, and more would only be ignored.
    zs_.avail_in = static_cast<uInt>(size > 0xFFFFFFFFu ? 0xFFFFFFFFu : size);
    if (inflateInit(&zs_) != Z_OK) Bad("cannot start decompression");
  }
  ~Inflater() { inflateEnd(&zs_); }
  void Read(uint8_t* out, size_t want) {
    zs_.next_out = out;
    zs_.avail_out = static_cast<uInt>(want);
    while (zs_.avail_out > 0) {
      const int rc = inflate(&zs_, Z_NO_FLUSH);
      if (rc == Z_STREAM_END && zs_.avail_out > 0) Raise(EReadError("Stream read error"));
      if (rc == Z_BUF_ERROR || rc == Z_NEED_DICT) Raise(EReadError("Stream read error"));
      if (rc != Z_OK && rc != Z_STREAM_END) Bad("not a zlib stream");
    }
  }

 private:
  z_stream zs_{};
};

}  // namespace

DecodedImage DecodeAlphaImage(const uint8_t* data, size_t size) {
  if (!data || size == 0) Raise(EReadError("Stream read error"));
  Inflater in(data, size);
  uint8_t head[44];
  in.Read(head, sizeof head);
  const uint32_t count = U32(head);
  const uint8_t* h = head + 4;
  if (U32(h) != 40) Bad("header size " + std::to_string(U32(h)) + ", expected 40");
  const int32_t w = I32(h + 4), ht = I32(h + 8);
  if (U16(h + 12) != 1) Bad("planes " + std::to_string(U16(h + 12)) + ", expected 1");
  if (U16(h + 14) != 32) Bad(std::to_string(U16(h + 14)) + " bits per pixel, expected 32");
  if (U32(h + 16) != 0) Bad("compression " + std::to_string(U32(h + 16)) + ", expected none");
  if (w <= 0 || ht <= 0) Bad("size " + std::to_string(w) + " x " + std::to_string(ht));
  const int64_t pixels = static_cast<int64_t>(w) * ht;
  if (pixels > kMaxImagePixels) Bad("size " + std::to_string(w) + " x " + std::to_string(ht) + " too large");
  if (count != 40 + pixels * 4)
    Bad("byte count " + std::to_string(count) + ", the header needs " + std::to_string(40 + pixels * 4));
  DecodedImage image;
  image.Width = w;
  image.Height = ht;
  image.Pixels.resize(static_cast<size_t>(pixels));
  in.Read(reinterpret_cast<uint8_t*>(image.Pixels.data()), static_cast<size_t>(pixels) * 4);
  for (uint32_t& p : image.Pixels) {
    const uint8_t* b = reinterpret_cast<const uint8_t*>(&p);
    p = Premultiply(U32(b));  // bytes are little-endian whatever the host order
  }
  return image;
}

}  // namespace pp::controls
