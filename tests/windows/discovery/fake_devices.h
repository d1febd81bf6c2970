// A device list with resource descriptors, served through the discovery's table of Setup API
// and Configuration Manager functions. It hands out handles the way the system does and keeps
// the books: every handle given out, every release, and every misuse (a release of a handle
// that is not live, a call with a wrong argument).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "discovery/device_api.h"

namespace discovery_test {

enum class DescriptorFault { None, SizeFails, DataFails, ShortData };

struct FakeRange {
  DWORDLONG base;
  DWORDLONG end;
  DescriptorFault fault = DescriptorFault::None;
};

// The I/O descriptors of one logical configuration; none when the device has no such
// configuration at all.
using FakeConf = std::optional<std::vector<FakeRange>>;

struct FakeDevice {
  std::optional<std::string> class_name;  // none: reading the property fails
  std::optional<std::string> friendly_name;
  FakeConf allocated;
  FakeConf boot;
};

// Installs itself for its lifetime. One at a time.
class FakeDeviceTable {
 public:
  explicit FakeDeviceTable(std::vector<FakeDevice> devices = {});
  ~FakeDeviceTable();
  FakeDeviceTable(const FakeDeviceTable&) = delete;
  FakeDeviceTable& operator=(const FakeDeviceTable&) = delete;

  bool class_devs_fails = false;

  int class_devs_calls = 0;
  int sets_given = 0;
  int sets_destroyed = 0;
  std::vector<std::string> conf_requests;  // "alloc 0", "boot 0": configuration kind, device index
  std::vector<std::string> misuse;

  // Handles given out and not released, as text; empty when the books balance.
  std::vector<std::string> LiveHandles() const;
  int LogConfsGiven() const { return static_cast<int>(log_confs_.size()); }
  int ResDesGiven() const { return static_cast<int>(res_des_.size()); }

  // The fake functions reach the table through this.
  static FakeDeviceTable* current;

  struct LogConfEntry {
    size_t device;
    bool boot;
    bool live;
  };
  struct ResDesEntry {
    size_t conf;
    size_t index;
    bool live;
  };

  std::vector<FakeDevice> devices_;
  std::vector<LogConfEntry> log_confs_;
  std::vector<ResDesEntry> res_des_;

 private:
  pp::discovery::ScopedDeviceApi scope_;
};

}  // namespace discovery_test
