// The 24 line flags of a parallel port, in the order of their getters and setters on the port
// interface: status bits 7..0, control bits 7..0, then data bits 0..7.
#pragma once

#include <cstdint>

namespace pp::port {

enum class Flag : uint8_t {
  Busy, Ack, PaperOut, SelectIn, Error, Irq, Reserved1, Reserved2,                            // status 7..0
  Unused1, Unused2, Bidirectional, IrqViaAck, SelectPrinter, InitializePrinter, AutoLineFeed, Strobe,  // control 7..0
  D0, D1, D2, D3, D4, D5, D6, D7,                                                             // data 0..7
};

inline constexpr int kFlagCount = 24;

// The flag's name as it appears in the getter and setter names ("Busy", "D0").
const char* FlagName(Flag flag);

}  // namespace pp::port
