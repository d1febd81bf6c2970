#include "port_model.h"

namespace simdriver {

namespace {

struct Port {
  uint16_t base;
  bool loopback;
  uint8_t data;
  uint8_t control;
};

constexpr uint8_t kPowerOnData = 0x00;
constexpr uint8_t kPowerOnControl = 0x0C;  // Select-In and Init high, as the BIOS leaves them

Port g_ports[] = {
    {0x378, true, kPowerOnData, kPowerOnControl},
    {0x278, false, kPowerOnData, kPowerOnControl},
};

// Status byte of the plugged port. Ack, Select and Error are held high; bits 2..0 read 1.
// The plug drives BUSY and PAPER-OUT from D6. Status bit 7 is the inverse of the BUSY line,
// so D6 = 1 gives bit 7 = 0, bit 5 = 1 (0x7F), and D6 = 0 gives bit 7 = 1, bit 5 = 0 (0xDF).
uint8_t LoopbackStatus(uint8_t data) {
  const bool d6 = (data & 0x40) != 0;
  return 0x58 | 0x07 | (d6 ? 0x20 : 0x80);
}

// An open port: every input line floats high, so status reads 0x7F (bit 7 inverted) whatever
// the data register holds. It passes the first half of an activity test (D6 = 1) and fails the
// second, so only a test that checks both halves rejects it.
constexpr uint8_t kOpenPortStatus = 0x7F;

Port* Find(uint16_t address, uint16_t& offset) {
  for (Port& p : g_ports) {
    const uint16_t d = static_cast<uint16_t>(address - p.base);
    if (d <= 2) {
      offset = d;
      return &p;
    }
  }
  return nullptr;
}

}  // namespace

uint8_t ReadPort(uint16_t address) {
  uint16_t offset = 0;
  Port* p = Find(address, offset);
  if (!p) return 0xFF;
  switch (offset) {
    case 0: return p->data;
    case 1: return p->loopback ? LoopbackStatus(p->data) : kOpenPortStatus;
    default: return p->control;
  }
}

void WritePort(uint16_t address, uint8_t value) {
  uint16_t offset = 0;
  Port* p = Find(address, offset);
  if (!p) return;
  if (offset == 0) p->data = value;
  if (offset == 2) p->control = value;
  // The status register is read-only.
}

}  // namespace simdriver
