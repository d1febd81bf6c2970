// Entry points of the simulated port I/O driver library (exported undecorated by the .def file
// that CMakeLists.txt writes). Loading and activating only succeed or fail as the switches say;
// register access works whether or not they were called, as the plug-in calls "ReadByte" and
// "WriteByte" whenever it resolved them.
//
// The one-byte results come back with the upper bytes of EAX deliberately not zero: the
// contract is the low byte only, and a caller that reads the whole register must show up here
// rather than on a machine with the real driver.
#include <windows.h>

#include <cstdio>

#include "port_model.h"
#include "switches.h"

namespace {

constexpr DWORD kUpperNoise = 0xA5A5A500;

DWORD ByteResult(BYTE value) { return kUpperNoise | value; }

// Where "ReadByte" writes when it is told to fault. Volatile, so that the compiler can neither
// see the null nor replace the store with a trap instruction: the fault must be a real access
// violation.
BYTE* volatile g_nowhere = nullptr;

}  // namespace

extern "C" {

#ifndef SIMDRIVER_WITHOUT_LoadIODriver
DWORD WINAPI LoadIODriver() {
  simdriver::RefreshSwitches();
  simdriver::Log("LoadIODriver");
  return ByteResult(simdriver::ConsumeFailure("VEXIO_SIM_LOAD_FAILS") ? 0 : 1);
}
#endif

void WINAPI UnLoadIODriver() { simdriver::Log("UnLoadIODriver"); }

#ifndef SIMDRIVER_WITHOUT_ActivateIo
DWORD WINAPI ActivateIo() {
  simdriver::RefreshSwitches();
  simdriver::Log("ActivateIo");
  return ByteResult(simdriver::ConsumeFailure("VEXIO_SIM_ACTIVATE_FAILS") ? 0 : 1);
}
#endif

void WINAPI DeActivateIo() { simdriver::Log("DeActivateIo"); }

// The port travels in the low 16 bits of its argument slot; the upper half carries nothing.
DWORD WINAPI ReadByte(DWORD port) {
  const WORD address = LOWORD(port);
  char line[32];
  if (simdriver::ReadFaultEnabled()) {
    std::snprintf(line, sizeof line, "ReadByte %04X fault", address);
    simdriver::Log(line);
    *g_nowhere = 0;
  }
  const BYTE value = simdriver::ReadPort(address);
  if (simdriver::LogEnabled()) {
    std::snprintf(line, sizeof line, "ReadByte %04X %02X", address, value);
    simdriver::Log(line);
  }
  return ByteResult(value);
}

void WINAPI WriteByte(DWORD port, DWORD value) {
  const WORD address = LOWORD(port);
  const BYTE byte = LOBYTE(value);
  simdriver::WritePort(address, byte);
  if (simdriver::LogEnabled()) {
    char line[32];
    std::snprintf(line, sizeof line, "WriteByte %04X %02X", address, byte);
    simdriver::Log(line);
  }
}

// Not part of the driver's interface: lets a test change a switch while the library is loaded.
void WINAPI SimRefreshSwitches() { simdriver::RefreshSwitches(); }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    simdriver::RefreshSwitches();
    simdriver::Log("attach");
  } else if (reason == DLL_PROCESS_DETACH) {
    simdriver::Log("detach");
  }
  return TRUE;
}

}  // extern "C"
