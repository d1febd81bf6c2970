#include "controls/draw_helpers.h"

#include <vector>

#include "controls/gradient_math.h"
#include "controls/nine_slice.h"
#include "toolkit/handles.h"

namespace pp::controls {

using namespace pp::toolkit;

namespace {

using GradientFillFn = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
HMODULE g_msimg32 = nullptr;
GradientFillFn g_gradient_fill = nullptr;
bool g_use_gradient_fill = true;

TRIVERTEX Vertex(int x, int y, uint32_t rgb) {
  TRIVERTEX v{};
  v.x = x;
  v.y = y;
  v.Red = static_cast<COLOR16>((rgb & 0xFF) << 8);
  v.Green = static_cast<COLOR16>(((rgb >> 8) & 0xFF) << 8);
  v.Blue = static_cast<COLOR16>(((rgb >> 16) & 0xFF) << 8);
  v.Alpha = 0;
  return v;
}

}  // namespace

void StartDrawHelpers() noexcept {
  if (g_msimg32) return;
  g_msimg32 = LoadLibraryA("msimg32.dll");
  g_gradient_fill =
      g_msimg32 ? reinterpret_cast<GradientFillFn>(reinterpret_cast<void*>(GetProcAddress(g_msimg32, "GradientFill")))
                : nullptr;
}

void EndDrawHelpers() noexcept {
  g_gradient_fill = nullptr;
  if (g_msimg32) FreeLibrary(g_msimg32);
  g_msimg32 = nullptr;
}

bool UseSystemGradientFill(bool on) noexcept {
  const bool was = g_use_gradient_fill;
  g_use_gradient_fill = on;
  return was;
}

bool AlphaBlendStretch(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh) noexcept {
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return AlphaBlend(dest, x, y, w, h, src, sx, sy, sw, sh, blend) != FALSE;
}

void DrawNineSlice(const RECT& d, const RECT& c, const RECT& s, bool use_alpha, HBITMAP bitmap, HDC dc) noexcept {
  const int old_mode = SetStretchBltMode(dc, HALFTONE);
  POINT old_origin{};
  SetBrushOrgEx(dc, 0, 0, &old_origin);  // HALFTONE wants the brush origin reset
  ClientDC screen(nullptr);
  UniqueMemoryDC memory(CreateCompatibleDC(screen.get()));
  if (memory) {
    SelectedObject selected(memory.get(), bitmap);
    for (const SlicePart& p : NineSliceParts(ToIRect(d), ToIRect(c), ToIRect(s))) {
      const IRect& t = p.Dest;
      const IRect& f = p.Source;
      if (t.Width() <= 0 || t.Height() <= 0 || f.Width() <= 0 || f.Height() <= 0) continue;
      if (use_alpha)
        AlphaBlendStretch(dc, t.Left, t.Top, t.Width(), t.Height(), memory.get(), f.Left, f.Top, f.Width(), f.Height());
      else if (p.Corner)
        BitBlt(dc, t.Left, t.Top, t.Width(), t.Height(), memory.get(), f.Left, f.Top, SRCCOPY);
      else
        StretchBlt(dc, t.Left, t.Top, t.Width(), t.Height(), memory.get(), f.Left, f.Top, f.Width(), f.Height(), SRCCOPY);
    }
  }
  SetBrushOrgEx(dc, old_origin.x, old_origin.y, nullptr);
  if (old_mode) SetStretchBltMode(dc, old_mode);
}

void FillGradientRect(HDC dc, const RECT& r, TColor start, bool horizontal, TColor end) noexcept {
  const uint32_t a = ColorToRGB(start), b = ColorToRGB(end);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  if (g_gradient_fill && g_use_gradient_fill) {
    TRIVERTEX v[2] = {Vertex(r.left, r.top, a), Vertex(r.right, r.bottom, b)};
    GRADIENT_RECT mesh{0, 1};
    g_gradient_fill(dc, v, 2, &mesh, 1, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return;
  }
  // One line pixel by pixel, then block copies of it: the cost follows the line's length and the
  // number of copies, not the area.
  const std::vector<uint32_t> line = GradientLine(a, b, horizontal ? w : h);
  for (size_t i = 0; i < line.size(); ++i) {
    const int x = horizontal ? r.left + static_cast<int>(i) : r.left;
    const int y = horizontal ? r.top : r.top + static_cast<int>(i);
    SetPixel(dc, x, y, line[i]);
  }
  // Doubling copies: each BitBlt copies everything done so far.
  if (horizontal) {
    for (int done = 1; done < h;) {
      const int n = std::min(done, h - done);
      BitBlt(dc, r.left, r.top + done, w, n, dc, r.left, r.top, SRCCOPY);
      done += n;
    }
  } else {
    for (int done = 1; done < w;) {
      const int n = std::min(done, w - done);
      BitBlt(dc, r.left + done, r.top, n, h, dc, r.left, r.top, SRCCOPY);
      done += n;
    }
  }
}

HSL ColorToHSL(TColor color) noexcept { return RGBToHSL(ColorToRGB(color)); }
TColor HSLToColor(uint8_t h, uint8_t s, uint8_t l) noexcept { return static_cast<TColor>(HSLToRGB(h, s, l)); }
TColor BlendColors(TColor a, TColor b, double t) noexcept {
  return static_cast<TColor>(BlendRGB(ColorToRGB(a), ColorToRGB(b), t));
}

void DrawTransparentBitmap(HDC dest, int x, int y, TColor key, HDC src, int sx, int sy, int w, int h) noexcept {
  if (w <= 0 || h <= 0) return;
  // The mask: a monochrome copy of the source made with the key as background colour has its
  // bits set exactly where the source is the key.
  UniqueMemoryDC mask_dc(CreateCompatibleDC(dest));
  UniqueBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  if (!mask_dc || !mask) return;
  SelectedObject selected(mask_dc.get(), mask.get());
  const COLORREF old_bk = SetBkColor(src, ColorToRGB(key));
  BitBlt(mask_dc.get(), 0, 0, w, h, src, sx, sy, SRCCOPY);
  SetBkColor(src, old_bk);
  // MaskBlt: where the mask is 1 keep the destination (background rop), elsewhere copy the
  // source (foreground rop). Windows 9x lacked it; the NT family (our floor) has it.
  const COLORREF old_text = SetTextColor(dest, RGB(0, 0, 0));
  const COLORREF old_dest_bk = SetBkColor(dest, RGB(255, 255, 255));
  if (!MaskBlt(dest, x, y, w, h, src, sx, sy, mask.get(), 0, 0, MAKEROP4(0x00AA0029 /* dest */, SRCCOPY))) {
    BitBlt(dest, x, y, w, h, src, sx, sy, SRCINVERT);
    BitBlt(dest, x, y, w, h, mask_dc.get(), 0, 0, SRCAND);
    BitBlt(dest, x, y, w, h, src, sx, sy, SRCINVERT);
  }
  SetTextColor(dest, old_text);
  SetBkColor(dest, old_dest_bk);
}

}  // namespace pp::controls
