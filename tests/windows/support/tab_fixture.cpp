#include "tab_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "looks.h"
#include "toolkit/application.h"

namespace pp::controls::tabtest {

using namespace toolkit;

std::vector<std::string>& HandledExceptions() {
  static std::vector<std::string> list;
  return list;
}

void RecordHandledExceptions() {
  setvbuf(stdout, nullptr, _IONBF, 0);  // a crash must not swallow the last lines
  pp::test::StartControlsForTests();
  Application().OnException = [](TComponent*, const std::exception* e) {
    HandledExceptions().push_back(e ? e->what() : "(unknown)");
  };
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

// ---- pictures

std::string FirstDifference(const gallery::Surface& a, const gallery::Surface& b) {
  GdiFlush();
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) {
        char buf[128];
        snprintf(buf, sizeof buf, "at (%d,%d): expected %06X, got %06X", x, y, a.Pixel(x, y), b.Pixel(x, y));
        return buf;
      }
  return {};
}

void CopyFromScreen(TWinControl& c, gallery::Surface& to) {
  RedrawWindow(c.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  HDC dc = GetDC(c.Handle());
  BitBlt(to.dc(), 0, 0, to.width(), to.height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(c.Handle(), dc);
}

void Print(TWinControl& c, gallery::Surface& to) {
  SendMessageA(c.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(to.dc()), PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
}

}  // namespace pp::controls::tabtest
