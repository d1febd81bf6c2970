// Every error the library raises also leaves COM error information for the calling thread,
// so a host that got E_UNEXPECTED can ask GetErrorInfo what went wrong.
#pragma once

namespace pp::plugin {

void InstallErrorInfoHook() noexcept;  // chained in front of the hook already installed
void RemoveErrorInfoHook() noexcept;   // puts the previous hook back

}  // namespace pp::plugin
