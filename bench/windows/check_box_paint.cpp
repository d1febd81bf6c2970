// Repeated timing under Wine: painting a themed check box against painting the system's own
// check box (BUTTON, BS_AUTOCHECKBOX) of the same size, caption and font, in one process, as a
// ratio. Run once per look (bench/run starts it in each look's prefix).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "controls/xp_check_box.h"
#include "controls/xp_controls.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

namespace {

// The machine is shared: interleaved short batches, and the least disturbed batch of each side
// taken as its time (the median of the batch ratios is printed beside it).
constexpr int kRounds = 15;
constexpr int kPaints = 100;

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

// Microseconds per full repaint (invalidate, WM_PAINT handled at once).
double PaintTime(HWND wnd) {
  const double start = Now();
  for (int i = 0; i < kPaints; ++i) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return (Now() - start) * 1e6 / kPaints;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  using namespace pp;
  InitCommonControls();  // the system's BUTTON class of common controls 6 (the manifest asks for it)
  controls::StartXPControls();
  const char* look_names[] = {"classic", "luna", "themed"};
  {
    toolkit::Owned<toolkit::TForm> form(new toolkit::TForm(nullptr));
    form->SetBounds(100, 100, 260, 90);
    form->Font().SetName("MS Sans Serif");
    form->Font().SetHeight(-11);
    auto* box = new controls::TXPCheckBox(form.get());
    box->SetBounds(8, 8, 150, 17);
    box->SetCaption("&Enable Bidirectional Port");
    box->SetParent(form.get());
    box->SetChecked(true);
    form->Show();
    HWND native = CreateWindowExA(0, "BUTTON", "&Enable Bidirectional Port", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 8,
                                  40, 150, 17, form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(native, WM_SETFONT, reinterpret_cast<WPARAM>(form->Font().Handle()), TRUE);
    SendMessageA(native, BM_SETCHECK, BST_CHECKED, 0);
    toolkit::Application().ProcessMessages();

    std::vector<double> ours, theirs, ratios;
    for (int r = 0; r < kRounds; ++r) {
      const double a = PaintTime(box->Handle()), b = PaintTime(native);
      ours.push_back(a);
      theirs.push_back(b);
      ratios.push_back(a / b);
    }
    const double best_ours = *std::min_element(ours.begin(), ours.end());
    const double best_theirs = *std::min_element(theirs.begin(), theirs.end());
    std::printf("  check box paint, %s look: themed %.0f us, system %.0f us: ratio %.2f (median of batches %.2f; goal at most 2)\n",
                look_names[controls::GetXPLookMode()], best_ours, best_theirs, best_ours / best_theirs, Median(ratios));
    DestroyWindow(native);
  }
  controls::EndXPControls();
  return 0;
}
