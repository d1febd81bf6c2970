// An image with an alpha channel, loaded from one of the plug-in's compressed RCDATA resources
// into a premultiplied 32-bit DIB section, ready for AlphaBlend.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/geometry.h"
#include "toolkit/handles.h"

namespace pp::controls {

class TAlphaImage {
 public:
  // Loads the RCDATA resource `name` of the plug-in's own module. Raises EResNotFound for a
  // missing resource, EReadError for a malformed one, EOutOfResources when no bitmap is made.
  explicit TAlphaImage(const std::string& name);
  // The same from bytes already in memory (tests, the gallery).
  TAlphaImage(const std::string& name, const uint8_t* data, size_t size);
  TAlphaImage(const TAlphaImage&) = delete;
  TAlphaImage& operator=(const TAlphaImage&) = delete;

  const std::string& ResourceName() const { return name_; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  // The first pixel as stored (the bottom row: the section is bottom-up), premultiplied BGRA.
  uint32_t* Bits() const { return bits_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Frame `index` of an image of `count` equal frames stacked from the top.
  IRect Frame(int index, int count) const { return {0, index * (height_ / count), width_, (index + 1) * (height_ / count)}; }

 private:
  void Load(const uint8_t* data, size_t size);

  std::string name_;
  toolkit::UniqueBitmap bitmap_;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The module whose resources TAlphaImage(name) reads: the plug-in itself (its code is linked
// into test executables too, where it is the executable).
HMODULE ImageResourceModule() noexcept;

}  // namespace pp::controls
