// The warning that the installed PDF reader cannot open a document at a page (readers before 6).
#pragma once

namespace pp::hostenv {

// Shows the warning unless the user silenced it: the Boolean "EnableAcrobatVersionPopup" under
// the preference key + "\Forms" is false. A missing value, or one that is not a number, counts as
// true. Ticking "&Don't show this again" stores false (creating the key when missing).
void ShowAcrobatVersionWarning();

// The stored choice: "EnableAcrobatVersionPopup" under the preference key + "\Forms" (true when
// missing or not a REG_DWORD), and storing false there.
bool AcrobatVersionWarningEnabled();
void DisableAcrobatVersionWarning();

// The dialog itself, captioned "Warning": tells the user that the reader lacks features the
// documentation uses and recommends version 6.0 or later, with an OK button and the check box
// "&Don't show this again". Returns whether the box was ticked when it closed. The dialog
// framework supplies it; until then nothing is shown and false is returned.
bool RunAcrobatVersionWarningDialog();

}  // namespace pp::hostenv
