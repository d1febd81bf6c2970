// Every image the plug-in carries as a resource: the compressed alpha images of the drawn frame
// and the themed controls (frames stacked vertically), and the 4-bit glyph bitmaps of the
// predefined button kinds. The image generator makes exactly these; tests check the built DLL
// against this list.
#pragma once

#include <array>

namespace pp::controls {

struct ImageEntry {
  const char* Name;
  int Width;
  int Height;  // whole image
  int Frames;  // frames of Width x Height / Frames, top to bottom
  bool Alpha;  // drawn with per-pixel alpha (else copied)
};

inline constexpr std::array<ImageEntry, 18> kCompressedImages = {{
    {"FRAMECAPTION", 66, 58, 2, false},       // active, inactive
    {"FRAMEBOTTOM", 49, 10, 2, false},
    {"FRAMELEFT", 5, 62, 2, false},
    {"FRAMERIGHT", 5, 62, 2, false},
    {"CAPTIONBUTTON", 21, 168, 8, true},      // normal, hot, pressed, disabled; active then inactive
    {"CLOSEBUTTON", 21, 168, 8, true},
    {"CLOSEBUTTONGLYPH", 13, 104, 8, true},
    {"HELPBUTTONGLYPH", 13, 104, 8, true},
    {"MAXBUTTONGLYPH", 13, 104, 8, true},
    {"MINBUTTONGLYPH", 13, 104, 8, true},
    {"RESTOREBUTTONGLYPH", 13, 104, 8, true},
    {"XPPUSHBUTTON", 20, 115, 5, true},       // normal, hot, pressed, disabled, default
    {"XPCHECKBOX", 13, 156, 12, true},        // unchecked, checked, grayed: normal, hot, pressed, disabled
    {"TABPANEEDGE", 48, 48, 1, false},
    {"TABITEMTOP", 18, 90, 5, false},         // normal, hot, selected, disabled, focused
    {"TABITEMTOPLEFT", 18, 90, 5, false},
    {"TABITEMTOPRIGHT", 18, 90, 5, false},
    {"TABITEMTOPBOTH", 18, 90, 5, false},
}};

struct GlyphEntry {
  const char* Name;
  int Width;
  int Height;
};

// Two cells side by side: normal and disabled.
inline constexpr std::array<GlyphEntry, 10> kButtonGlyphs = {{
    {"BBOK", 36, 18},
    {"BBCANCEL", 36, 18},
    {"BBHELP", 36, 18},
    {"BBYES", 36, 18},
    {"BBNO", 36, 18},
    {"BBCLOSE", 36, 18},
    {"BBABORT", 36, 18},
    {"BBRETRY", 36, 18},
    {"BBIGNORE", 36, 18},
    {"BBALL", 36, 19},
}};

}  // namespace pp::controls
