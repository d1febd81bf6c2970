#include "port/parallel_port.h"

#include "base/out_param.h"

namespace pp::port {

namespace {

constexpr int kBidirectional = static_cast<int>(Flag::Bidirectional);

}  // namespace

ParallelPort::ParallelPort(PortIo& io, uint16_t base_address) noexcept
    : io_(io),
      // Status 7..0, control 7..0 (Bidirectional 0), data 0..7.
      flags_{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
      base_(base_address) {}

void ParallelPort::Set(Flag flag, uint8_t value) noexcept {
  if (flag == Flag::Bidirectional) return;
  flags_[static_cast<int>(flag)] = value;
}

uint8_t ParallelPort::ComposeData() const noexcept {
  uint8_t value = 0;
  for (int bit = 0; bit < 8; ++bit)
    if (flags_[kData + bit]) value |= static_cast<uint8_t>(1u << bit);
  return value;
}

uint8_t ParallelPort::ComposeControl() const noexcept {
  uint8_t value = 0;
  for (int i = 0; i < 8; ++i)
    if (flags_[kControl + i]) value |= static_cast<uint8_t>(0x80u >> i);
  return value;
}

uint8_t ParallelPort::ComposeStatus() const noexcept {
  uint8_t value = 0;
  for (int i = 0; i < 5; ++i)
    if (flags_[kStatus + i]) value |= static_cast<uint8_t>(0x80u >> i);
  return value;
}

void ParallelPort::DecodeControl(uint8_t value, uint8_t mask) noexcept {
  for (int i = 0; i < 8; ++i) {
    const unsigned bit = 0x80u >> i;
    if (mask & bit) flags_[kControl + i] = (value & bit) ? 1 : 0;
  }
  if (mask & 0x20) flags_[kBidirectional] = 0;
}

void ParallelPort::WriteData() {
  const uint8_t value = ComposeData();
  if (value == last_data_) return;
  io_.WriteByte(DataAddress(), value);
  last_data_ = value;
}

void ParallelPort::ReadControl() { DecodeControl(io_.ReadByte(ControlAddress()), 0xFF); }

void ParallelPort::WriteControl() {
  const uint8_t value = ComposeControl();
  io_.WriteByte(ControlAddress(), value);
  last_control_ = value;
}

void ParallelPort::WriteControlMasked(uint8_t value, uint8_t mask) {
  DecodeControl(value, mask);
  WriteControl();
}

void ParallelPort::PulseInitialize() {
  // Initialize is active low: low, then high again, every other line as read.
  ReadControl();
  Set(Flag::InitializePrinter, 0);
  WriteControl();
  Set(Flag::InitializePrinter, 1);
  WriteControl();
}

void ParallelPort::ProbePort(uint8_t* present) {
  Store(present, 0);
  WriteDataByte(0x55);
  ReadData();
  if (last_data_ != 0x55) return;
  WriteDataByte(0xAA);
  ReadData();
  if (last_data_ == 0xAA) Store(present, 1);
}

void ParallelPort::IsPortActive(uint8_t* active) {
  Set(Flag::D6, 1);
  WriteData();
  ReadStatus();
  const bool first = Get(Flag::Busy) == 0 && Get(Flag::PaperOut) != 0;
  Set(Flag::D6, 0);
  WriteData();
  ReadStatus();
  const bool second = Get(Flag::Busy) != 0 && Get(Flag::PaperOut) == 0;
  Store(active, first && second ? 1 : 0);
}

}  // namespace pp::port
