// Pictures of the drawing helpers: gradients, nine-slice at several sizes, captions with each
// flag, glyph layouts.
#include <string>

#include "controls/alpha_image.h"
#include "controls/draw_helpers.h"
#include "controls/image_format.h"
#include "controls/xp_controls.h"
#include "controls/xp_text.h"
#include "gallery.h"
#include "toolkit/canvas.h"
#include "toolkit/handles.h"

using namespace pp::controls;
using namespace pp::toolkit;

namespace {

void Frame(HDC dc, RECT r, COLORREF c) {
  UniqueBrush b(CreateSolidBrush(c));
  FrameRect(dc, &r, b.get());
}

void SetCaptionFont(TFont& f) {
  f.SetName("Tahoma");
  f.SetHeight(-11);
}

}  // namespace

GALLERY_PAGE(gradients) {
  gallery.Picture("helpers_gradients", 420, 130, [](HDC dc) {
    for (int fallback = 0; fallback < 2; ++fallback) {
      const bool was = UseSystemGradientFill(fallback == 0);
      const int y = fallback * 64;
      FillGradientRect(dc, {4, y + 4, 204, y + 60}, RGBColor(255, 255, 255), true, RGBColor(49, 106, 197));
      FillGradientRect(dc, {212, y + 4, 412, y + 60}, XPColorFace, false, RGBColor(196, 195, 191));
      FillGradientRect(dc, {206, y + 4, 207, y + 60}, clRed, true, clBlue);  // 1 pixel wide: the start colour
      UseSystemGradientFill(was);
    }
  });
}

GALLERY_PAGE(nine_slice) {
  // A rounded, shaded 16 x 16 tile drawn here in code: corners must stay crisp at every size.
  const int n = 16;
  std::vector<uint32_t> px(n * n);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const int dx = x < 5 ? 5 - x : x > 10 ? x - 10 : 0, dy = y < 5 ? 5 - y : y > 10 ? y - 10 : 0;
      const int d2 = dx * dx + dy * dy;
      const uint32_t a = d2 > 30 ? 0 : d2 > 20 ? 0x80 : 0xFF;
      const bool edge = d2 > 12 && d2 <= 30;
      const uint32_t shade = 255 - y * 6;
      const uint32_t rgb = edge ? 0x003C7FB1 : (shade << 16) | (shade << 8) | 0xFF;
      px[y * n + x] = (a << 24) | rgb;
    }
  const std::vector<uint8_t> bytes = EncodeAlphaImage(n, n, px);
  TAlphaImage image("TILE", bytes.data(), bytes.size());
  gallery.Picture("helpers_nine_slice", 420, 140, [&](HDC dc) {
    const RECT c = {6, 6, 10, 10}, s = {0, 0, n, n};
    int x = 4;
    for (SIZE size : {SIZE{16, 16}, SIZE{40, 24}, SIZE{90, 30}, SIZE{60, 120}, SIZE{150, 60}}) {
      DrawNineSlice({x, 4, x + size.cx, 4 + size.cy}, c, s, true, image.Bitmap(), dc);
      x += size.cx + 8;
    }
    DrawNineSlice({4, 80, 154, 130}, c, s, false, image.Bitmap(), dc);  // copies: no blending
  }, RGB(236, 233, 216));
}

GALLERY_PAGE(captions) {
  gallery.Picture("helpers_captions", 420, 260, [](HDC dc) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    TFont font;
    SetCaptionFont(font);
    struct Row {
      const wchar_t* text;
      uint8_t flags, ellipsis, valign, halign;
    };
    const Row rows[] = {
        {L"&Plain caption", 0, xeNone, xvaCenter, xhaLeft},
        {L"&Disabled caption", dtfDisabled, xeNone, xvaCenter, xhaLeft},
        {L"Focus &rectangle", dtfFocusRect, xeNone, xvaCenter, xhaCenter},
        {L"No && prefix & shown", dtfNoPrefix, xeNone, xvaCenter, xhaRight},
        {L"Word wrap breaks this long caption over lines", dtfWordWrap, xeNone, xvaTop, xhaLeft},
        {L"An end ellipsis cuts this caption short", 0, xeEnd, xvaCenter, xhaLeft},
        {L"C:\\Path\\Ellipsis\\In\\The\\Middle\\File.txt", 0, xePath, xvaCenter, xhaLeft},
        {L"S&mooth caption text", dtfSmooth, xeNone, xvaBottom, xhaLeft},
    };
    int y = 4;
    for (const Row& r : rows) {
      const RECT box = {8, y, 200, y + 28};
      Frame(dc, {box.left - 2, box.top - 2, box.right + 2, box.bottom + 2}, RGB(200, 200, 200));
      DrawXPText(canvas, box, r.text, r.ellipsis, r.flags, r.valign, r.halign, clDefault, font);
      const SIZE size = MeasureXPText(canvas, box, r.text, r.flags, font);
      Frame(dc, {220, y, 220 + size.cx, y + size.cy}, RGB(255, 0, 0));  // the measured size
      y += 32;
    }
    canvas.SetHandle(nullptr);
  });
}

GALLERY_PAGE(glyph_layouts) {
  gallery.Picture("helpers_glyph_layouts", 420, 100, [](HDC dc) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    TFont font;
    SetCaptionFont(font);
    int x = 4;
    for (TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
      const RECT client = {x, 4, x + 96, 90};
      Frame(dc, client, RGB(128, 128, 128));
      POINT g{};
      RECT t{};
      CalcGlyphLayout(canvas, client, font, 0, {16, 16}, L"&Caption", layout, -1, 4, g, t);
      UniqueBrush glyph(CreateSolidBrush(RGB(49, 106, 197)));
      RECT gr = {g.x, g.y, g.x + 16, g.y + 16};
      FillRect(dc, &gr, glyph.get());
      DrawXPText(canvas, t, L"&Caption", xeNone, 0, xvaTop, xhaLeft, clDefault, font);
      Frame(dc, t, RGB(255, 160, 160));
      x += 104;
    }
    canvas.SetHandle(nullptr);
  });
}
