// Placeholder for the reader warning's dialog; the dialog framework replaces this file's body.
#include "hostenv/acrobat_warning.h"

namespace pp::hostenv {

bool RunAcrobatVersionWarningDialog() { return false; }

}  // namespace pp::hostenv
