// Where a glyph and its caption go inside a control: the arithmetic of CalcGlyphLayout, with
// the caption already measured (the Win32 side measures it in the space left beside the glyph).
#pragma once

#include "controls/geometry.h"

namespace pp::controls {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct GlyphPlacement {
  IPoint Glyph;     // top-left of the glyph
  IRect TextBounds;
};

// The rectangle the caption is measured in: the client less the glyph (and the spacing, when
// positive) along the layout's axis.
IRect CaptionMeasureRect(const IRect& client, int glyph_w, int glyph_h, TButtonLayout layout, int spacing);

// margin or spacing -1 means "share the free space evenly".
GlyphPlacement PlaceGlyph(const IRect& client, int glyph_w, int glyph_h, int text_w, int text_h,
                          TButtonLayout layout, int margin, int spacing);

}  // namespace pp::controls
