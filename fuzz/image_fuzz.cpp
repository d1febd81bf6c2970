// The image resource decoder on arbitrary bytes. The first byte picks the form: odd, the rest is
// the decompressed content, compressed here first (so that mutations reach the byte count and
// header checks); even, the rest is taken as the resource itself. Either it raises EReadError
// or it gives an image whose size agrees with its pixels and whose pixels are premultiplied.
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "controls/image_format.h"
#include "toolkit/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pp::controls;
  if (size == 0) return 0;
  std::vector<uint8_t> input(data + 1, data + size);
  if (data[0] & 1) {
    uLongf packed = compressBound(static_cast<uLong>(input.size()));
    std::vector<uint8_t> out(packed);
    if (compress2(out.data(), &packed, input.data(), static_cast<uLong>(input.size()), 1) != Z_OK) return 0;
    out.resize(packed);
    input.swap(out);
  }
  try {
    const DecodedImage image = DecodeAlphaImage(input.data(), input.size());
    if (image.Width <= 0 || image.Height <= 0) std::abort();
    if (image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height) std::abort();
    for (uint32_t p : image.Pixels) {
      const uint32_t a = p >> 24;
      if ((p & 0xFF) > a || ((p >> 8) & 0xFF) > a || ((p >> 16) & 0xFF) > a) std::abort();
    }
  } catch (const pp::toolkit::EReadError&) {
  }
  return 0;
}
