// Create, show and first paint of the Status/Control dialog against a plain dialog made from a
// dialog template with the same 24 native check boxes and 2 push buttons, in one run: medians
// of repeated rounds, and their ratio. Run from the install folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "dialog_bench_support.h"
#include "dialogs/status_control_form.h"
#include "plugin/manager.h"

namespace {

constexpr int kRounds = 7;
constexpr int kPerRound = 10;

// An in-memory DLGTEMPLATE: the dialog's frame, font and size, then each control's item.
class Template {
 public:
  Template(const char* caption, short cx, short cy, int items) {
    Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    Dword(0);
    Word(static_cast<WORD>(items));
    Word(0), Word(0), Word(static_cast<WORD>(cx)), Word(static_cast<WORD>(cy));
    Word(0), Word(0);  // no menu, the dialog class
    Text(caption);
    Word(8);
    Text("MS Sans Serif");
  }
  void Item(const char* text, DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls) {
    while (data_.size() % 2) data_.push_back(0);  // items start on a DWORD
    Dword(style | WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    Dword(0);
    Word(static_cast<WORD>(x)), Word(static_cast<WORD>(y)), Word(static_cast<WORD>(cx)), Word(static_cast<WORD>(cy));
    Word(id);
    Word(0xFFFF), Word(cls);
    Text(text);
    Word(0);
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

 private:
  void Word(WORD w) { data_.push_back(w); }
  void Dword(DWORD d) { Word(LOWORD(d)), Word(HIWORD(d)); }
  void Text(const char* s) {
    while (*s) Word(static_cast<WORD>(static_cast<unsigned char>(*s++)));
    Word(0);
  }
  std::vector<WORD> data_;
};

INT_PTR CALLBACK PlainProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

Template PlainTemplate() {
  // Dialog units about the dialog's pixels at 8-point MS Sans Serif (x 2/3, y 8/13).
  Template t("Parallel-Port Status/Control", 293, 162, 26);
  const char* names[24] = {"D7",       "D6",       "D5",       "D4",        "D3",       "D2",
                           "D1",       "D0",       "Busy",     "ACK",       "Paper Out", "Select In",
                           "Error",    "IRQ",      "Reserved", "Reserved",  "Unused",   "Unused",
                           "Enable Bidirectional Port", "Enable IRQ Via ACK Line", "Select Printer",
                           "Initialize Printer", "Auto Linefeed", "Strobe"};
  const short tops[8] = {5, 17, 30, 42, 55, 68, 80, 94};
  for (int i = 0; i < 24; ++i)
    t.Item(names[i], BS_AUTOCHECKBOX, static_cast<short>(10 + 88 * (i / 8)), static_cast<short>(18 + tops[i % 8]), 100, 10,
           static_cast<WORD>(100 + i), 0x0080);
  t.Item("&Read and Update Display", BS_PUSHBUTTON, 5, 143, 97, 16, 10, 0x0080);
  t.Item("OK", BS_DEFPUSHBUTTON, 239, 143, 50, 16, IDOK, 0x0080);
  return t;
}

void Paint(HWND wnd) {
  ShowWindow(wnd, SW_SHOWNORMAL);
  RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
}

// `open` makes, shows and paints a dialog and answers how to free it; only the opening is timed
// (a hidden top-level window waits for a window manager under Wine, and none runs here).
template <class F>
double MillisecondsEach(F&& open) {
  std::vector<double> rounds;
  for (int r = 0; r < kRounds; ++r) {
    double total = 0;
    for (int i = 0; i < kPerRound; ++i) {
      const double start = bench::Now();
      auto close = open();
      total += bench::Now() - start;
      close();
      bench::Pump();
    }
    rounds.push_back(total * 1000.0 / kPerRound);
  }
  return bench::Median(rounds);
}

}  // namespace

int main() {
  pp::plugin::TParallelPortManager manager;
  IParallelPort* port = nullptr;
  if (FAILED(manager.GetDefaultPort(&port)) || !port) return 1;
  const Template plain = PlainTemplate();
  auto plain_once = [&] {
    HWND wnd = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), plain.Get(), nullptr, &PlainProc, 0);
    Paint(wnd);
    return std::function<void()>([wnd] { DestroyWindow(wnd); });
  };
  auto ours_once = [&] {
    std::shared_ptr<pp::dialogs::TParallelPortForm> form(pp::dialogs::TParallelPortForm::Create(port).release(),
                                                         [](pp::dialogs::TParallelPortForm* f) { f->Free(); });
    form->Show();
    Paint(form->Handle());
    return std::function<void()>([form]() mutable { form.reset(); });
  };
  {
    HWND wnd = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), plain.Get(), nullptr, &PlainProc, 0);
    if (!wnd) {
      std::printf("the dialog template was refused (error %lu)\n", GetLastError());
      return 1;
    }
    DestroyWindow(wnd);
  }
  ours_once()();  // first use: classes, fonts and images
  if (std::getenv("PP_BENCH_PHASES")) {  // where the time goes, once
    const double t0 = bench::Now();
    auto form = pp::dialogs::TParallelPortForm::Create(port);
    const double t1 = bench::Now();
    form->Show();
    const double t2 = bench::Now();
    Paint(form->Handle());
    const double t3 = bench::Now();
    form.reset();
    const double t4 = bench::Now();
    std::printf("  phases: read %.1f ms, show %.1f ms, paint %.1f ms, free %.1f ms\n", (t1 - t0) * 1e3,
                (t2 - t1) * 1e3, (t3 - t2) * 1e3, (t4 - t3) * 1e3);
  }
  const double ours = MillisecondsEach(ours_once);
  const double base = MillisecondsEach(plain_once);
  std::printf("  Status/Control dialog, create + show + first paint: %.2f ms; dialog template with 24 check boxes "
              "and 2 buttons: %.2f ms; ratio %.2f\n",
              ours, base, ours / base);
  return 0;
}
