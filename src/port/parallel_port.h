// One PC parallel port: its base address, a software image of its three registers (one byte
// per line flag, plus the last data and control bytes) and the transfers between image and
// hardware. Data register at base, status at base + 1, control at base + 2, in 16 bits.
//
// Flags hold the byte they were given: any non-zero byte counts as set. Decoding a register
// stores 0 or 1. Bidirectional (control bit 5) is always 0, so no control byte this class
// writes ever switches the port's data lines to input.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "port/flags.h"
#include "port/port_io.h"

namespace pp::port {

class ParallelPort {
 public:
  ParallelPort(PortIo& io, uint16_t base_address) noexcept;
  virtual ~ParallelPort() = default;
  ParallelPort(const ParallelPort&) = delete;
  ParallelPort& operator=(const ParallelPort&) = delete;

  uint16_t BaseAddress() const noexcept { return base_; }
  uint16_t DataAddress() const noexcept { return base_; }
  uint16_t StatusAddress() const noexcept { return static_cast<uint16_t>(base_ + 1); }
  uint16_t ControlAddress() const noexcept { return static_cast<uint16_t>(base_ + 2); }
  void SetBaseAddress(uint16_t base) noexcept { base_ = base; }

  uint8_t LastData() const noexcept { return last_data_; }
  uint8_t LastControl() const noexcept { return last_control_; }

  uint8_t Get(Flag flag) const noexcept { return flags_[static_cast<int>(flag)]; }
  void Set(Flag flag, uint8_t value) noexcept;  // Bidirectional ignores its argument

  uint8_t ComposeData() const noexcept;
  uint8_t ComposeControl() const noexcept;
  uint8_t ComposeStatus() const noexcept;  // bits 2..0 always 0
  void DecodeData(uint8_t value) noexcept;
  void DecodeControl(uint8_t value, uint8_t mask) noexcept;

  // Hardware transfers. A fault inside the driver propagates as an exception; the image keeps
  // whatever the steps before it set.
  // The per-access transfers are defined inline below: they are the hot path of every host
  // that polls a port.
  void ReadData();
  void WriteData();  // only when the composed byte differs from LastData
  void WriteDataByte(uint8_t value);
  void ReadStatus();  // bits 7..3; Irq, Reserved1, Reserved2 are never read
  void ReadControl();  // LastControl keeps the byte last written
  void WriteControl();
  void WriteControlMasked(uint8_t value, uint8_t mask);
  void PulseInitialize();

  // Presence probe: 0x55 then 0xAA must read back from the data register.
  void ProbePort(uint8_t* present);
  // Activity test: Busy and PaperOut must follow data bit 6 (Busy reads inverted).
  void IsPortActive(uint8_t* active);

 private:
  static constexpr int kStatus = static_cast<int>(Flag::Busy);
  static constexpr int kControl = static_cast<int>(Flag::Unused1);
  static constexpr int kData = static_cast<int>(Flag::D0);

  PortIo& io_;
  uint8_t last_data_ = 0xFF;
  uint8_t last_control_ = 0xFF;
  std::array<uint8_t, kFlagCount> flags_;
  uint16_t base_;
};

static_assert(std::endian::native == std::endian::little, "the flags are filled several at a time");

namespace detail {

// kDataFlags[v] holds byte n = bit n of v: the eight data flags of v, stored at once.
// kStatusFlags[v] holds Busy, Ack, PaperOut, SelectIn, Error (bits 7..3 of v) as bytes 0..4.
constexpr std::array<uint64_t, 256> MakeFlagTable(bool status) {
  std::array<uint64_t, 256> table{};
  for (unsigned v = 0; v < 256; ++v)
    for (unsigned i = 0; i < (status ? 5u : 8u); ++i)
      if (v & (status ? (0x80u >> i) : (1u << i))) table[v] |= uint64_t{1} << (8 * i);
  return table;
}
inline constexpr std::array<uint64_t, 256> kDataFlags = MakeFlagTable(false);
inline constexpr std::array<uint64_t, 256> kStatusFlags = MakeFlagTable(true);

}  // namespace detail

inline void ParallelPort::DecodeData(uint8_t value) noexcept {
  std::memcpy(&flags_[kData], &detail::kDataFlags[value], 8);
}

inline void ParallelPort::ReadData() {
  const uint8_t value = io_.ReadByte(DataAddress());
  DecodeData(value);
  last_data_ = value;
}

inline void ParallelPort::WriteDataByte(uint8_t value) {
  io_.WriteByte(DataAddress(), value);
  DecodeData(value);
  last_data_ = value;
}

inline void ParallelPort::ReadStatus() {
  const uint8_t value = io_.ReadByte(StatusAddress());
  std::memcpy(&flags_[kStatus], &detail::kStatusFlags[value], 5);
}

}  // namespace pp::port
