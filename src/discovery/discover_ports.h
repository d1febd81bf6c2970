// Discovery: the candidate parallel ports of this machine, in the order they were found.
// A per-user override naming one port address wins; otherwise the system's device list is
// walked for devices of the "Ports" class whose friendly name holds "(LPT", one record per I/O
// range of each. Records are neither filtered nor sorted: the manager takes the first match.
#pragma once

#include <windows.h>
#include <cfgmgr32.h>

#include <string>
#include <vector>

#include "ParallelPort.h"
#include "base/errors.h"
#include "base/win_handles.h"

namespace pp::discovery {

using PortItems = std::vector<win::ComPtr<IParallelPortInfo>>;

// A registry value that is there but cannot be read as the type asked for.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr char kPortAddressValue[] = "ParallelPortAddress";
inline constexpr wchar_t kUserDefinedPortName[] = L"User Defined Paralell Port (LPT1)";

void AddRecord(PortItems& items, std::wstring name, LONG io_start, LONG io_end);

// The override first; the device list only when there is none.
void DiscoverPorts(PortItems& items);

// "ParallelPortAddress" under the preference key: one record A .. A + 7, taken as stored.
// False when the key or the value is missing; raises when the value is not a REG_DWORD.
bool ReadUserDefinedPort(PortItems& items);

// Every present "Ports" device with "(LPT" in its friendly name, through AddDeviceIoRanges.
// Failing system calls skip a device; they never raise.
void EnumerateDevicePorts(PortItems& items);

// One record per I/O descriptor of the device's allocated configuration, or of its boot
// configuration when it has no allocated one.
void AddDeviceIoRanges(DEVINST device, const std::wstring& name, PortItems& items);

}  // namespace pp::discovery
