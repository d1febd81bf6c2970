#include "dialog_bench_support.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>

namespace bench {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

namespace {

// Wine's GetGuiResources answers 0; its per-process GDI handle table sits where Windows keeps
// one, at the PEB's GdiSharedHandleTable (24-byte entries, type byte 0 for a free one).
long WineGdiObjects() {
  const uint8_t* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));  // the TEB's ProcessEnvironmentBlock
  auto* table = *reinterpret_cast<const uint8_t* const*>(peb + 0x94);
  if (!table) return -1;
  long live = 0;
  for (int i = 0; i < 0x4000; ++i) live += table[i * 24 + 14] != 0;
  return live;
}

BOOL CALLBACK CountChild(HWND, LPARAM data) {
  ++*reinterpret_cast<long*>(data);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND w, LPARAM data) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "IME") == 0) return TRUE;  // comes with the thread's first window and stays
  ++*reinterpret_cast<long*>(data);
  EnumChildWindows(w, &CountChild, data);
  return TRUE;
}

}  // namespace

Counts Measure() {
  Counts c{static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)), 0, 0};
  if (c.gdi == 0) c.gdi = WineGdiObjects();
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&c.windows));
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    // Wine leaves PrivateUsage at 0; its commit charge (PagefileUsage) counts the same pages.
    c.private_kib = static_cast<double>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage) / 1024.0;
  return c;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace bench
