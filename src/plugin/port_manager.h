// The port manager's start-up and queries, free of Windows: the driver, discovery, the port
// objects and the failure notice come in through PortManagerServices.
//
// Start runs once: it creates the default port at 0x378, tries the driver up to ten times (not
// at all on 64-bit Windows), looks LPT1..LPT16 up among the discovered ports and keeps those
// whose presence probe passes, in LPT order. A driver that will not start is told to the user
// and leaves the list empty. Stop frees every port and stops the driver; the next operation
// starts afresh.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driver/driver_control.h"
#include "port/parallel_port.h"

namespace pp::plugin {

// The discovered-port list as the manager reads it; each call may raise.
class DiscoveredPorts {
 public:
  virtual ~DiscoveredPorts() = default;
  virtual int32_t Count() = 0;
  virtual std::u16string Name(int32_t index) = 0;
  virtual int32_t IoStart(int32_t index) = 0;
};

class PortManagerServices {
 public:
  virtual bool IsWow64() = 0;
  virtual std::unique_ptr<DiscoveredPorts> CreatePortList() = 0;
  virtual std::unique_ptr<port::ParallelPort> CreatePort(uint16_t base_address) = 0;
  virtual void ShowDriverFailureNotice() = 0;

 protected:
  ~PortManagerServices() = default;
};

inline constexpr uint16_t kDefaultPortAddress = 0x378;
inline constexpr int kDriverAttempts = 10;

// The first I/O start of a record whose name holds `name` not followed by another digit (so
// that LPT1 does not find LPT10), or 0 when none does.
int32_t FindPortAddress(DiscoveredPorts& list, const std::string& name);

class PortManager {
 public:
  PortManager(driver::DriverControl& driver, PortManagerServices& services) noexcept
      : driver_(driver), services_(services) {}

  // Each takes an out-parameter the way the interface does: a null one fails at the store.
  void Start(uint8_t* available);
  void Stop();
  void GetActivePort(port::ParallelPort** port);
  void GetFirstPort(port::ParallelPort** port);
  void GetDefaultPort(port::ParallelPort** port);
  void GetPortCount(int32_t* count);
  void GetPort(int32_t index, port::ParallelPort** port);

  bool Started() const noexcept { return port_list_.has_value(); }

 private:
  bool StartInternal();

  driver::DriverControl& driver_;
  PortManagerServices& services_;
  std::optional<std::vector<std::unique_ptr<port::ParallelPort>>> port_list_;
  std::unique_ptr<port::ParallelPort> default_port_;
};

}  // namespace pp::plugin
