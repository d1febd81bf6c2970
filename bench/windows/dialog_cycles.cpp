// Reliability: each dialog opened modally, painted and closed 1,000 times in one process; the
// process's GDI objects, windows and private bytes are printed along the way and must stay flat.
// Run from the install folder (System\Vexio.dll beside it); PP_CYCLES overrides the count.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "dialog_bench_support.h"
#include "dialogs/acrobat_warning_form.h"
#include "dialogs/install_confirm_form.h"
#include "dialogs/status_control_form.h"
#include "plugin/manager.h"
#include "toolkit/application.h"

namespace {

const int kCycles = std::getenv("PP_CYCLES") ? std::atoi(std::getenv("PP_CYCLES")) : 1000;
pp::toolkit::TCustomForm* g_form = nullptr;

// Once the modal loop runs: the dialog painted whole, then closed with OK.
void CALLBACK CloseTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!g_form) return;
  RedrawWindow(g_form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  g_form->SetModalResult(pp::toolkit::mrOk);
}

void Cycle(pp::toolkit::TCustomForm& form) {
  g_form = &form;
  SetTimer(nullptr, 0, 1, &CloseTimer);
  form.ShowModal();
  g_form = nullptr;
}

void Run(const char* name, const std::function<void()>& one) {
  one();  // first use: classes registered, fonts and images loaded once
  bench::Pump();
  const bench::Counts start = bench::Measure();
  const double t0 = bench::Now();
  bench::Counts half{};
  for (int i = 1; i <= kCycles; ++i) {
    one();
    if (i == kCycles / 2) {
      bench::Pump();
      half = bench::Measure();
    }
  }
  bench::Pump();
  const bench::Counts end = bench::Measure();
  std::printf("  %-22s %d cycles in %5.1f s | GDI objects %ld, %ld, %ld | windows %ld, %ld, %ld | private KiB %.0f, %.0f, %.0f\n",
              name, kCycles, bench::Now() - t0, start.gdi, half.gdi, end.gdi, start.windows, half.windows, end.windows,
              start.private_kib, half.private_kib, end.private_kib);
}

}  // namespace

int main() {
  using namespace pp::dialogs;
  pp::toolkit::Application().OnException = [](pp::toolkit::TComponent*, const std::exception* e) {
    std::printf("error: %s\n", e ? e->what() : "?");
  };
  pp::plugin::TParallelPortManager manager;
  IParallelPort* port = nullptr;
  if (FAILED(manager.GetDefaultPort(&port)) || !port) {
    std::printf("no port\n");
    return 1;
  }
  std::printf("Counts at the first cycle after warm-up, at the half and at the end:\n");
  Run("Status/Control dialog", [&] { Cycle(*TParallelPortForm::Create(port)); });
  Run("driver failure notice", [] { Cycle(*TInstallConfirmForm::Create()); });
  Run("PDF reader warning", [] { Cycle(*TAcrobatWarningForm::Create()); });
  return 0;
}
