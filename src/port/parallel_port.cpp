#include "port/parallel_port.h"

#include <bit>
#include <cstring>

#include "base/out_param.h"

namespace pp::port {

namespace {

static_assert(std::endian::native == std::endian::little, "the data flags are filled eight at a time");

// kSpread[v] holds byte n = bit n of v: the eight data flags of v, ready to be stored at once.
constexpr std::array<uint64_t, 256> MakeSpread() {
  std::array<uint64_t, 256> table{};
  for (unsigned v = 0; v < 256; ++v)
    for (unsigned bit = 0; bit < 8; ++bit)
      if (v & (1u << bit)) table[v] |= uint64_t{1} << (8 * bit);
  return table;
}
constexpr std::array<uint64_t, 256> kSpread = MakeSpread();

// kStatusFlags[v] holds Busy, Ack, PaperOut, SelectIn, Error (bits 7..3 of v) as bytes 0..4.
constexpr std::array<uint64_t, 256> MakeStatusFlags() {
  std::array<uint64_t, 256> table{};
  for (unsigned v = 0; v < 256; ++v)
    for (unsigned i = 0; i < 5; ++i)
      if (v & (0x80u >> i)) table[v] |= uint64_t{1} << (8 * i);
  return table;
}
constexpr std::array<uint64_t, 256> kStatusFlags = MakeStatusFlags();

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

void ParallelPort::DecodeData(uint8_t value) noexcept { std::memcpy(&flags_[kData], &kSpread[value], 8); }

void ParallelPort::DecodeControl(uint8_t value, uint8_t mask) noexcept {
  for (int i = 0; i < 8; ++i) {
    const unsigned bit = 0x80u >> i;
    if (mask & bit) flags_[kControl + i] = (value & bit) ? 1 : 0;
  }
  if (mask & 0x20) flags_[kBidirectional] = 0;
}

void ParallelPort::ReadData() {
  const uint8_t value = io_.ReadByte(DataAddress());
  DecodeData(value);
  last_data_ = value;
}

void ParallelPort::WriteData() {
  const uint8_t value = ComposeData();
  if (value == last_data_) return;
  io_.WriteByte(DataAddress(), value);
  last_data_ = value;
}

void ParallelPort::WriteDataByte(uint8_t value) {
  io_.WriteByte(DataAddress(), value);
  DecodeData(value);
  last_data_ = value;
}

void ParallelPort::ReadStatus() {
  const uint8_t value = io_.ReadByte(StatusAddress());
  std::memcpy(&flags_[kStatus], &kStatusFlags[value], 5);
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
