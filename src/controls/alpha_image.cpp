#include "controls/alpha_image.h"

#include <cstring>

#include "base/errors.h"
#include "controls/image_format.h"
#include "toolkit/errors.h"

namespace pp::controls {

using namespace pp::toolkit;

namespace {

void AnchorFunction() {}

std::string LastErrorText() {
  const DWORD code = GetLastError();
  if (code == 0) return "Out of system resources";
  char* text = nullptr;
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = n && text ? std::string(text, n) : "Out of system resources";
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message;
}

}  // namespace

HMODULE ImageResourceModule() noexcept {
  // VirtualQuery on one of our own functions names the module this code was linked into (the
  // address's allocation base), on every Windows version.
  static HMODULE module = [] {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<const void*>(&AnchorFunction), &info, sizeof info);
    return static_cast<HMODULE>(info.AllocationBase);
  }();
  return module;
}

TAlphaImage::TAlphaImage(const std::string& name) : name_(name) {
  HMODULE module = ImageResourceModule();
  HRSRC res = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!res) Raise(EResNotFound::Named(name));
  HGLOBAL loaded = LoadResource(module, res);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) Raise(EResNotFound::Named(name));
  Load(static_cast<const uint8_t*>(data), SizeofResource(module, res));
}

TAlphaImage::TAlphaImage(const std::string& name, const uint8_t* data, size_t size) : name_(name) { Load(data, size); }

void TAlphaImage::Load(const uint8_t* data, size_t size) {
  DecodedImage image = DecodeAlphaImage(data, size);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.Width;
  info.bmiHeader.biHeight = image.Height;  // bottom-up, as stored
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  SetLastError(0);
  ClientDC screen(nullptr);
  bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) Raise(EOutOfResources(LastErrorText()));
  std::memcpy(bits, image.Pixels.data(), image.Pixels.size() * 4);
  bits_ = static_cast<uint32_t*>(bits);
  width_ = image.Width;
  height_ = image.Height;
}

}  // namespace pp::controls
