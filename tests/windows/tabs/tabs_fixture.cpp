#include "tabs_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "toolkit/application.h"

namespace pp::controls::testing {

using namespace toolkit;

namespace {

class TabsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setvbuf(stdout, nullptr, _IONBF, 0);
    Application().OnException = [](TComponent*, const std::exception* e) {
      HandledExceptions().push_back(e ? e->what() : "(unknown)");
    };
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TabsEnvironment);

}  // namespace

std::vector<std::string>& HandledExceptions() {
  static std::vector<std::string> list;
  return list;
}

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    Application().ProcessMessages();
    Sleep(1);
  }
}

void Click(TWinControl& c, int x, int y) {
  SendMessageA(c.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  SendMessageA(c.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(c.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Pump();
}

void PressKey(WPARAM vk, bool ctrl, bool shift) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  state[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(state);
  HWND focus = GetFocus();
  UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), 0);
  PostMessageA(focus, WM_KEYDOWN, vk, 1 | (scan << 16));
  PostMessageA(focus, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000);
  Pump();
  state[VK_CONTROL] = 0;
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
}

namespace {
// One form for the whole suite: hiding a top-level window costs Wine two seconds here (it waits
// for a window manager that Xvfb does not have), so the form stays and its contents go.
TForm* SharedForm() {
  static TForm* form = [] {
    auto* f = new TForm(nullptr);
    f->SetBorderStyle(bsNone);
    f->SetBounds(200, 200, 400, 300);
    f->Show();
    Pump();
    return f;
  }();
  return form;
}
}  // namespace

PageForm::PageForm(std::vector<std::string> captions, int width, int height, bool show) {
  form = SharedForm();
  form->Font().SetName("Tahoma");
  form->Font().SetHeight(-11);
  form->SetActiveControl(nullptr);
  pages = new TWinXPPageControl(form);
  pages->SetName("Pages");
  pages->SetBounds(8, 8, width, height);
  pages->SetParent(form);
  for (const std::string& c : captions) AddSheet(c);
  if (show) Pump();
}

PageForm::~PageForm() {
  while (form->ComponentCount() > 0) form->Components(form->ComponentCount() - 1)->Free();
  Pump();
}

TWinXPTabSheet* PageForm::AddSheet(const std::string& caption) {
  auto* sheet = new TWinXPTabSheet(form);
  sheet->SetCaption(caption);
  sheet->SetPageControl(pages);
  sheets.push_back(sheet);
  return sheet;
}

// ---- Dib

Dib::Dib(int w, int h) : width(w), height(h) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
  PatBlt(dc_, 0, 0, w, h, BLACKNESS);
}

Dib::~Dib() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

uint32_t Dib::Pixel(int x, int y) const {
  GdiFlush();
  return bits_[y * width + x] & 0xFFFFFF;
}

bool Dib::SameAs(const Dib& o, std::string* where) const {
  GdiFlush();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (Pixel(x, y) != o.Pixel(x, y)) {
        char buf[128];
        snprintf(buf, sizeof buf, "at (%d,%d): expected %06X, got %06X", x, y, Pixel(x, y), o.Pixel(x, y));
        *where = buf;
        return false;
      }
  return true;
}

namespace {

uint32_t Crc(const std::string& data) {
  uint32_t c = 0xFFFFFFFF;
  for (unsigned char b : data) {
    c ^= b;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
  }
  return ~c;
}

void Put32(std::string& s, uint32_t v) {
  for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Chunk(std::string& png, const char* type, const std::string& data) {
  Put32(png, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  png += body;
  Put32(png, Crc(body));
}

}  // namespace

// An RGB PNG with stored (uncompressed) deflate blocks: enough to look at a picture.
bool Dib::SavePng(const std::string& path) const {
  GdiFlush();
  std::string raw;
  for (int y = 0; y < height; ++y) {
    raw += '\0';
    for (int x = 0; x < width; ++x) {
      uint32_t p = Pixel(x, y);
      raw += static_cast<char>(p >> 16);
      raw += static_cast<char>(p >> 8);
      raw += static_cast<char>(p);
    }
  }
  std::string z = "\x78\x01";
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  for (size_t pos = 0; pos < raw.size() || pos == 0; pos += 65535) {
    const size_t n = std::min<size_t>(65535, raw.size() - pos);
    z += static_cast<char>(pos + n >= raw.size() ? 1 : 0);
    z += static_cast<char>(n & 0xFF);
    z += static_cast<char>(n >> 8);
    z += static_cast<char>(~n & 0xFF);
    z += static_cast<char>((~n >> 8) & 0xFF);
    z += raw.substr(pos, n);
    if (raw.empty()) break;
  }
  Put32(z, (b << 16) | a);
  std::string png = "\x89PNG\r\n\x1a\n";
  std::string ihdr;
  Put32(ihdr, width);
  Put32(ihdr, height);
  ihdr += std::string("\x08\x02\x00\x00\x00", 5);
  Chunk(png, "IHDR", ihdr);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", "");
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  fwrite(png.data(), 1, png.size(), f);
  fclose(f);
  return true;
}

}  // namespace pp::controls::testing
