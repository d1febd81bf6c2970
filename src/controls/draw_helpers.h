// Drawing helpers the themed controls and the drawn frame share: alpha blending, nine-slice
// images, two-colour gradients, colour arithmetic on toolkit colours, transparent copies.
#pragma once

#include <windows.h>

#include "controls/color_math.h"
#include "controls/geometry.h"
#include "toolkit/colors.h"

namespace pp::controls {

using toolkit::TColor;

// Library start and end: "GradientFill" of msimg32.dll is looked up once (a missing library or
// function selects the line-by-line fallback).
void StartDrawHelpers() noexcept;
void EndDrawHelpers() noexcept;
// Tests and benchmarks switch the fallback on and off; answers whether GradientFill was in use.
bool UseSystemGradientFill(bool on) noexcept;

// AlphaBlend, source over, constant alpha 255, per-pixel alpha (the source is premultiplied).
bool AlphaBlendStretch(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh) noexcept;

// Draws the source rectangle `s` of `bitmap` stretched to `d`, corners at their size: see
// NineSliceParts (nine_slice.h) for `c`. With use_alpha every part is blended, else copied.
void DrawNineSlice(const RECT& d, const RECT& c, const RECT& s, bool use_alpha, HBITMAP bitmap, HDC dc) noexcept;

// A two-colour gradient across `r` (left to right when horizontal, else top to bottom).
void FillGradientRect(HDC dc, const RECT& r, TColor start, bool horizontal, TColor end) noexcept;

// The colour model on toolkit colours: system colours are resolved to RGB first.
HSL ColorToHSL(TColor color) noexcept;
TColor HSLToColor(uint8_t h, uint8_t s, uint8_t l) noexcept;
TColor BlendColors(TColor a, TColor b, double t) noexcept;

// Copies the w x h source area at (sx, sy) to (x, y), leaving the destination unchanged where
// the source has the colour `key`.
void DrawTransparentBitmap(HDC dest, int x, int y, TColor key, HDC src, int sx, int sy, int w, int h) noexcept;

inline RECT ToRECT(const IRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline IRect ToIRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace pp::controls
