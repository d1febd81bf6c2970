// The glyphs of the predefined button kinds: 4-bit bitmaps of two cells side by side, normal and
// disabled, on an olive background that the buttons treat as transparent (the colour of the
// bottom-left pixel). Shapes are drawn with coverage and snapped to the 16-colour palette.
#include <cmath>
#include <stdexcept>
#include <string>

#include "images.h"

namespace pp::imagegen {

namespace {

// The 16 colours of the classic VGA palette, in index order.
constexpr uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                   0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
enum : uint8_t { kBlack = 0, kMaroon = 1, kGreen = 2, kOlive = 3, kNavy = 4, kTeal = 6, kSilver = 7, kGray = 8,
                 kRed = 9, kLime = 10, kYellow = 11, kBlue = 12, kWhite = 15 };

struct Stroke {
  Inside shape;
  uint8_t colour;
};

Inside Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}
Inside Ring(float cx, float cy, float r, float w) { return Minus(Circle(cx, cy, r), Circle(cx, cy, r - w)); }
Inside Tick(float dx, float dy) {
  return Union(Segment(3.5f + dx, 9.5f + dy, 7 + dx, 13 + dy, 1.3f), Segment(7 + dx, 13 + dy, 14.5f + dx, 4.5f + dy, 1.3f));
}
Inside Cross(float s) { return Union(Segment(4.5f, 4.5f, 4.5f + s, 4.5f + s, 1.4f), Segment(4.5f + s, 4.5f, 4.5f, 4.5f + s, 1.4f)); }

// What each kind shows, outline first, fill and highlights after.
std::vector<Stroke> Strokes(const std::string& name) {
  if (name == "BBOK") return {{Tick(0, 0), kGreen}};
  if (name == "BBYES") return {{Tick(0, 0), kGreen}, {Tick(0, -0.6f), kLime}};
  if (name == "BBALL") return {{Tick(-1.5f, 0.5f), kGreen}, {Tick(1.5f, -1.5f), kGreen}, {Tick(1.5f, -2), kLime}};
  if (name == "BBCANCEL") return {{Cross(9), kRed}};
  if (name == "BBNO") return {{Ring(9, 9, 6.5f, 2), kRed}, {Segment(4.8f, 4.8f, 13.2f, 13.2f, 1), kRed}};
  if (name == "BBABORT") {
    // A stop sign: a red octagon with a white bar.
    Inside octagon = [](float x, float y) {
      const float dx = std::fabs(x - 9), dy = std::fabs(y - 9);
      return dx <= 7 && dy <= 7 && dx + dy <= 10;
    };
    return {{octagon, kRed}, {RoundRect(5, 8, 13, 10, 0), kWhite}};
  }
  if (name == "BBHELP") {
    Inside bow = [](float x, float y) {
      const float dx = x - 9, dy = y - 6.5f, d = std::sqrt(dx * dx + dy * dy);
      return d >= 2.2f && d <= 4.5f && !(dx < 0 && dy > -0.5f);
    };
    return {{Union(Union(bow, Segment(9, 10.5f, 9, 12, 1.1f)), Circle(9, 15, 1.4f)), kBlue}};
  }
  if (name == "BBCLOSE") {
    // A door: frame, open leaf and an arrow out of it.
    return {{RoundRect(3, 2, 11, 16, 0), kMaroon},
            {RoundRect(4, 3, 10, 16, 0), kYellow},
            {Segment(10, 9, 16, 9, 0.9f), kBlack},
            {Union(Segment(16, 9, 13.5f, 6.5f, 0.9f), Segment(16, 9, 13.5f, 11.5f, 0.9f)), kBlack}};
  }
  if (name == "BBRETRY") {
    // A circular arrow: three quarters of a ring with a head.
    Inside arc = [](float x, float y) {
      const float dx = x - 9, dy = y - 9, d = std::sqrt(dx * dx + dy * dy);
      return d >= 3.8f && d <= 6 && !(dx > 0 && dy < 0);
    };
    Inside head = [](float x, float y) { return y >= 1.5f && y <= 7.5f && x >= 9 && x <= 9 + (y - 1.5f) * 0.9f && x <= 9 + (7.5f - y) * 0.9f + 3; };
    return {{arc, kGreen}, {head, kGreen}};
  }
  if (name == "BBIGNORE") {
    // A document with a line struck through it.
    return {{RoundRect(4, 2, 14, 16, 0), kGray},
            {RoundRect(5, 3, 13, 15, 0), kWhite},
            {Union(Segment(6.5f, 6, 11.5f, 6, 0.5f), Segment(6.5f, 9, 11.5f, 9, 0.5f)), kNavy},
            {Segment(2.5f, 15, 15.5f, 3, 1.1f), kRed}};
  }
  throw std::invalid_argument("no button glyph " + name);
}

std::vector<uint8_t> Cells(const std::string& name, int w, int h) {
  const int cell = w / 2;
  std::vector<uint8_t> px(static_cast<size_t>(w) * h, kOlive);
  auto covered = [](const Inside& s, int x, int y) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
      for (int sx = 0; sx < 4; ++sx) hits += s(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
    return hits >= 7;  // about half: crisp edges on a palette
  };
  const float dy = (h - 18) / 2.f;
  std::vector<Stroke> strokes = Strokes(name);
  for (const Stroke& s : strokes)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < cell; ++x)
        if (covered(s.shape, x, static_cast<int>(y - dy))) px[static_cast<size_t>(y) * w + x] = s.colour;
  // Disabled: the union of the shapes embossed, white one pixel down-right under grey.
  auto any = [&](int x, int y) {
    for (const Stroke& s : strokes)
      if (covered(s.shape, x, static_cast<int>(y - dy))) return true;
    return false;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < cell; ++x) {
      if (x > 0 && y > 0 && any(x - 1, y - 1)) px[static_cast<size_t>(y) * w + cell + x] = kWhite;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < cell; ++x)
      if (any(x, y)) px[static_cast<size_t>(y) * w + cell + x] = kGray;
  return px;
}

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> DrawGlyphBitmap(const pp::controls::GlyphEntry& e) {
  const std::vector<uint8_t> px = Cells(e.Name, e.Width, e.Height);
  const int row = ((e.Width * 4 + 31) / 32) * 4;
  const uint32_t image = static_cast<uint32_t>(row * e.Height);
  const uint32_t offset = 14 + 40 + 16 * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put(out, offset + image, 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, 40, 4);
  Put(out, static_cast<uint32_t>(e.Width), 4);
  Put(out, static_cast<uint32_t>(e.Height), 4);
  Put(out, 1, 2);
  Put(out, 4, 2);
  Put(out, 0, 4);
  Put(out, image, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  Put(out, 16, 4);
  Put(out, 0, 4);
  for (uint32_t c : kPalette) Put(out, c, 4);  // RGBQUAD: blue, green, red, 0 = 0x00RRGGBB little-endian
  for (int y = e.Height - 1; y >= 0; --y) {
    std::vector<uint8_t> bytes(static_cast<size_t>(row), 0);
    for (int x = 0; x < e.Width; ++x) {
      const uint8_t v = px[static_cast<size_t>(y) * e.Width + x];
      bytes[static_cast<size_t>(x / 2)] |= (x % 2 == 0) ? static_cast<uint8_t>(v << 4) : v;
    }
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
}

}  // namespace pp::imagegen
