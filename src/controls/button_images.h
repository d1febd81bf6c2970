// The button family's process-wide images: "XPPUSHBUTTON" (five frames of 20 x 23: normal, hot,
// pressed, disabled, default) and "XPCHECKBOX" (twelve frames of 13 x 13), loaded by the first
// button-family control made and kept until the plug-in unloads; and the kind glyphs.
#pragma once

#include <windows.h>

#include "controls/alpha_image.h"

namespace pp::controls {

constexpr int kPushButtonFrames = 5;
constexpr int kCheckBoxFrames = 12;

// Loads both images when they are not loaded yet. One that cannot be loaded stays missing (and
// is tried again by the next control made); its controls then draw classic in the Luna look.
void LoadButtonImages() noexcept;
// nullptr before LoadButtonImages.
const TAlphaImage* PushButtonImage() noexcept;
const TAlphaImage* CheckBoxImage() noexcept;
// Library end: the images and the cached kind glyphs.
void FreeButtonImages() noexcept;

}  // namespace pp::controls
