#include "toolkit/bitmap.h"

#include <cstring>
#include <optional>

#include "toolkit/errors.h"

namespace pp::toolkit {

// The canvas of a bitmap: a memory DC made on first drawing with the bitmap selected into it,
// let go again whenever someone takes the bitmap's handle.
class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap& owner) : owner_(owner) {}
  ~BitmapCanvas() override { Free(); }
  void Free() {
    SetHandle(nullptr);
    selection_.reset();
    dc_.reset();
  }

 protected:
  void CreateHandle() override {
    ClientDC screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    if (!dc_) Raise(EOutOfResources("Out of system resources (DC)"));
    if (!owner_.handle_) owner_.Recreate(owner_.width_, owner_.height_, owner_.format_);
    if (owner_.handle_) selection_.emplace(dc_.get(), owner_.handle_.get());
    SetHandle(dc_.get());
  }

 private:
  TBitmap& owner_;
  UniqueMemoryDC dc_;
  std::optional<SelectedObject> selection_;  // destroyed before dc_
};

TBitmap::TBitmap() : canvas_(std::make_unique<BitmapCanvas>(*this)) {}

TBitmap::~TBitmap() { canvas_.reset(); }

void TBitmap::Recreate(int width, int height, TPixelFormat format) {
  canvas_->Free();
  handle_.reset();
  bits_ = nullptr;
  width_ = width;
  height_ = height;
  format_ = format;
  if (width <= 0 || height <= 0) return;
  ClientDC screen(nullptr);
  if (format == pfDevice) {
    handle_.reset(CreateCompatibleBitmap(screen.get(), width, height));
  } else {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = format == pf32bit ? 32 : 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    handle_.reset(CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<uint8_t*>(bits);
    stride_ = ((width * bi.bmiHeader.biBitCount + 31) / 32) * 4;
  }
  if (!handle_) Raise(EOutOfResources("Out of system resources (bitmap)"));
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  Recreate(width, height, format_);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  Recreate(width_, height_, format);
}

TColor TBitmap::TransparentColor() {
  if (transparent_mode_ == tmFixed && transparent_color_ != clDefault) return transparent_color_;
  if (Empty()) return clDefault;
  return Canvas().Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor c) {
  transparent_color_ = c;
  transparent_mode_ = c == clDefault ? tmAuto : tmFixed;
}

TCanvas& TBitmap::Canvas() { return *canvas_; }

HBITMAP TBitmap::Handle() {
  canvas_->Free();
  return handle_.get();
}

void TBitmap::SetHandle(HBITMAP bitmap) {
  canvas_->Free();
  handle_.reset(bitmap);
  bits_ = nullptr;
  width_ = height_ = 0;
  format_ = pfDevice;
  DIBSECTION ds{};
  if (!bitmap) return;
  if (GetObject(bitmap, sizeof ds, &ds) == sizeof ds) {
    width_ = ds.dsBm.bmWidth;
    height_ = std::abs(ds.dsBm.bmHeight);
    format_ = ds.dsBm.bmBitsPixel == 32 ? pf32bit : ds.dsBm.bmBitsPixel == 24 ? pf24bit : pfDevice;
    // A bottom-up DIB's rows are not where ScanLine expects them; only top-down ones are reached.
    bits_ = ds.dsBmih.biHeight < 0 ? static_cast<uint8_t*>(ds.dsBm.bmBits) : nullptr;
    stride_ = ds.dsBm.bmWidthBytes;
  } else {
    BITMAP bm{};
    GetObject(bitmap, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = bm.bmHeight;
  }
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  HBITMAP b = static_cast<HBITMAP>(LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!b) Raise(EResNotFound::Named(name));
  SetHandle(b);
}

void TBitmap::Assign(TBitmap& other) {
  if (&other == this) return;
  Recreate(other.width_, other.height_, other.format_);
  transparent_ = other.transparent_;
  transparent_mode_ = other.transparent_mode_;
  transparent_color_ = other.transparent_color_;
  if (Empty()) return;
  BitBlt(Canvas().Handle(), 0, 0, width_, height_, other.Canvas().Handle(), 0, 0, SRCCOPY);
}

uint8_t* TBitmap::ScanLine(int row) {
  if (!bits_ || row < 0 || row >= height_) return nullptr;
  GdiFlush();  // drawing through the canvas may still be queued
  return bits_ + static_cast<size_t>(row) * stride_;
}

// ---- TIcon

void TIcon::SetHandle(HICON icon) {
  handle_.reset(icon);
  shared_ = nullptr;
  width_ = height_ = 0;
  ICONINFO ii{};
  if (icon && GetIconInfo(icon, &ii)) {
    BITMAP bm{};
    GetObject(ii.hbmMask, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    if (ii.hbmMask) DeleteObject(ii.hbmMask);
  }
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name, int size) {
  HICON icon = static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, size, size, 0));
  if (!icon) Raise(EResNotFound::Named(name));
  SetHandle(icon);
}

void TIcon::LoadSystemIcon(LPCSTR id) {
  handle_.reset();
  shared_ = LoadIconA(nullptr, id);
  width_ = GetSystemMetrics(SM_CXICON);
  height_ = GetSystemMetrics(SM_CYICON);
}

void TIcon::Draw(HDC dc, int x, int y) const {
  if (HICON icon = Handle() ? Handle() : shared_) DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

// ---- TImageList

TImageList::TImageList(int width, int height) : width_(width), height_(height) {
  handle_.reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4));
  if (!handle_) Raise(EOutOfResources("Out of system resources (image list)"));
}

int TImageList::Count() const { return ImageList_GetImageCount(handle_.get()); }

int TImageList::AddMasked(TBitmap& bitmap, TColor mask_color) {
  if (bitmap.Empty()) return -1;
  // The image list needs a device-format bitmap that no DC holds.
  TBitmap copy;
  copy.SetSize(bitmap.Width(), bitmap.Height());
  BitBlt(copy.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  int first = ImageList_AddMasked(handle_.get(), copy.Handle(), ColorToRGB(mask_color));
  if (first < 0) Raise(EOutOfResources("Out of system resources (image list)"));
  return first;
}

void TImageList::Clear() { ImageList_Remove(handle_.get(), -1); }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count()) Raise(EListError::IndexOutOfBounds(index));
  ImageList_DrawEx(handle_.get(), index, canvas.Handle(), x, y, 0, 0, CLR_NONE, CLR_NONE,
                   enabled ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
}

}  // namespace pp::toolkit
