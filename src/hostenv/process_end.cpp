#include "hostenv/process_end.h"

#include <windows.h>

#include <cstdio>

namespace pp::hostenv {

void EndProcess(unsigned exitCode) noexcept {
  std::fflush(stdout);
  // TerminateProcess runs no unload code in any module: the process ends where it stands.
  TerminateProcess(GetCurrentProcess(), exitCode);
  for (;;) Sleep(INFINITE);  // the termination of the calling process does not come back
}

}  // namespace pp::hostenv
