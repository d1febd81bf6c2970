// What the three dialogs share: their base class (which also ends the process instead of showing
// in test mode), how they are made from their layouts, and how a check box's ticked state is read and set whatever class the
// layout reader made it from.
#pragma once

#include <windows.h>

#include "forms/server_dialog.h"
#include "layout/form_loader.h"
#include "toolkit/form.h"

namespace pp::dialogs {

using TDialogBase = forms::TServerDialog;

// The registry the dialogs' layouts are read with: the toolkit's classes, the themed buttons,
// check box, panel, page control and sheet, and the dialogs' forms.
const layout::ClassRegistry& DialogClasses();

// The module whose resources hold the layouts (this library, or the executable it is linked in).
HMODULE LayoutModule();

// Fills `form`, made empty, from its layout resource (the class name upper-cased).
void ReadDialogLayout(toolkit::TCustomForm& form, const char* resource);

// A component of `form` that the layout must have made; EReadError-like failure when missing.
toolkit::TComponent& RequiredComponent(toolkit::TComponent& form, const char* name);

// The "Checked" property of a check box made by the layout reader.
bool IsChecked(toolkit::TComponent& box);
void SetChecked(toolkit::TComponent& box, bool on);

}  // namespace pp::dialogs
