// Bitmaps, icons and image lists.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/canvas.h"
#include "toolkit/handles.h"

namespace pp::toolkit {

enum TPixelFormat { pfDevice, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

// A bitmap with a canvas. pf32bit and pf24bit bitmaps are top-down DIB sections whose rows
// ScanLine reaches directly; pfDevice is a screen-compatible bitmap.
class TBitmap {
 public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height);
  void SetWidth(int w) { SetSize(w, height_); }
  void SetHeight(int h) { SetSize(width_, h); }
  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format);
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Transparency: in tmAuto the colour is the bottom-left pixel, in tmFixed the one given.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on) { transparent_ = on; }
  TTransparentMode TransparentMode() const { return transparent_mode_; }
  void SetTransparentMode(TTransparentMode m) { transparent_mode_ = m; }
  TColor TransparentColor();
  void SetTransparentColor(TColor c);

  TCanvas& Canvas();
  // The bitmap handle, deselected from the canvas's DC so that it can be used elsewhere.
  HBITMAP Handle();
  // Takes ownership of a bitmap handle (a DIB section keeps its format).
  void SetHandle(HBITMAP bitmap);
  void LoadFromResourceName(HINSTANCE instance, const std::string& name);
  void Assign(TBitmap& other);
  // A row of pixels of a DIB section (B, G, R[, A] bytes); nullptr for pfDevice.
  uint8_t* ScanLine(int row);

 private:
  class BitmapCanvas;
  void Recreate(int width, int height, TPixelFormat format);

  int width_ = 0, height_ = 0;
  TPixelFormat format_ = pfDevice;
  bool transparent_ = false;
  TTransparentMode transparent_mode_ = tmAuto;
  TColor transparent_color_ = clDefault;
  uint8_t* bits_ = nullptr;
  int stride_ = 0;
  UniqueBitmap handle_;
  std::unique_ptr<BitmapCanvas> canvas_;
};

class TIcon {
 public:
  TIcon() = default;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  HICON Handle() const { return handle_.get() ? handle_.get() : shared_; }  // owned, or a system icon
  void SetHandle(HICON icon);  // takes ownership
  void LoadFromResourceName(HINSTANCE instance, const std::string& name, int size = 0);
  // A system icon (IDI_*): shared, never destroyed.
  void LoadSystemIcon(LPCSTR id);
  bool Empty() const { return Handle() == nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Draw(HDC dc, int x, int y) const;

 private:
  UniqueIcon handle_;
  HICON shared_ = nullptr;
  int width_ = 0, height_ = 0;
};

// Equal-sized cells, each drawn through its mask.
class TImageList {
 public:
  TImageList(int width, int height);
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;
  // Cuts `bitmap` into cells; pixels of `mask_color` become transparent. Answers the first index.
  int AddMasked(TBitmap& bitmap, TColor mask_color);
  void Clear();
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  HIMAGELIST Handle() const { return handle_.get(); }

 private:
  int width_, height_;
  UniqueImageList handle_;
};

}  // namespace pp::toolkit
