// The generated images: listed sizes and frame counts, opaque where they are copied, every
// state telling itself apart, and glyph bitmaps in the 4-bit format the buttons load.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "controls/image_catalog.h"
#include "controls/image_format.h"
#include "images.h"

namespace {

using namespace pp::controls;
using pp::imagegen::DrawImage;

std::vector<uint32_t> FramePixels(const std::vector<uint32_t>& all, int width, int frame_height, int frame) {
  return std::vector<uint32_t>(all.begin() + static_cast<long>(frame) * frame_height * width,
                               all.begin() + static_cast<long>(frame + 1) * frame_height * width);
}

TEST(GeneratedImages, HaveTheListedSizesAndEveryFrameDiffers) {
  std::set<std::string> names;
  for (const ImageEntry& e : kCompressedImages) {
    SCOPED_TRACE(e.Name);
    EXPECT_TRUE(names.insert(e.Name).second) << "listed twice";
    ASSERT_EQ(e.Height % e.Frames, 0);
    const auto raster = DrawImage(e);
    ASSERT_EQ(raster.Width(), e.Width);
    ASSERT_EQ(raster.Height(), e.Height);
    const std::vector<uint32_t> px = raster.Pixels();
    const int fh = e.Height / e.Frames;
    std::set<std::vector<uint32_t>> frames;
    for (int f = 0; f < e.Frames; ++f) {
      const std::vector<uint32_t> frame = FramePixels(px, e.Width, fh, f);
      EXPECT_TRUE(frames.insert(frame).second) << "frame " << f << " repeats an earlier frame";
      bool any_visible = false;
      for (uint32_t p : frame) any_visible |= (p >> 24) != 0;
      EXPECT_TRUE(any_visible) << "frame " << f << " is empty";
    }
    if (!e.Alpha) {
      for (uint32_t p : px) ASSERT_EQ(p >> 24, 0xFFu) << "a copied (opaque) image has a transparent pixel";
    }
    // Through the resource format and back.
    const std::vector<uint8_t> bytes = EncodeAlphaImage(e.Width, e.Height, px);
    const DecodedImage decoded = DecodeAlphaImage(bytes.data(), bytes.size());
    EXPECT_EQ(decoded.Width, e.Width);
    EXPECT_EQ(decoded.Height, e.Height);
  }
  EXPECT_EQ(names.size(), 18u);
}

TEST(GeneratedImages, StatesThatMatterAreFarApart) {
  // Hot and pressed must be told from normal at a glance, not by one pixel: count the pixels
  // that differ clearly (any channel by more than 24).
  auto clearly_different = [](const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i)
      for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF)) > 24) {
          ++n;
          break;
        }
    return n;
  };
  for (const ImageEntry& e : kCompressedImages) {
    if (e.Frames < 2) continue;
    SCOPED_TRACE(e.Name);
    const std::vector<uint32_t> px = DrawImage(e).Pixels();
    const int fh = e.Height / e.Frames;
    const std::vector<uint32_t> normal = FramePixels(px, e.Width, fh, 0);
    for (int f = 1; f < e.Frames; ++f)
      EXPECT_GE(clearly_different(normal, FramePixels(px, e.Width, fh, f)), e.Width * fh / 20)
          << "frame " << f << " looks too much like frame 0";
  }
}

TEST(GeneratedGlyphs, AreFourBitBitmapsOfTwoCells) {
  for (const GlyphEntry& g : kButtonGlyphs) {
    SCOPED_TRACE(g.Name);
    const std::vector<uint8_t> bmp = pp::imagegen::DrawGlyphBitmap(g);
    ASSERT_GE(bmp.size(), 14u + 40u + 64u);
    ASSERT_EQ(bmp[0], 'B');
    ASSERT_EQ(bmp[1], 'M');
    int32_t w, h;
    uint16_t bits;
    uint32_t offset;
    std::memcpy(&offset, &bmp[10], 4);
    std::memcpy(&w, &bmp[18], 4);
    std::memcpy(&h, &bmp[22], 4);
    std::memcpy(&bits, &bmp[28], 2);
    EXPECT_EQ(w, g.Width);
    EXPECT_EQ(h, g.Height);
    EXPECT_EQ(bits, 4);
    const size_t row = ((g.Width * 4 + 31) / 32) * 4;
    ASSERT_EQ(bmp.size(), offset + row * g.Height);
    // Bottom-left (the first stored row's first pixel) is the background; the two cells differ.
    auto pixel = [&](int x, int y) {  // y from the top
      const uint8_t byte = bmp[offset + (g.Height - 1 - y) * row + x / 2];
      return x % 2 == 0 ? byte >> 4 : byte & 0xF;
    };
    const int key = pixel(0, g.Height - 1);
    int normal = 0, disabled = 0, same = 0;
    for (int y = 0; y < g.Height; ++y)
      for (int x = 0; x < g.Width / 2; ++x) {
        normal += pixel(x, y) != key;
        disabled += pixel(x + g.Width / 2, y) != key;
        same += pixel(x, y) == pixel(x + g.Width / 2, y);
      }
    EXPECT_GT(normal, 10) << "expected a visible normal glyph";
    EXPECT_GT(disabled, 10) << "expected a visible disabled glyph";
    EXPECT_LT(same, g.Width / 2 * g.Height) << "expected the disabled cell to differ";
  }
}

}  // namespace
