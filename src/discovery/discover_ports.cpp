#include "discovery/discover_ports.h"

#include "discovery/parallel_port_data.h"

namespace pp::discovery {

void AddRecord(PortItems& items, std::wstring name, LONG io_start, LONG io_end) {
  auto record = win::ComPtr<IParallelPortInfo>::Adopt(new TParallelPortData(std::move(name), io_start, io_end));
  items.push_back(std::move(record));
}

void DiscoverPorts(PortItems& items) {
  if (ReadUserDefinedPort(items)) return;
  EnumerateDevicePorts(items);
}

}  // namespace pp::discovery
