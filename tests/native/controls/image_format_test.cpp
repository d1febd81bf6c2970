// The compressed image resource: decoding, premultiplying and refusing malformed streams.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <functional>

#include "controls/image_format.h"
#include "toolkit/errors.h"

namespace {

using namespace pp::controls;

// The decompressed layout, field by field, so that a test can spoil one of them.
struct RawImage {
  uint32_t count = 0;  // 0: computed
  uint32_t header_size = 40;
  int32_t width = 2, height = 1;
  uint16_t planes = 1, bits = 32;
  uint32_t compression = 0;
  std::vector<uint32_t> pixels;  // stored order
  size_t cut = 0;                // drop this many bytes from the end before compressing

  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> b;
    auto put = [&b](uint32_t v, int n) {
      for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put(count ? count : static_cast<uint32_t>(40 + pixels.size() * 4), 4);
    put(header_size, 4);
    put(static_cast<uint32_t>(width), 4);
    put(static_cast<uint32_t>(height), 4);
    put(planes, 2);
    put(bits, 2);
    put(compression, 4);
    for (int i = 0; i < 5; ++i) put(0, 4);
    for (uint32_t p : pixels) put(p, 4);
    b.resize(b.size() - cut);
    return b;
  }
  std::vector<uint8_t> Compressed() const {
    const std::vector<uint8_t> raw = Bytes();
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> out(size);
    compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
    out.resize(size);
    return out;
  }
};

DecodedImage Decode(const std::vector<uint8_t>& bytes) { return DecodeAlphaImage(bytes.data(), bytes.size()); }

TEST(ImageFormat, PremultipliesEachPixelAndKeepsStoredOrder) {
  RawImage raw;
  raw.width = 4;
  raw.height = 1;
  // alpha 0 loads as nothing at all; alpha 255 keeps its colour; in between, value x alpha div 255.
  raw.pixels = {0x00FF8040, 0xFF102030, 0x80FF0080, 0x01FFFFFF};
  const DecodedImage image = Decode(raw.Compressed());
  ASSERT_EQ(image.Width, 4);
  ASSERT_EQ(image.Height, 1);
  const std::vector<uint32_t> expected = {0x00000000, 0xFF102030, 0x80800040, 0x01010101};
  EXPECT_EQ(image.Pixels, expected);
}

TEST(ImageFormat, EncoderAndDecoderAgreeOnRowOrder) {
  // Top row as displayed is stored last.
  const std::vector<uint32_t> top_down = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005, 0xFF000006};
  const std::vector<uint8_t> bytes = EncodeAlphaImage(2, 3, top_down);
  const DecodedImage image = Decode(bytes);
  ASSERT_EQ(image.Width, 2);
  ASSERT_EQ(image.Height, 3);
  const std::vector<uint32_t> stored = {0xFF000005, 0xFF000006, 0xFF000003, 0xFF000004, 0xFF000001, 0xFF000002};
  EXPECT_EQ(image.Pixels, stored);
}

TEST(ImageFormat, MalformedStreamsRaiseReadErrors) {
  struct Case {
    const char* what;
    std::function<void(RawImage&)> spoil;
    const char* message_part;
  };
  const Case cases[] = {
      {"stream ends inside the pixels", [](RawImage& r) { r.cut = 3; }, "Stream read error"},
      {"stream ends inside the header", [](RawImage& r) { r.cut = 8 + 20; }, "Stream read error"},
      {"count larger than the header says", [](RawImage& r) { r.count = 40 + 8 + 4; }, "byte count"},
      {"count smaller than the header says", [](RawImage& r) { r.count = 40; }, "byte count"},
      {"header of 41 bytes", [](RawImage& r) { r.header_size = 41; }, "header size"},
      {"24 bits per pixel", [](RawImage& r) { r.bits = 24; }, "bits per pixel"},
      {"two planes", [](RawImage& r) { r.planes = 2; }, "planes"},
      {"bit-field compression", [](RawImage& r) { r.compression = 3; }, "compression"},
      {"width zero", [](RawImage& r) { r.width = 0; }, "size"},
      {"height zero", [](RawImage& r) { r.height = 0; }, "size"},
      {"negative height (top-down)", [](RawImage& r) { r.height = -1; }, "size"},
      {"negative width", [](RawImage& r) { r.width = -2; }, "size"},
      // 0x10000 x 0x4001 x 4 wraps a 32-bit product to a small number: must not pass as small.
      {"size whose byte count overflows", [](RawImage& r) { r.width = 0x10000; r.height = 0x4001; r.count = 40 + 0x40000; }, "too large"},
      {"largest width and height", [](RawImage& r) { r.width = 0x7FFFFFFF; r.height = 0x7FFFFFFF; }, "too large"},
  };
  for (const Case& c : cases) {
    RawImage raw;
    raw.pixels = {0xFF0000FF, 0xFF00FF00};
    c.spoil(raw);
    try {
      Decode(raw.Compressed());
      ADD_FAILURE() << c.what << ": expected a read error, got an image";
    } catch (const pp::toolkit::EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message_part), std::string::npos)
          << c.what << ": expected a message with \"" << c.message_part << "\", got \"" << e.what() << "\"";
    }
  }
}

TEST(ImageFormat, BytesThatAreNoZlibStreamRaiseReadErrors) {
  RawImage raw;
  raw.pixels = {0xFF0000FF, 0xFF00FF00};
  std::vector<uint8_t> good = raw.Compressed();
  const std::vector<std::vector<uint8_t>> inputs = {
      {},
      {0x78},
      {'B', 'M', 0, 0, 0, 0},
      std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2),  // compressed stream cut short
      raw.Bytes(),                                                          // not compressed at all
  };
  for (size_t i = 0; i < inputs.size(); ++i)
    EXPECT_THROW(DecodeAlphaImage(inputs[i].data(), inputs[i].size()), pp::toolkit::EReadError) << "input " << i;
}

}  // namespace
