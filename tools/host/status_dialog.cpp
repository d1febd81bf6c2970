#include "status_dialog.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace host {

namespace {

// The enabled, visible top-level window of this thread that a modal dialog runs: every other
// one is disabled while it is shown.
BOOL CALLBACK TakeEnabledWindow(HWND wnd, LPARAM out) {
  if (!IsWindowVisible(wnd) || !IsWindowEnabled(wnd)) return TRUE;
  *reinterpret_cast<HWND*>(out) = wnd;
  return FALSE;
}

HWND FindModalDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &TakeEnabledWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct TextSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchText(HWND wnd, LPARAM p) {
  auto* s = reinterpret_cast<TextSearch*>(p);
  char buffer[128] = {};
  GetWindowTextA(wnd, buffer, sizeof buffer);
  if (lstrcmpA(buffer, s->text) != 0) return TRUE;
  s->found = wnd;
  return FALSE;
}

HWND FindChildByText(HWND parent, const char* text) {
  TextSearch search{text, nullptr};
  EnumChildWindows(parent, &MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

// The window as the screen shows it, frame included, as a bottom-up 24-bit BMP.
bool SaveWindow(HWND wnd, const std::string& path) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  RECT r;
  GetWindowRect(wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bitmap);
  // What the screen shows. Under Wine the frame is on the screen only when Wine draws it itself
  // (X11 Driver, Decorated = N: the demo sets that for host.exe).
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
  const DWORD image = stride * static_cast<DWORD>(h);
  BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof file + sizeof info.bmiHeader + image), 0, 0,
                           static_cast<DWORD>(sizeof file + sizeof info.bmiHeader)};
  bool ok = false;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    ok = std::fwrite(&file, sizeof file, 1, f) == 1 && std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f) == 1 &&
         std::fwrite(bits, image, 1, f) == 1;
    ok = std::fclose(f) == 0 && ok;
  }
  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}

IParallelPort* PortToShow(IParallelPortManager* manager) {
  IParallelPort* port = nullptr;
  if (SUCCEEDED(manager->GetActivePort(&port)) && port) return port;
  if (SUCCEEDED(manager->GetDefaultPort(&port)) && port) return port;
  return nullptr;
}

// What a timer does once the dialog's modal loop runs.
struct Capture {
  std::string path;
  const char* press_first;  // a button pressed before the picture, or nullptr
  WORD close_key;
  bool saved = false;
  bool seen = false;
};
Capture* g_capture = nullptr;

void CALLBACK CaptureTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  Capture& c = *g_capture;
  HWND dialog = FindModalDialog();
  if (!dialog) return;
  c.seen = true;
  SetForegroundWindow(dialog);
  if (c.press_first)
    if (HWND button = FindChildByText(dialog, c.press_first)) {
      SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
  // Let hot tracking and repaints settle: the mouse is moved away from the dialog first.
  SetCursorPos(0, 0);
  PumpFor(300);
  c.saved = SaveWindow(dialog, c.path);
  if (c.close_key == VK_RETURN) {
    if (HWND ok = FindChildByText(dialog, "OK")) {
      PostMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      PostMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
      return;
    }
  }
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  PostMessageA(GetFocus(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
}

int RunCaptured(Capture& capture, HRESULT (*show)(IParallelPortManager*, BYTE*), IParallelPortManager* manager) {
  g_capture = &capture;
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, &CaptureTimer);
  BYTE result = 0;
  const HRESULT status = show(manager, &result);
  KillTimer(nullptr, timer);
  g_capture = nullptr;
  if (!capture.seen) {
    std::printf("No dialog appeared (status 0x%08lX)\n", static_cast<unsigned long>(status));
    return 4;
  }
  if (!capture.saved) {
    std::printf("Could not save %s\n", capture.path.c_str());
    return 5;
  }
  std::printf("Saved %s\n", capture.path.c_str());
  return 0;
}

}  // namespace

int OpenStatusDialog(IParallelPortManager* manager) {
  IParallelPort* port = PortToShow(manager);
  if (!port) {
    std::printf("No port to show\n");
    return 4;
  }
  BYTE accepted = 0;
  const HRESULT status = port->ShowStatusDialog(&accepted);
  std::printf("ShowStatusDialog: status 0x%08lX, %s\n", static_cast<unsigned long>(status),
              accepted ? "closed with OK" : "closed without OK");
  return SUCCEEDED(status) ? 0 : 1;
}

int SaveStatusDialogPicture(IParallelPortManager* manager, const std::string& path) {
  Capture capture{path, "&Read and Update Display", VK_RETURN};
  return RunCaptured(
      capture,
      [](IParallelPortManager* m, BYTE* result) -> HRESULT {
        IParallelPort* port = PortToShow(m);
        return port ? port->ShowStatusDialog(result) : E_UNEXPECTED;
      },
      manager);
}

int SaveNoticePicture(IParallelPortManager* manager, const std::string& path) {
  Capture capture{path, nullptr, VK_ESCAPE};
  return RunCaptured(
      capture, [](IParallelPortManager* m, BYTE* result) -> HRESULT { return m->Start(result); }, manager);
}

}  // namespace host
