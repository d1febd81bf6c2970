// The caption options of DrawXPText / MeasureXPText, and the portable text pieces they use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pp::controls {

// Caption flags (bits may be combined).
constexpr uint8_t dtfFocusRect = 1;  // a focus rectangle around the text after drawing
constexpr uint8_t dtfDisabled = 2;   // embossed: highlight offset by (1, 1), shadow on top
constexpr uint8_t dtfWordWrap = 4;   // break at word boundaries; else one line
constexpr uint8_t dtfNoPrefix = 8;   // "&" shown literally; else it marks the underlined accelerator
constexpr uint8_t dtfSmooth = 16;    // anti-aliased output through the smooth text renderer

enum TXPEllipsis : uint8_t { xeNone, xeEnd, xePath, xeWord };
enum TXPVAlign : uint8_t { xvaTop, xvaCenter, xvaBottom };
enum TXPHAlign : uint8_t { xhaLeft, xhaRight, xhaCenter };

// "&&" becomes "&", a single "&" vanishes (a trailing one too).
std::wstring StripAcceleratorMarks(std::wstring_view text);

}  // namespace pp::controls
