// What the dialog benchmarks share: a port of the real manager over the simulated driver, the
// dialogs as the plug-in builds them, a clock, and the process's object and memory counts.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

double Now();  // seconds
inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct Counts {
  long gdi;            // live GDI objects of the process
  long windows;        // windows of this thread, children included
  double private_kib;  // the process's private bytes, in KiB
};
Counts Measure();

// Lets the messages already queued run.
void Pump();

}  // namespace bench
