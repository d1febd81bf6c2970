// The binding to the port I/O driver library, "Vexio.dll" in the host's System folder. Its six
// entry points are looked up by name; each wrapper behaves harmlessly when its entry point is
// missing (reads yield 0, writes are dropped, the stages report false). Calls into the library
// run under a structured-exception guard: a fault inside it raises pp::EExternal.
#pragma once

#include <cstdint>

#include "driver/driver_control.h"
#include "port/port_io.h"

namespace pp::driver {

void LoadDriverLibrary();
void UnloadDriverLibrary();
bool LoadDriver();
void UnloadDriver();
bool ActivateDriver();
void DeactivateDriver();
uint8_t PortReadByte(uint16_t port);
void PortWriteByte(uint16_t port, uint8_t value);

// The library and the port registers as the seams the manager and the ports use.
DriverLibrary& Vexio();
port::PortIo& VexioPorts();

}  // namespace pp::driver
