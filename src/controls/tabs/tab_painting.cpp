#include "controls/tabs/tab_painting.h"

#include <memory>

#include "controls/alpha_image.h"
#include "controls/draw_helpers.h"
#include "controls/theme_services.h"
#include "toolkit/handles.h"

namespace pp::controls {

using namespace toolkit;

namespace {

void Fill(HDC dc, const RECT& r, COLORREF c) {
  UniqueBrush b(CreateSolidBrush(c));
  FillRect(dc, &r, b.get());
}

void Frame(HDC dc, const RECT& r, COLORREF c) {
  UniqueBrush b(CreateSolidBrush(c));
  FrameRect(dc, &r, b.get());
}

// Vertical blend from `top` to `bottom` over r.
void Gradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
  const int h = r.bottom - r.top;
  for (int y = 0; y < h; ++y) {
    auto mix = [&](int a, int b) { return a + (b - a) * y / (h > 1 ? h - 1 : 1); };
    RECT row{r.left, r.top + y, r.right, r.top + y + 1};
    Fill(dc, row, RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
                      mix(GetBValue(top), GetBValue(bottom))));
  }
}

// Restricts drawing to `clip` for the life of the object.
class ClipTo {
 public:
  ClipTo(HDC dc, const RECT& clip) : saved_(dc) { IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom); }

 private:
  SavedDCState saved_;
};

// The Luna look's images, loaded once, on first use, for the life of the library; none when
// the plug-in carries them not (the look is then drawn by hand).
struct LunaImages {
  std::unique_ptr<TAlphaImage> pane;
  std::unique_ptr<TAlphaImage> items[4];  // middle, left edge, right edge, both edges
  bool loaded = false;
  LunaImages() {
    try {
      pane = std::make_unique<TAlphaImage>("TABPANEEDGE");
      const char* names[4] = {"TABITEMTOP", "TABITEMTOPLEFT", "TABITEMTOPRIGHT", "TABITEMTOPBOTH"};
      for (int i = 0; i < 4; ++i) items[i] = std::make_unique<TAlphaImage>(names[i]);
      loaded = true;
    } catch (const std::exception&) {
      pane.reset();
      for (auto& item : items) item.reset();
    }
  }
};

const LunaImages& Images() {
  static const LunaImages images;
  return images;
}

int FamilyBase(int detail) {
  if (detail >= kTabDetailBoth) return kTabDetailBoth;
  if (detail >= kTabDetailRight) return kTabDetailRight;
  if (detail >= kTabDetailLeft) return kTabDetailLeft;
  return kTabDetailMiddle;
}

int ThemePartOf(int base) {
  switch (base) {
    case kTabDetailLeft: return kTabPartTopItemLeftEdge;
    case kTabDetailRight: return kTabPartTopItemRightEdge;
    case kTabDetailBoth: return kTabPartTopItemBothEdges;
    default: return kTabPartTopItem;
  }
}

// A Luna tab, upright, filling r: white to beige body, a coloured band on top when hot or
// selected, rounded top corners.
void DrawLunaTab(HDC dc, const RECT& r, int state) {
  Gradient(dc, r, RGB(255, 255, 255), state == 2 ? kLunaPaneFace : RGB(236, 235, 230));
  Frame(dc, RECT{r.left, r.top, r.right, r.bottom + 1}, kLunaPaneBorder);
  if (state == 1 || state == 2) {
    const COLORREF band = state == 2 ? kLunaTabSelected : kLunaTabHot;
    Fill(dc, RECT{r.left + 1, r.top, r.right - 1, r.top + 3}, band);
  }
  for (POINT p : {POINT{r.left, r.top}, POINT{r.right - 1, r.top}}) SetPixel(dc, p.x, p.y, GetSysColor(COLOR_BTNFACE));
}

void DrawClassicTab(HDC dc, const RECT& e, TWinXPTabPosition position) {
  RECT r = e;
  const UINT sides = position == tpTop ? (BF_LEFT | BF_TOP | BF_RIGHT) : (BF_LEFT | BF_BOTTOM | BF_RIGHT);
  DrawEdge(dc, &r, EDGE_RAISED, sides | BF_MIDDLE | BF_SOFT);
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                 dark = GetSysColor(COLOR_3DDKSHADOW);
  const int L = e.left, R = e.right;
  // The outer corners rounded by single pixels; the bottom ones mirror the top ones.
  const int t0 = position == tpTop ? e.top : e.bottom - 1;
  const int t1 = position == tpTop ? e.top + 1 : e.bottom - 2;
  for (POINT p : {POINT{L, t0}, POINT{L, t1}, POINT{L + 1, t0}, POINT{R - 1, t0}, POINT{R - 1, t1}, POINT{R - 2, t0}})
    SetPixel(dc, p.x, p.y, face);
  SetPixel(dc, L + 1, t1, light);
  SetPixel(dc, R - 2, t1, dark);
}

}  // namespace

bool LunaTabImagesLoaded() { return Images().loaded; }

PaneEdges TabPaneEdges(TXPLookMode look, HTHEME theme, HDC dc) {
  switch (look) {
    case xlmLuna: return {2, 4};
    case xlmThemed: {
      RECT box{0, 0, 20, 20}, c = box;
      if (!theme || FAILED(UxGetThemeBackgroundContentRect(theme, dc, kTabPartPane, 0, &box, &c))) return {3, 3};
      return {c.top - box.top, box.bottom - c.bottom};
    }
    default: return {3, 3};
  }
}

