// The simulated driver's switches, read from the process environment. The environment outlives
// the library (the plug-in frees and reloads it between start attempts), the library's own
// state does not, so counters that must survive a reload live in the environment itself.
//
//   VEXIO_SIM_LOAD_FAILS=N      the next N "LoadIODriver" calls report failure
//   VEXIO_SIM_ACTIVATE_FAILS=N  the next N "ActivateIo" calls report failure
//   VEXIO_SIM_READ_FAULT=1      "ReadByte" faults with an access violation
//   VEXIO_SIM_LOG=<path>        one line per call appended to that file
#pragma once

namespace simdriver {

// Re-reads the cached switches (read fault, log path). The register entry points consult only
// the cache, so that they stay cheap when no switch is set.
void RefreshSwitches();

bool ReadFaultEnabled();

// Takes one failure from the counter in the named variable: true (and the variable lowered by
// one) while it holds a positive number.
bool ConsumeFailure(const char* variable);

// Appends one line to the log file, when one is set.
void Log(const char* line);
bool LogEnabled();

}  // namespace simdriver
