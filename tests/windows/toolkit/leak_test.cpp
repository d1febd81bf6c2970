// Nothing leaks: a form with controls, made, drawn and freed 1,000 times, leaves the process's
// GDI and USER object counts where they were.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "toolkit/message_dialog.h"
#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

struct Counts {
  long gdi;
  long user;
};

// Live GDI objects as Wine keeps them: Wine's GetGuiResources answers nothing, but its
// per-process handle table is where Windows has one, at the PEB's GdiSharedHandleTable
// (entries of 24 bytes; a type byte of 0 marks a free entry).
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
  // The thread's input-method window comes with its first window and stays; it is not ours.
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "IME") == 0) return TRUE;
  ++*reinterpret_cast<long*>(data);
  EnumChildWindows(w, &CountChild, data);
  return TRUE;
}

Counts Measure() {
  Counts c{static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)),
           static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))};
  if (c.gdi == 0 && c.user == 0) {
    c.gdi = WineGdiObjects();
    c.user = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&c.user));
  }
  return c;
}

// A form like the dialogs: windowed, custom-drawn (buffered), window-less and picture
// controls, drawn once through the paint path.
void MakeDrawAndFree() {
  Owned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 200, 120);
  auto* probe = new Probe(form.get(), "Probe");
  probe->SetDoubleBuffered(true);
  probe->SetParent(form.get());
  probe->Font().SetName("Tahoma");
  auto* button = new TButton(form.get());
  button->SetCaption("&OK");
  button->SetBounds(10, 60, 75, 25);
  button->SetParent(form.get());
  auto* label = new TLabel(form.get());
  label->SetCaption("Label");
  label->SetParent(probe);
  auto* image = new TImage(form.get());
  image->Icon().LoadSystemIcon(IDI_ASTERISK);
  image->SetAutoSize(true);
  image->SetParent(form.get());
  form->HandleNeeded();
  button->Handle();
  Dib dib(200, 120);
  SendMessageA(form->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT | PRF_ERASEBKGND);
  SendMessageA(probe->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT | PRF_ERASEBKGND);
  RedrawWindow(probe->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST(Leaks, ThousandFormsLeaveGdiAndUserCountsWhereTheyWere) {
  MakeDrawAndFree();  // classes registered, system caches filled
  Pump();
  const Counts before = Measure();
  ASSERT_GT(before.gdi, 0) << "expected a way to count GDI objects";
  for (int i = 0; i < 1000; ++i) MakeDrawAndFree();
  Pump();
  const Counts after = Measure();
  printf("GDI objects %ld -> %ld, USER objects %ld -> %ld over 1000 forms\n", before.gdi, after.gdi, before.user,
         after.user);
  EXPECT_EQ(after.gdi, before.gdi) << "GDI objects: expected " << before.gdi << ", got " << after.gdi;
  EXPECT_EQ(after.user, before.user) << "USER objects: expected " << before.user << ", got " << after.user;
}

// The same measure sees a leak when there is one, or the test above would prove nothing.
TEST(Leaks, TheMeasureSeesALeakedObject) {
  const Counts before = Measure();
  HBRUSH leaked = CreateSolidBrush(RGB(1, 2, 3));
  HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const Counts after = Measure();
  EXPECT_EQ(after.gdi, before.gdi + 1);
  EXPECT_EQ(after.user, before.user + 1);
  DeleteObject(leaked);
  DestroyWindow(window);
}

TEST(Leaks, ShownMessageDialogsAreFreedWhole) {
  auto show_once = [] {
    Owned<TMessageForm> dialog(CreateMessageDialog("Line one\nLine two", mtConfirmation, {mbYes, mbNo, mbCancel}));
    RunModal(*dialog, [&] { PostMessageA(dialog->ButtonFor(mbNo)->Handle(), BM_CLICK, 0, 0); });
  };
  show_once();  // the system's first-use caches
  Pump();
  const Counts before = Measure();
  for (int i = 0; i < 3; ++i) {
    Owned<TMessageForm> dialog(CreateMessageDialog("Line one\nLine two", mtConfirmation, {mbYes, mbNo, mbCancel}));
    RunModal(*dialog, [&] { PostMessageA(dialog->ButtonFor(mbNo)->Handle(), BM_CLICK, 0, 0); });
  }
  Pump();
  const Counts after = Measure();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}

}  // namespace
}  // namespace pp::toolkit::testing
