// The images of the drawn frame and the themed controls, drawn in our own XP-like design.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/image_catalog.h"
#include "raster.h"

namespace pp::imagegen {

// The whole image of a catalogue entry (all frames, top to bottom), straight alpha, top row
// first. Raises std::invalid_argument for a name it does not know.
Raster DrawImage(const pp::controls::ImageEntry& entry);

// A button-kind glyph as a complete 4-bit .bmp file (two cells: normal, disabled).
std::vector<uint8_t> DrawGlyphBitmap(const pp::controls::GlyphEntry& entry);

// Per family, frames stacked into one raster.
Raster FrameImage(const std::string& name, int width, int frame_height, int frames);
Raster ControlImage(const std::string& name, int width, int frame_height, int frames);

}  // namespace pp::imagegen
