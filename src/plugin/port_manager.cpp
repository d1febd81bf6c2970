#include "plugin/port_manager.h"

#include "base/errors.h"
#include "base/out_param.h"

namespace pp::plugin {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool NameMatches(const std::u16string& record, const std::u16string& name) {
  for (size_t at = record.find(name); at != std::u16string::npos; at = record.find(name, at + 1)) {
    const size_t after = at + name.size();
    if (after == record.size() || !IsDigit(record[after])) return true;
  }
  return false;
}

}  // namespace

int32_t FindPortAddress(DiscoveredPorts& list, const std::string& name) {
  const std::u16string wide(name.begin(), name.end());  // "LPTn" is ASCII
  const int32_t count = list.Count();
  for (int32_t i = 0; i < count; ++i)
    if (NameMatches(list.Name(i), wide)) return list.IoStart(i);
  return 0;
}

bool PortManager::StartInternal() {
  if (!port_list_) {
    port_list_.emplace();
    default_port_ = services_.CreatePort(kDefaultPortAddress);

    bool driver_started = false;
    if (!services_.IsWow64())
      for (int attempt = 0; attempt < kDriverAttempts && !driver_started; ++attempt)
        driver_started = driver_.StartDriver();

    if (driver_started) {
      std::unique_ptr<DiscoveredPorts> list = services_.CreatePortList();
      for (int n = 1; n <= 16; ++n) {
        const int32_t address = FindPortAddress(*list, "LPT" + std::to_string(n));
        if (address == 0) continue;
        auto port = services_.CreatePort(static_cast<uint16_t>(address));
        uint8_t present = 0;
        port->ProbePort(&present);
        if (present) port_list_->push_back(std::move(port));
      }
    } else {
      services_.ShowDriverFailureNotice();
    }
  }
  return !port_list_->empty();
}

void PortManager::Start(uint8_t* available) {
  Store(available, 0);
  const bool result = StartInternal();
  Store(available, result ? 1 : 0);
}

void PortManager::Stop() {
  if (!port_list_) return;
  port_list_.reset();  // frees the ports in list order
  default_port_.reset();
  if (driver_.DriverLoaded() || driver_.DriverActive())
    driver_.StopDriver();
  else
    driver_.ReleaseIdleLibrary();  // attempts whose "LoadIODriver" failed left it loaded
}

void PortManager::GetActivePort(port::ParallelPort** port) {
  Store(port, nullptr);
  if (!StartInternal()) return;
  for (auto& candidate : *port_list_) {
    uint8_t active = 0;
    candidate->IsPortActive(&active);
    if (active) {
      Store(port, candidate.get());
      return;
    }
  }
}

void PortManager::GetFirstPort(port::ParallelPort** port) {
  Store(port, nullptr);
  if (StartInternal()) Store(port, port_list_->front().get());
}

void PortManager::GetDefaultPort(port::ParallelPort** port) {
  Store(port, nullptr);
  StartInternal();
  Store(port, default_port_.get());
}

void PortManager::GetPortCount(int32_t* count) {
  const bool available = StartInternal();
  Store(count, available ? static_cast<int32_t>(port_list_->size()) : 0);
}

void PortManager::GetPort(int32_t index, port::ParallelPort** port) {
  Store(port, nullptr);
  if (!StartInternal()) return;
  if (index < 0 || static_cast<size_t>(index) >= port_list_->size()) Raise(EListError::IndexOutOfBounds(index));
  Store(port, (*port_list_)[static_cast<size_t>(index)].get());
}

}  // namespace pp::plugin
