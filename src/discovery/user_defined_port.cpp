#include <cstdint>

#include "discovery/discover_ports.h"
#include "hostenv/preferences.h"

namespace pp::discovery {

bool ReadUserDefinedPort(PortItems& items) {
  win::UniqueKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, hostenv::GetPreferenceKey().c_str(), 0, KEY_READ, key.receive()) !=
      ERROR_SUCCESS)
    return false;

  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), kPortAddressValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;

  // Only a 32-bit integer value is an address. Anything else (a string typed in by hand, a
  // binary value) is an error rather than a guess.
  DWORD address = 0;
  size = sizeof address;
  if (type != REG_DWORD ||
      RegQueryValueExA(key.get(), kPortAddressValue, nullptr, &type, reinterpret_cast<BYTE*>(&address), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof address)
    Raise(ERegistryException(std::string("Invalid data type for '") + kPortAddressValue + "'"));

  // No range check: the manager keeps the low 16 bits. The end wraps in 32 bits.
  const auto start = static_cast<LONG>(address);
  const auto end = static_cast<LONG>(static_cast<uint32_t>(address) + 7u);
  AddRecord(items, kUserDefinedPortName, start, end);
  return true;
}

}  // namespace pp::discovery
