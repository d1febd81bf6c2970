// What a port operation costs the plug-in itself, as a ratio to calling the driver's entry
// point directly in the same run: a real port access takes about a microsecond, so the
// plug-in's own share should stay a small multiple of a bare call.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "port/parallel_port.h"

namespace {

// The driver's entry points, reached through function pointers as the binding reaches them.
uint8_t NoopRead(uint32_t) { return 0x5A; }
void NoopWrite(uint32_t, uint32_t) {}
uint8_t (*volatile g_read)(uint32_t) = NoopRead;
void (*volatile g_write)(uint32_t, uint32_t) = NoopWrite;

class DriverPorts final : public pp::port::PortIo {
 public:
  uint8_t ReadByte(uint16_t address) override { return g_read(address); }
  void WriteByte(uint16_t address, uint8_t value) override { g_write(address, value); }
};

// The interface object's shape: a virtual slot per operation whose body turns every failure
// into a status, over the port core.
class PortInterface {
 public:
  virtual int32_t WriteDataByte(uint8_t value) noexcept = 0;
  virtual int32_t ReadStatus() noexcept = 0;
};

class PortObject final : public PortInterface, public pp::port::ParallelPort {
 public:
  explicit PortObject(pp::port::PortIo& io) : pp::port::ParallelPort(io, 0x378) {}
  int32_t WriteDataByte(uint8_t value) noexcept override {
    try {
      pp::port::ParallelPort::WriteDataByte(value);
      return 0;
    } catch (...) {
      return static_cast<int32_t>(0x8000FFFF);
    }
  }
  int32_t ReadStatus() noexcept override {
    try {
      pp::port::ParallelPort::ReadStatus();
      return 0;
    } catch (...) {
      return static_cast<int32_t>(0x8000FFFF);
    }
  }
};

DriverPorts g_ports;

void BM_DirectWriteByte(benchmark::State& state) {
  uint32_t value = 0;
  for (auto _ : state) g_write(0x378, ++value & 0xFF);
}
BENCHMARK(BM_DirectWriteByte);

void BM_InterfaceWriteDataByte(benchmark::State& state) {
  PortObject object(g_ports);
  PortInterface* volatile port = &object;
  uint8_t value = 0;
  for (auto _ : state) benchmark::DoNotOptimize(port->WriteDataByte(++value));
}
BENCHMARK(BM_InterfaceWriteDataByte);

void BM_DirectReadByte(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(g_read(0x379));
}
BENCHMARK(BM_DirectReadByte);

void BM_InterfaceReadStatus(benchmark::State& state) {
  PortObject object(g_ports);
  PortInterface* volatile port = &object;
  for (auto _ : state) benchmark::DoNotOptimize(port->ReadStatus());
}
BENCHMARK(BM_InterfaceReadStatus);

}  // namespace
