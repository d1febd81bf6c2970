// Stands in until the dialog is built on the form framework: the operation fails cleanly.
#include "dialogs/status_control_dialog.h"

#include "base/errors.h"

namespace pp::dialogs {

int ShowStatusControlDialog(IParallelPort*) { Raise(Exception("The Status/Control dialog is not available")); }

}  // namespace pp::dialogs
