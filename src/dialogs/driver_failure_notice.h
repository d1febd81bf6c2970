// The notice that the port driver could not be started, shown by the manager's start, and the
// per-user choice that silences it: "DontShowLoadParallerPortDriverFailed" under the preference
// key, a REG_DWORD read as a Boolean; only 1 is ever written, the value is never removed.
#pragma once

#include "base/errors.h"

namespace pp::dialogs {

// Shows the notice unless silenced; stores the choice when its box is ticked on close, however
// the notice was closed. A stored value of the wrong type raises ERegistryValueError.
void ShowDriverFailureNotice();

// Opens (creating when missing) the preference key: true when it cannot be opened, when the
// value is missing, or when it is zero. Raises ERegistryValueError for a value that is not a
// 32-bit integer.
bool ShouldShowDriverFailureNotice();

// Stores 1; failure to write is silent (the notice then shows again at the next start).
void SuppressDriverFailureNotice();

class ERegistryValueError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pp::dialogs
