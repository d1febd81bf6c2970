#include "controls/glyph_layout.h"

namespace pp::controls {

IRect CaptionMeasureRect(const IRect& client, int gw, int gh, TButtonLayout layout, int spacing) {
  IRect r = client;
  if (gw > 0 && gh > 0) {
    const int gap = spacing > 0 ? spacing : 0;
    if (layout == blGlyphLeft || layout == blGlyphRight) r.Right -= gw + gap;
    else r.Bottom -= gh + gap;
  }
  return r;
}

GlyphPlacement PlaceGlyph(const IRect& client, int gw, int gh, int tw, int th, TButtonLayout layout, int margin,
                          int spacing) {
  const int cw = client.Width(), ch = client.Height();
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  GlyphPlacement p;
  IPoint text;
  if (across) {
    p.Glyph.Y = (ch - gh + 1) / 2;
    text.Y = (ch - th) / 2;
  } else {
    p.Glyph.X = (cw - gw + 1) / 2;
    text.X = (cw - tw) / 2;
  }
  int s = (tw != 0 && gw != 0) ? spacing : 0;
  int m = margin;
  const int e = across ? cw : ch, g = across ? gw : gh, t = across ? tw : th;
  if (m == -1 && s == -1) {
    m = (e - g - t) / 3;
    s = m;
  } else if (m == -1) {
    m = (e - (g + s + t)) / 2;
  } else if (s == -1) {
    s = ((e - m - g) - t) / 2;
  }
  switch (layout) {
    case blGlyphLeft: p.Glyph.X = m; text.X = m + s + gw; break;
    case blGlyphRight: p.Glyph.X = cw - (m + gw); text.X = p.Glyph.X - (s + tw); break;
    case blGlyphTop: p.Glyph.Y = m; text.Y = m + s + gh; break;
    case blGlyphBottom: p.Glyph.Y = ch - (m + gh); text.Y = p.Glyph.Y - (s + th); break;
  }
  p.Glyph.X += client.Left;
  p.Glyph.Y += client.Top;
  p.TextBounds = {text.X + client.Left, text.Y + client.Top, text.X + client.Left + tw, text.Y + client.Top + th};
  return p;
}

}  // namespace pp::controls
