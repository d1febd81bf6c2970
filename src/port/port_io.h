// The two-function seam through which a port reaches its registers. The plug-in plugs in the
// driver library; tests plug in scripted fakes.
#pragma once

#include <cstdint>

namespace pp::port {

class PortIo {
 public:
  virtual uint8_t ReadByte(uint16_t address) = 0;
  virtual void WriteByte(uint16_t address, uint8_t value) = 0;

 protected:
  ~PortIo() = default;
};

}  // namespace pp::port
