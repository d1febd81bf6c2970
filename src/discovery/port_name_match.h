// Which devices of the system's device list count as parallel ports.
#pragma once

#include <cstddef>
#include <string_view>

namespace pp::discovery {

// The device's setup class is "Ports", in any letter case of its ASCII letters.
bool IsPortsClass(std::string_view class_name) noexcept;

// The friendly name holds "(LPT" (exactly so) somewhere: "ECP Printer Port (LPT1)". Serial
// ports share the "Ports" class and carry "(COM" instead.
bool HasLptMarker(std::string_view friendly_name) noexcept;

// The text of a property buffer: up to its first zero byte, never past its end (a property
// that fills the buffer exactly arrives without terminator).
std::string_view TextInBuffer(const char* buffer, std::size_t size) noexcept;

}  // namespace pp::discovery
