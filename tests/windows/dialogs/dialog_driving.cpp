#include "dialog_driving.h"

namespace pp::dialogs::testing {

namespace {
std::function<void()> g_script;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_script) std::exchange(g_script, nullptr)();
}
void CALLBACK LimitTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  for (int i = 0; i < toolkit::Screen().FormCount(); ++i) {
    toolkit::TCustomForm* f = toolkit::Screen().Forms(i);
    if (f->FormState().Contains(toolkit::fsModal)) f->SetModalResult(-1);
  }
}
}  // namespace

void RunWhileShown(const std::function<void()>& show, std::function<void()> script, int limit_ms) {
  g_script = std::move(script);
  const UINT_PTR start = SetTimer(nullptr, 0, 20, &ScriptTimer);
  const UINT_PTR limit = SetTimer(nullptr, 0, static_cast<UINT>(limit_ms), &LimitTimer);
  show();
  KillTimer(nullptr, start);
  KillTimer(nullptr, limit);
  g_script = nullptr;
}

void Click(HWND wnd) {
  SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

void PostKey(WORD vk) {
  HWND focus = GetFocus();
  const UINT scan = MapVirtualKeyA(vk, 0);
  PostMessageA(focus, WM_KEYDOWN, vk, 1 | (scan << 16));
  PostMessageA(focus, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
}

}  // namespace pp::dialogs::testing
