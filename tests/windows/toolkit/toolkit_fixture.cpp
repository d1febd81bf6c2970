#include "toolkit_fixture.h"

#include <gtest/gtest.h>

#include "toolkit/errors.h"

namespace pp::toolkit::testing {

namespace {

// Every exception that escapes a handler is recorded instead of shown in a message box.
class ToolkitEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application().OnException = [](TComponent*, const std::exception* e) {
      HandledExceptions().push_back(e ? e->what() : "(unknown)");
    };
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

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

void SetKeyDown(int vk, bool down) {
  BYTE state[256];
  GetKeyboardState(state);
  state[vk] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

void PressKey(WPARAM vk) {
  HWND focus = GetFocus();
  UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), 0);
  PostMessageA(focus, WM_KEYDOWN, vk, 1 | (scan << 16));
  PostMessageA(focus, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000);
  Pump();
}

// ---- Probe

Probe::Probe(TComponent* owner, const char* name) : TCustomControl(owner) {
  SetName(name);
  SetTabStop(true);
  SetBounds(0, 0, 40, 20);
}

int Probe::Count(UINT msg) const {
  int n = 0;
  for (UINT m : notices) n += m == msg;
  return n;
}

void Probe::Dispatch(TMessage& m) {
  if (m.Msg >= CM_BASE && m.Msg < CN_BASE) notices.push_back(m.Msg);
  if (m.Msg == CM_FOCUSCHANGED) focus_notices.push_back(m.LParam);
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = dialog_code;
    return;
  }
  if (m.Msg == WM_KEYDOWN) keys.push_back(m.WParam);
  TCustomControl::Dispatch(m);
}

void Probe::Click() {
  ++clicks;
  TCustomControl::Click();
}

static void PaintPattern(TCanvas& c, int w, int h) {
  c.Brush().SetColor(clRed);
  c.FillRect(RECT{0, 0, w / 2, h});
  c.Brush().SetColor(clBlue);
  c.FillRect(RECT{w / 2, 0, w, h});
  c.Brush().SetColor(clLime);
  c.FillRect(RECT{2, 2, 6, 6});
}

void Probe::Paint() {
  ++paints;
  PaintPattern(Canvas(), Width(), Height());
}

GraphicProbe::GraphicProbe(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 30, 16); }

void GraphicProbe::Click() {
  ++clicks;
  TGraphicControl::Click();
}

void GraphicProbe::Dispatch(TMessage& m) {
  if (m.Msg >= CM_BASE && m.Msg < CN_BASE) notices.push_back(m.Msg);
  TGraphicControl::Dispatch(m);
}

void GraphicProbe::Paint() { PaintPattern(Canvas(), Width(), Height()); }

void RecordingForm::Dispatch(TMessage& m) {
  if (m.Msg == CM_CHILDKEY) child_keys.emplace_back(m.WParam, m.LParam);
  TForm::Dispatch(m);
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

}  // namespace pp::toolkit::testing
