// An icon as the pixels it draws on a white 32 x 32 square, to tell which icon a picture shows
// (the toolkit keeps a system icon's shared handle to itself).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "toolkit/bitmap.h"

namespace pp::dialogs::testing {

template <class Draw>
std::vector<uint32_t> DrawnPixels(Draw draw) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, 32, 32, WHITENESS);
  draw(dc);
  GdiFlush();
  std::vector<uint32_t> pixels(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + 32 * 32);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

inline std::vector<uint32_t> IconPixels(const toolkit::TIcon& icon) {
  return DrawnPixels([&](HDC dc) { icon.Draw(dc, 0, 0); });
}
inline std::vector<uint32_t> SystemIconPixels(LPCSTR id) {
  return DrawnPixels([&](HDC dc) { DrawIconEx(dc, 0, 0, LoadIconA(nullptr, id), 0, 0, 0, nullptr, DI_NORMAL); });
}

}  // namespace pp::dialogs::testing
