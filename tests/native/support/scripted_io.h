// A port I/O fake: records every access and answers reads from per-address scripts, or from a
// function of the registers written so far (to model wiring such as a loop-back plug).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "port/port_io.h"

namespace pp::test {

struct Access {
  char kind;  // 'R' or 'W'
  uint16_t address;
  uint8_t value;
  bool operator==(const Access&) const = default;
};

inline std::string ToString(const Access& a) {
  char text[32];
  std::snprintf(text, sizeof text, "%c %04X %02X", a.kind, a.address, a.value);
  return text;
}

class ScriptedIo : public port::PortIo {
 public:
  // Reads of this address return these bytes in turn, then keep returning the last one.
  void Script(uint16_t address, std::deque<uint8_t> bytes) { scripts_[address] = std::move(bytes); }
  // Reads of unscripted addresses ask this; by default the last byte written there, else 0xFF.
  std::function<uint8_t(uint16_t)> on_read;
  // Makes the next read throw, as a faulting driver does.
  bool fault_next_read = false;

  uint8_t ReadByte(uint16_t address) override {
    if (fault_next_read) {
      fault_next_read = false;
      throw std::runtime_error("driver fault");
    }
    uint8_t value;
    auto it = scripts_.find(address);
    if (it != scripts_.end() && !it->second.empty()) {
      value = it->second.front();
      if (it->second.size() > 1) it->second.pop_front();
    } else if (on_read) {
      value = on_read(address);
    } else {
      auto w = written_.find(address);
      value = w == written_.end() ? 0xFF : w->second;
    }
    log.push_back({'R', address, value});
    return value;
  }

  void WriteByte(uint16_t address, uint8_t value) override {
    written_[address] = value;
    log.push_back({'W', address, value});
  }

  uint8_t LastWritten(uint16_t address) const {
    auto w = written_.find(address);
    return w == written_.end() ? 0 : w->second;
  }
  std::vector<Access> Writes() const {
    std::vector<Access> out;
    for (const Access& a : log)
      if (a.kind == 'W') out.push_back(a);
    return out;
  }

  std::vector<Access> log;

 private:
  std::map<uint16_t, std::deque<uint8_t>> scripts_;
  std::map<uint16_t, uint8_t> written_;
};

}  // namespace pp::test
