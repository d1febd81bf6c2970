// The drawn window frame: caption, borders, caption buttons and their glyphs. Active frames are
// a saturated blue, inactive ones a pale grey-blue; buttons get lighter when hot, darker when
// pressed and washed out when disabled.
#include <cmath>
#include <stdexcept>

#include "images.h"

namespace pp::imagegen {

namespace {

const Rgba kFace = RGB8(236, 233, 216);

struct FrameColours {
  Rgba light, mid, dark, edge;
};
FrameColours Colours(bool active) {
  if (active) return {RGB8(61, 149, 255), RGB8(0, 88, 230), RGB8(0, 62, 190), RGB8(0, 25, 120)};
  return {RGB8(165, 190, 240), RGB8(122, 150, 223), RGB8(110, 135, 205), RGB8(80, 100, 170)};
}

Raster Caption(int w, int h, bool active) {
  const FrameColours c = Colours(active);
  Raster r(w, h);
  r.Fill([](float, float) { return true; }, kFace);  // behind the rounded corners (opaque image)
  // Light band at the top, the body below, darker towards the border.
  r.Fill(RoundRect(0, 0, w, h + 8, 7), [&](float, float y) {
    if (y < 3) return Mix(c.light, c.mid, y / 3);
    if (y < h - 4) return Mix(c.mid, c.dark, (y - 3) / (h - 7));
    return c.dark;
  });
  r.Fill(Minus(RoundRect(0, 0, w, h + 8, 7), RoundRect(1, 1, w - 1, h + 8, 6)), c.edge);
  r.Fill(Segment(7, 1.5f, w - 7, 1.5f, 0.5f), WithAlpha(RGB8(255, 255, 255), active ? 0.55f : 0.35f));
  return r;
}

Raster Border(int w, int h, bool active, bool left, bool bottom) {
  const FrameColours c = Colours(active);
  Raster r(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // Distance from the outer edge: 0 is the outline, then the body getting lighter inwards.
      const int d = bottom ? h - 1 - y : (left ? x : w - 1 - x);
      Rgba p = d == 0 ? c.edge : Mix(c.dark, c.mid, (d - 1) / 3.f);
      if (bottom && (x == 0 || x == w - 1)) p = c.edge;
      r.Set(x, y, p);
    }
  return r;
}

// Caption button background: a rounded square with a white rim.
Raster ButtonBack(int n, int state, bool active, bool close) {
  Rgba top, bottom;
  if (close) {
    top = RGB8(230, 110, 80);
    bottom = RGB8(200, 50, 20);
  } else {
    top = RGB8(90, 150, 255);
    bottom = RGB8(20, 80, 220);
  }
  if (state == 1) {  // hot: lighter
    top = Mix(top, RGB8(255, 255, 255), 0.35f);
    bottom = Mix(bottom, RGB8(255, 255, 255), 0.25f);
  } else if (state == 2) {  // pressed: darker, lit from below
    std::swap(top, bottom);
    top = Mix(top, RGB8(0, 0, 0), 0.3f);
  } else if (state == 3) {  // disabled: washed out
    top = Mix(top, RGB8(200, 200, 200), 0.6f);
    bottom = Mix(bottom, RGB8(200, 200, 200), 0.6f);
  }
  const float alpha = active ? 1.f : 0.6f;
  Raster r(n, n);
  r.Fill(RoundRect(1, 1, n - 1, n - 1, 3), [&](float x, float y) {
    return WithAlpha(VGradient(top, bottom, 1, n - 1)(x, y), alpha);
  });
  r.Fill(RoundRectRing(0, 0, n, n, 4, 1.2f), WithAlpha(RGB8(255, 255, 255), alpha * (state == 3 ? 0.6f : 0.95f)));
  return r;
}

Inside GlyphShape(const std::string& name) {
  if (name == "CLOSEBUTTONGLYPH") return Union(Segment(3, 3, 10, 10, 1.3f), Segment(10, 3, 3, 10, 1.3f));
  if (name == "MINBUTTONGLYPH") return RoundRect(3, 9, 9, 11.5f, 0.3f);
  if (name == "MAXBUTTONGLYPH")
    return Union(RoundRectRing(2, 2, 11, 11, 0.5f, 1.1f), RoundRect(2, 2, 11, 4.2f, 0.3f));
  if (name == "RESTOREBUTTONGLYPH") {
    Inside back = Union(RoundRectRing(5, 1.5f, 12, 8.5f, 0.4f, 1.1f), RoundRect(5, 1.5f, 12, 3.5f, 0.2f));
    Inside front = Union(RoundRectRing(1.5f, 5, 8.5f, 12, 0.4f, 1.1f), RoundRect(1.5f, 5, 8.5f, 7, 0.2f));
    return Union(Minus(back, RoundRect(1.5f, 5, 8.5f, 12, 0)), front);
  }
  if (name == "HELPBUTTONGLYPH") {
    // A question mark: an open bow, a stem and a dot.
    Inside bow = [](float x, float y) {
      const float dx = x - 6.5f, dy = y - 4.5f, d = std::sqrt(dx * dx + dy * dy);
      return d >= 1.6f && d <= 3.2f && !(dx < 0 && dy > -0.5f);
    };
    return Union(Union(bow, Segment(6.5f, 7.2f, 6.5f, 8.4f, 0.8f)), RoundRect(5.6f, 9.8f, 7.4f, 11.6f, 0.9f));
  }
  throw std::invalid_argument("no glyph " + name);
}

Raster Glyph(const std::string& name, int n, int state, bool active) {
  Raster r(n, n);
  Inside shape = GlyphShape(name);
  const float alpha = (state == 3 ? 0.45f : 1.f) * (active ? 1.f : 0.75f);
  // A soft dark shadow one pixel down-right, then the white symbol.
  r.Fill([&](float x, float y) { return shape(x - 0.8f, y - 0.8f); }, WithAlpha(RGB8(0, 0, 60), 0.35f * alpha));
  const Rgba ink = state == 2 ? RGB8(225, 230, 240) : RGB8(255, 255, 255);
  r.Fill(shape, WithAlpha(ink, alpha));
  return r;
}

}  // namespace

Raster FrameImage(const std::string& name, int w, int fh, int frames) {
  Raster out(w, fh * frames);
  for (int f = 0; f < frames; ++f) {
    Raster frame(w, fh);
    if (name == "FRAMECAPTION") frame = Caption(w, fh, f == 0);
    else if (name == "FRAMEBOTTOM") frame = Border(w, fh, f == 0, false, true);
    else if (name == "FRAMELEFT") frame = Border(w, fh, f == 0, true, false);
    else if (name == "FRAMERIGHT") frame = Border(w, fh, f == 0, false, false);
    else if (name == "CAPTIONBUTTON" || name == "CLOSEBUTTON") frame = ButtonBack(w, f % 4, f < 4, name == "CLOSEBUTTON");
    else frame = Glyph(name, w, f % 4, f < 4);
    out.Paste(frame, 0, f * fh);
  }
  return out;
}

}  // namespace pp::imagegen
