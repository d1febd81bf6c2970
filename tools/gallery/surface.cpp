#include "surface.h"

#include <vector>

#include "png_writer.h"

namespace pp::gallery {

Surface::Surface(int width, int height, COLORREF background) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
  Fill(background);
}

void Surface::Fill(COLORREF color) {
  RECT all{0, 0, width_, height_};
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

Surface::~Surface() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

bool Surface::Save(const std::string& path) const {
  GdiFlush();
  std::vector<uint32_t> pixels(bits_, bits_ + static_cast<size_t>(width_) * height_);
  return WritePng(path, width_, height_, pixels, true);
}

}  // namespace pp::gallery
