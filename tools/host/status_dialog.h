// Opening the plug-in's dialogs from the host stand-in: for a person at a display, and for the
// demo, which saves what the dialogs look like.
#pragma once

#include <ParallelPort.h>

#include <string>

namespace host {

// Opens the Status/Control dialog on the active port (the default port when none is active)
// and waits for the person to close it; prints how it was closed.
int OpenStatusDialog(IParallelPortManager* manager);

// Shows the Status/Control dialog, presses "&Read and Update Display", saves the dialog as a
// 24-bit BMP file at `path` and closes it with OK.
int SaveStatusDialogPicture(IParallelPortManager* manager, const std::string& path);

// Starts the manager (which shows the driver failure notice when the driver does not start),
// saves the first dialog that appears as a BMP at `path` and closes it with Esc.
int SaveNoticePicture(IParallelPortManager* manager, const std::string& path);

}  // namespace host
