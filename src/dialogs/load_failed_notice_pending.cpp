// Stands in until the notice is built on the form framework: nothing is shown yet.
#include "dialogs/load_failed_notice.h"

namespace pp::dialogs {

void ShowLoadDriverFailedNotice() {}

}  // namespace pp::dialogs
