// The readable report of the default command: what the manager exposes, every probed port with
// its addresses, the active port, and each register byte with its named lines.
#pragma once

#include "ParallelPort.h"

namespace host {

// Prints to standard output; returns the process exit code (0 when the manager answered).
int PrintPortReport(IParallelPortManager* manager);

}  // namespace host
