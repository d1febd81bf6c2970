// A manager over N discovery records, none of them a port until the last sixteen: the name
// search has to walk the whole list for every LPT number.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "driver/driver_control.h"
#include "plugin/port_manager.h"

namespace bench {

class EchoPorts final : public pp::port::PortIo {
 public:
  uint8_t ReadByte(uint16_t) override { return last_; }
  void WriteByte(uint16_t, uint8_t value) override { last_ = value; }

 private:
  uint8_t last_ = 0;
};

class Records final : public pp::plugin::DiscoveredPorts {
 public:
  explicit Records(int count) {
    for (int i = 0; i < count; ++i) {
      const int lpt = i - (count - 16) + 1;
      const std::string name = lpt >= 1 ? "Printer Port (LPT" + std::to_string(lpt) + ")"
                                        : "Communications Port (COM" + std::to_string(i + 1) + ")";
      names_.emplace_back(name.begin(), name.end());
    }
  }
  int32_t Count() override { return static_cast<int32_t>(names_.size()); }
  std::u16string Name(int32_t i) override { return names_[i]; }
  int32_t IoStart(int32_t i) override { return 0x1000 + 8 * i; }

 private:
  std::vector<std::u16string> names_;
};

class Library final : public pp::driver::DriverLibrary {
 public:
  bool LoadDriver() override { return true; }
  void UnloadDriver() override {}
  bool ActivateDriver() override { return true; }
  void DeactivateDriver() override {}
};

class Services final : public pp::plugin::PortManagerServices {
 public:
  explicit Services(int records) : records_(records) {}
  bool IsWow64() override { return false; }
  std::unique_ptr<pp::plugin::DiscoveredPorts> CreatePortList() override { return std::make_unique<Records>(records_); }
  std::unique_ptr<pp::port::ParallelPort> CreatePort(uint16_t base) override {
    return std::make_unique<pp::port::ParallelPort>(ports_, base);
  }
  void ShowDriverFailureNotice() override {}

 private:
  int records_;
  EchoPorts ports_;
};

// One Start and Stop; returns the number of ports found.
inline int StartOnce(int records) {
  Library library;
  pp::driver::DriverControl driver(library);
  Services services(records);
  pp::plugin::PortManager manager(driver, services);
  int32_t count = 0;
  manager.GetPortCount(&count);
  manager.Stop();
  return count;
}

}  // namespace bench
