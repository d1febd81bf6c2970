// Captions of the themed controls: drawing and measuring wide text with the library's own
// flags, and laying a glyph out beside its caption.
#pragma once

#include <windows.h>

#include <string>

#include "controls/glyph_layout.h"
#include "controls/text_flags.h"
#include "toolkit/canvas.h"
#include "toolkit/graphics.h"

namespace pp::controls {

// Draws `text` into `r` aligned as asked, in `color` (clDefault: the font's colour). The DC
// comes back as it was on every path, clip region included.
void DrawXPText(toolkit::TCanvas& canvas, const RECT& r, const std::wstring& text, uint8_t ellipsis, uint8_t flags,
                uint8_t valign, uint8_t halign, toolkit::TColor color, const toolkit::TFont& font);

// The size the text takes when drawn into `r` with `flags` (no ellipsis).
SIZE MeasureXPText(toolkit::TCanvas& canvas, const RECT& r, const std::wstring& text, uint8_t flags,
                   const toolkit::TFont& font);

// Where a glyph of `glyph` size and the caption go inside `client` (see glyph_layout.h).
void CalcGlyphLayout(toolkit::TCanvas& canvas, const RECT& client, const toolkit::TFont& font, uint8_t flags,
                     SIZE glyph, const std::wstring& caption, TButtonLayout layout, int margin, int spacing,
                     POINT& glyph_pos, RECT& text_bounds);

// The smooth renderer behind dtfSmooth: the same text into the same rectangle, anti-aliased.
void DrawSmoothText(HDC dc, const RECT& r, const std::wstring& text, UINT format, COLORREF color, HFONT font);
// Measures without accelerator marks (unless format has DT_NOPREFIX).
SIZE MeasureSmoothText(HDC dc, const RECT& r, const std::wstring& text, UINT format, HFONT font);

}  // namespace pp::controls
