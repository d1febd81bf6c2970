#include "buttons_support.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "looks.h"
#include "toolkit/application.h"

namespace pp::controls::testing {

using namespace toolkit;

namespace {

std::vector<std::function<void()>> g_steps;
size_t g_next_step = 0;
UINT_PTR g_step_timer = 0;
TCustomForm* g_modal_form = nullptr;

void CALLBACK StepTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_next_step >= g_steps.size()) {
    KillTimer(nullptr, id);
    g_step_timer = 0;
    return;
  }
  auto step = g_steps[g_next_step++];
  step();
}

void CALLBACK LimitTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_modal_form && g_modal_form->FormState().Contains(fsModal)) {
    ADD_FAILURE() << "modal loop still running at the time limit";
    g_modal_form->SetModalResult(-1);
  }
}

LPARAM KeyData(WPARAM vk, bool down) {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), 0);
  return 1 | (scan << 16) | (down ? 0 : 0xC0000000);
}

}  // namespace

void StartButtonTests() {
  static bool started = false;
  if (started) return;
  started = true;
  setvbuf(stdout, nullptr, _IONBF, 0);
  pp::test::StartControlsForTests();
  Application().OnException = [](TComponent*, const std::exception* e) {
    ADD_FAILURE() << "exception reached the application: " << (e ? e->what() : "(unknown)");
  };
}

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    Application().ProcessMessages();
    Sleep(1);
  }
}

TModalResult RunModal(TCustomForm& form, std::vector<std::function<void()>> steps, int limit_ms) {
  g_steps = std::move(steps);
  g_next_step = 0;
  g_modal_form = &form;
  g_step_timer = SetTimer(nullptr, 0, 20, &StepTimer);
  UINT_PTR limit = SetTimer(nullptr, 0, limit_ms, &LimitTimer);
  TModalResult r = form.ShowModal();
  KillTimer(nullptr, limit);
  if (g_step_timer) KillTimer(nullptr, g_step_timer);
  g_step_timer = 0;
  g_modal_form = nullptr;
  g_steps.clear();
  return r;
}

void MouseDown(HWND wnd, int x, int y) { SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
void MouseUp(HWND wnd, int x, int y) {
  // The release goes where the capture is, in that window's coordinates.
  HWND target = GetCapture() ? GetCapture() : wnd;
  POINT p{x, y};
  MapWindowPoints(wnd, target, &p, 1);
  SendMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}
void MouseMove(HWND wnd, int x, int y, bool button_down) {
  HWND target = GetCapture() ? GetCapture() : wnd;
  POINT p{x, y};
  MapWindowPoints(wnd, target, &p, 1);
  SendMessageA(target, WM_MOUSEMOVE, button_down ? MK_LBUTTON : 0, MAKELPARAM(p.x, p.y));
}

void PostKey(WPARAM vk, bool down) {
  PostMessageA(GetFocus(), down ? WM_KEYDOWN : WM_KEYUP, vk, KeyData(vk, down));
  Pump();
}

void PressKey(WPARAM vk) {
  PostKey(vk, true);
  PostKey(vk, false);
}

void PressAltChar(char ch) {
  const WPARAM vk = static_cast<WPARAM>(VkKeyScanA(ch) & 0xFF);
  HWND focus = GetFocus();
  const LPARAM alt = 0x20000000;
  // The loop's TranslateMessage makes the WM_SYSCHAR of the key press, as for a real key.
  PostMessageA(focus, WM_SYSKEYDOWN, vk, KeyData(vk, true) | alt);
  PostMessageA(focus, WM_SYSKEYUP, vk, KeyData(vk, false) | alt);
  Pump();
}

// ---- Dib

Dib::Dib(int w, int h) : width(w), height(h) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
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

void Dib::Fill(uint32_t rgb) {
  GdiFlush();
  for (int i = 0; i < width * height; ++i) bits_[i] = rgb;
}

std::string Dib::Difference(const Dib& other, RECT a) const {
  GdiFlush();
  for (int y = a.top; y < a.bottom; ++y)
    for (int x = a.left; x < a.right; ++x)
      if (Pixel(x, y) != other.Pixel(x, y)) {
        char text[96];
        snprintf(text, sizeof text, "at (%d, %d): expected %06X, got %06X", x, y, static_cast<unsigned>(other.Pixel(x, y)),
                 static_cast<unsigned>(Pixel(x, y)));
        return text;
      }
  return {};
}

void PrintInto(Dib& dib, TWinControl& control) {
  SendMessageA(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT);
}

// ---- the form

void ButtonFormFixture::Build() {
  StartButtonTests();
  form.reset(new TForm(nullptr));
  form->SetBorderStyle(bsDialog);
  form->SetBounds(100, 100, 320, 160);
  ok = new TXPBitBtn(form.get());
  ok->SetCaption("OK");
  ok->SetBounds(10, 90, 75, 26);
  ok->SetDefault(true);
  ok->SetCancel(true);
  ok->SetModalResult(mrOk);
  ok->SetParent(form.get());
  ok->OnClick = [this](TComponent*) { ++ok_clicks; };
  read = new TXPBitBtn(form.get());
  read->SetCaption("&Read");
  read->SetBounds(100, 90, 100, 26);
  read->SetParent(form.get());
  read->OnClick = [this](TComponent*) { ++read_clicks; };
  box = new TXPCheckBox(form.get());
  box->SetCaption("&Tick");
  box->SetBounds(10, 10, 120, 17);
  box->SetParent(form.get());
  box->OnClick = [this](TComponent*) { ++box_clicks; };
  foreign = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 150, 10, 100, 22,
                            form->Handle(), nullptr, nullptr, nullptr);
}

void ButtonFormFixture::Focus(HWND wnd) {
  SetFocus(wnd);
  Pump(1);
}

}  // namespace pp::controls::testing
