// Runs a function under a structured-exception frame of our own. The driver library is foreign
// code: an access violation or any other structured exception inside it must end only the
// operation that called it, not the host. mingw's C++ has no __try, so the frame is built by
// hand (i386: a registration record on the fs:[0] chain).
#pragma once

#include <cstdint>

namespace pp::driver {

using GuardedFn = void (*)(void* context);

// Calls fn(context). Returns 0 when fn returned normally, otherwise the code of the structured
// exception that ended it; the frames between were unwound and fn's stack was abandoned.
uint32_t GuardedCall(GuardedFn fn, void* context) noexcept;

// Where the structured exception that ended the last guarded call happened.
const void* LastGuardedFaultAddress() noexcept;

}  // namespace pp::driver
