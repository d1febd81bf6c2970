// Colour identifiers a layout may use. A colour is 0x00BBGGRR, or a system colour: 0xFF000000
// plus the system colour index (clBtnFace = 0xFF00000F); clNone and clDefault are markers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "layout/property_table.h"

namespace pp::layout {

std::span<const NamedConstant> ColorNames() noexcept;
std::optional<std::int64_t> ColorFromName(std::string_view name) noexcept;

}  // namespace pp::layout
