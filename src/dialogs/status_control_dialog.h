// The modal Status/Control dialog on one port.
#pragma once

#include <ParallelPort.h>

namespace pp::dialogs {

// Shows the dialog on `port` until the user closes it; returns its modal result (1 = OK).
int ShowStatusControlDialog(IParallelPort* port);

}  // namespace pp::dialogs
