// Pictures of every generated image: each frame side by side, four times enlarged, over the
// dialog face colour; and the images in use (nine-sliced to control sizes).
#include <memory>
#include <string>

#include "controls/alpha_image.h"
#include "controls/draw_helpers.h"
#include "controls/image_catalog.h"
#include "gallery.h"
#include "toolkit/handles.h"

using namespace pp::controls;
using namespace pp::toolkit;

namespace {

constexpr int kZoom = 4;

void DrawFrame(HDC dc, const TAlphaImage& image, int frame, int frames, RECT to, bool alpha) {
  ClientDC screen(nullptr);
  UniqueMemoryDC mem(CreateCompatibleDC(screen.get()));
  SelectedObject sel(mem.get(), image.Bitmap());
  const IRect f = image.Frame(frame, frames);
  if (alpha) {
    AlphaBlendStretch(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, mem.get(), f.Left, f.Top, f.Width(),
                      f.Height());
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, mem.get(), f.Left, f.Top, f.Width(),
               f.Height(), SRCCOPY);
  }
}

}  // namespace

GALLERY_PAGE(images) {
  for (const ImageEntry& e : kCompressedImages) {
    TAlphaImage image(e.Name);
    const int fw = e.Width * kZoom, fh = e.Height / e.Frames * kZoom;
    gallery.Picture(std::string("image_") + e.Name, (fw + 6) * e.Frames + 6, fh + 12, [&](HDC dc) {
      for (int f = 0; f < e.Frames; ++f) {
        const int x = 6 + f * (fw + 6);
        DrawFrame(dc, image, f, e.Frames, {x, 6, x + fw, 6 + fh}, e.Alpha);
      }
    }, RGB(236, 233, 216));
  }
}

GALLERY_PAGE(glyph_bitmaps) {
  gallery.Picture("image_button_glyphs", 10 * 44 + 8, 2 * 19 * 3 + 16, [](HDC dc) {
    int x = 8;
    for (const GlyphEntry& g : kButtonGlyphs) {
      UniqueBitmap bmp(LoadBitmapA(ImageResourceModule(), g.Name));
      if (!bmp) continue;
      UniqueMemoryDC mem(CreateCompatibleDC(dc));
      SelectedObject sel(mem.get(), bmp.get());
      StretchBlt(dc, x, 8, g.Width, g.Height * 3, mem.get(), 0, 0, g.Width, g.Height, SRCCOPY);  // as stored
      const COLORREF key = GetPixel(mem.get(), 0, g.Height - 1);
      for (int cell = 0; cell < 2; ++cell)
        DrawTransparentBitmap(dc, x + cell * (g.Width / 2 + 2), 8 + g.Height * 3 + 8, static_cast<TColor>(key), mem.get(),
                              cell * g.Width / 2, 0, g.Width / 2, g.Height);
      x += 44;
    }
  }, RGB(236, 233, 216));
}

GALLERY_PAGE(images_in_use) {
  TAlphaImage button("XPPUSHBUTTON"), check("XPCHECKBOX"), pane("TABPANEEDGE"), caption("FRAMECAPTION"),
      tab("TABITEMTOP"), tab_left("TABITEMTOPLEFT"), close("CLOSEBUTTON"), cap_button("CAPTIONBUTTON"),
      close_glyph("CLOSEBUTTONGLYPH"), help_glyph("HELPBUTTONGLYPH");
  gallery.Picture("images_in_use", 420, 260, [&](HDC dc) {
    // Push buttons 75 x 23 in each state.
    for (int s = 0; s < 5; ++s) {
      const IRect f = button.Frame(s, 5);
      DrawNineSlice({8 + s * 82, 8, 83 + s * 82, 31}, {8, 8, 11, 14}, ToRECT(f), true, button.Bitmap(), dc);
    }
    // Check boxes in each of the twelve states.
    for (int s = 0; s < 12; ++s) {
      const IRect f = check.Frame(s, 12);
      DrawNineSlice({8 + s * 20, 40, 21 + s * 20, 53}, {0, 0, 13, 13}, ToRECT(f), true, check.Bitmap(), dc);
    }
    // A caption 300 wide, active and inactive, with a close and a help button.
    for (int a = 0; a < 2; ++a) {
      const IRect f = caption.Frame(a, 2);
      const int y = 64 + a * 34;
      DrawNineSlice({8, y, 308, y + 29}, {27, 9, 31, 13}, ToRECT(f), false, caption.Bitmap(), dc);
      for (int b = 0; b < 2; ++b) {
        const TAlphaImage& back = b == 0 ? close : cap_button;
        const TAlphaImage& glyph = b == 0 ? close_glyph : help_glyph;
        const RECT r = {282 - b * 23, y + 5, 303 - b * 23, y + 26};
        DrawNineSlice(r, {4, 4, 17, 17}, ToRECT(back.Frame(a * 4, 8)), true, back.Bitmap(), dc);
        DrawNineSlice({r.left + 4, r.top + 4, r.right - 4, r.bottom - 4}, {0, 0, 13, 13}, ToRECT(glyph.Frame(a * 4, 8)),
                      true, glyph.Bitmap(), dc);
      }
    }
    // A tab strip over a pane: first tab selected, then normal, hot, disabled.
    DrawNineSlice({8, 150, 308, 250}, {2, 2, 43, 43}, {0, 0, 48, 48}, false, pane.Bitmap(), dc);
    const int states[] = {2, 0, 1, 3};
    for (int i = 0; i < 4; ++i) {
      const TAlphaImage& img = i == 0 ? tab_left : tab;
      const int top = states[i] == 2 ? 130 : 132;
      DrawNineSlice({8 + i * 62, top, 8 + i * 62 + 60, 151}, {5, 5, 12, 12}, ToRECT(img.Frame(states[i], 5)), false,
                    img.Bitmap(), dc);
    }
  }, RGB(236, 233, 216));
}
