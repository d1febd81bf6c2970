// Register model of the two simulated PC parallel ports. No Windows header: plain state.
#pragma once

#include <cstdint>

namespace simdriver {

// Port at 0x378 carries a loop-back plug that ties BUSY and PAPER-OUT to data line D6;
// port at 0x278 has nothing attached. Every other address reads 0xFF and ignores writes.
uint8_t ReadPort(uint16_t address);
void WritePort(uint16_t address, uint8_t value);

}  // namespace simdriver
