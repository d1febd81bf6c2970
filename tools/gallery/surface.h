// A picture to draw into with GDI and read back: a top-down 32-bit DIB section selected into a
// memory DC. Used by the gallery and by the Windows tests that compare pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace pp::gallery {

// A top-down 32-bit DIB section selected into a memory DC, filled with `background`.
class Surface {
 public:
  Surface(int width, int height, COLORREF background = RGB(255, 255, 255));
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  uint32_t Pixel(int x, int y) const { return bits_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF; }
  uint32_t* Bits() const { return bits_; }  // top row first, 0xAARRGGBB
  void Fill(COLORREF color);
  bool Save(const std::string& path) const;  // as PNG

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_;
};

}  // namespace pp::gallery
