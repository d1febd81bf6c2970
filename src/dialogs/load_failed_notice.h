// The notice that the port driver could not be started.
#pragma once

namespace pp::dialogs {

// Told once per manager start when the driver does not start (always on 64-bit Windows).
void ShowLoadDriverFailedNotice();

}  // namespace pp::dialogs
