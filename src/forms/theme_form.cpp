#include "forms/theme_form.h"

#include "forms/server_dialog.h"

namespace pp::forms {

void AttachThemedFrame(TServerDialog* dialog) {}

}  // namespace pp::forms
