// Size and position of resizable dialogs, kept per user under the preference key + "\Forms",
// one subkey per dialog class with "Width", "Height", "Left" and "Top".
#pragma once

#include <string>

#include "toolkit/form.h"

namespace pp::forms {

// The key the bounds live under (relative to HKEY_CURRENT_USER). Fixed when the module starts;
// until then the preference key + "\Forms" at the time of asking.
std::string FormBoundsKey();
void SetFormBoundsKey(const std::string& key);  // "" goes back to asking

// A stored value replaces the form's, a missing one keeps it; the bounds are then set at once.
// Registry failures raise.
void LoadFormBounds(toolkit::TCustomForm* form, bool load_size, bool load_position);
// Writes the values asked for, creating the class's subkey when needed.
void SaveFormBounds(toolkit::TCustomForm* form, bool save_size, bool save_position);

}  // namespace pp::forms
