// Ending the host process at once (test mode).
#pragma once

namespace pp::hostenv {

// Flushes standard output, then terminates the whole process with exitCode, also when the flush
// fails. Never returns.
[[noreturn]] void EndProcess(unsigned exitCode) noexcept;

}  // namespace pp::hostenv