void DrawTabPane(HDC dc, TXPLookMode look, HTHEME theme, const RECT& d, const RECT& clip) {
  ClipTo clipped(dc, clip);
  switch (look) {
    case xlmThemed:
      if (theme && SUCCEEDED(UxDrawThemeBackground(theme, dc, kTabPartPane, 0, &d, &clip))) return;
      [[fallthrough]];
    case xlmClassic: {
      RECT r = d;
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
      return;
    }
    case xlmLuna: {
      if (Images().loaded) {
        const TAlphaImage& pane = *Images().pane;
        DrawNineSlice(d, RECT{2, 2, 43, 43}, RECT{0, 0, pane.Width(), pane.Height()}, false, pane.Bitmap(), dc);
        return;
      }
      Fill(dc, d, kLunaPaneFace);
      Frame(dc, d, kLunaPaneBorder);
      // A soft shadow inside the right and bottom edges.
      Fill(dc, RECT{d.right - 2, d.top + 1, d.right - 1, d.bottom - 1}, RGB(214, 210, 194));
      Fill(dc, RECT{d.left + 1, d.bottom - 3, d.right - 1, d.bottom - 1}, RGB(214, 210, 194));
      return;
    }
  }
}

void DrawTabFace(HDC dc, TXPLookMode look, HTHEME theme, int detail, const RECT& face, const RECT& clip,
                 TWinXPTabPosition position) {
  if (look == xlmThemed && !theme) look = xlmClassic;
  if (look == xlmClassic) {
    ClipTo clipped(dc, clip);
    RECT e = face;
    e.right = clip.right;
    DrawClassicTab(dc, e, position);
    return;
  }
  const int base = FamilyBase(detail);
  const int w = face.right - face.left, h = face.bottom - face.top;
  if (w <= 0 || h <= 0) return;
  auto draw_upright = [&](HDC target, const RECT& r, const RECT* c) {
    if (look == xlmThemed) {
      UxDrawThemeBackground(theme, target, ThemePartOf(base), detail - base + 1, &r, c);
    } else if (Images().loaded) {
      const TAlphaImage& item = *Images().items[(base - kTabDetailMiddle) / 5];
      DrawNineSlice(r, RECT{5, 5, 12, 12}, ToRECT(item.Frame(detail - base, 5)), false, item.Bitmap(), target);
    } else {
      DrawLunaTab(target, r, detail - base);
    }
  };
  if (position == tpTop) {
    ClipTo clipped(dc, clip);
    draw_upright(dc, face, &clip);
    return;
  }
  // Below the pane: the upright face drawn off-screen and copied upside down.
  UniqueMemoryDC memory(CreateCompatibleDC(dc));
  UniqueBitmap bitmap(CreateCompatibleBitmap(dc, w, h));
  if (!memory || !bitmap) return;
  SelectedObject selected(memory.get(), bitmap.get());
  // What lies under it, upside down, so that it comes back upright.
  StretchBlt(memory.get(), 0, h - 1, w, -h, dc, face.left, face.top, w, h, SRCCOPY);
  RECT upright{0, 0, w, h};
  draw_upright(memory.get(), upright, nullptr);
  ClipTo clipped(dc, clip);
  StretchBlt(dc, face.left, face.bottom - 1, w, -h, memory.get(), 0, 0, w, h, SRCCOPY);
}

void DrawScrollArrow(HDC dc, TXPLookMode look, HTHEME theme, const RECT& r, bool left, ScrollArrowState state) {
  if (look == xlmThemed && theme) {
    // The scroll bar's arrow buttons: left 9..12, right 13..16 (normal, hot, pressed, disabled).
    const int s = (left ? 9 : 13) + static_cast<int>(state);
    if (SUCCEEDED(UxDrawThemeBackground(theme, dc, 1, s, &r, nullptr))) return;
  }
  if (look == xlmLuna) {
    const COLORREF border = state == ScrollArrowState::Disabled ? RGB(201, 199, 186) : RGB(0, 60, 116);
    const COLORREF top = state == ScrollArrowState::Pressed ? RGB(220, 220, 215)
                         : state == ScrollArrowState::Hot   ? RGB(255, 255, 255)
                                                            : RGB(250, 250, 248);
    const COLORREF bottom = state == ScrollArrowState::Hot ? RGB(232, 236, 255) : RGB(236, 235, 230);
    RECT body{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    Gradient(dc, body, top, bottom);
    Frame(dc, r, border);
    // The arrow: a small filled triangle in the middle.
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const COLORREF ink = state == ScrollArrowState::Disabled ? RGB(161, 161, 146) : RGB(77, 97, 133);
    for (int i = 0; i < 4; ++i) {
      const int x = left ? cx - 2 + i : cx + 1 - i;
      Fill(dc, RECT{x, cy - i, x + 1, cy + i + 1}, ink);
    }
    return;
  }
  RECT c = r;
  UINT flags = DFCS_SCROLLLEFT;
  if (!left) flags = DFCS_SCROLLRIGHT;
  if (state == ScrollArrowState::Pressed) flags |= DFCS_PUSHED | DFCS_FLAT;
  if (state == ScrollArrowState::Hot) flags |= DFCS_HOT;
  if (state == ScrollArrowState::Disabled) flags |= DFCS_INACTIVE;
  DrawFrameControl(dc, &c, DFC_SCROLL, flags);
}

}  // namespace pp::controls
