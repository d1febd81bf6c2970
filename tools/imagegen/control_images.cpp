// The themed controls' images: push button, check box, tab items and the tab pane. Hot states
// carry an orange rim, default and focused ones a blue rim, pressed ones a darker face, disabled
// ones a pale outline.
#include <stdexcept>

#include "images.h"

namespace pp::imagegen {

namespace {

const Rgba kOutline = RGB8(0, 60, 116);
const Rgba kDisabledOutline = RGB8(201, 199, 186);
const Rgba kHotRim = RGB8(248, 179, 48);
const Rgba kHotRimLight = RGB8(255, 220, 140);
const Rgba kBlueRim = RGB8(120, 160, 230);
const Rgba kBlueRimLight = RGB8(190, 212, 246);
const Rgba kWhite = RGB8(255, 255, 255);

// normal, hot, pressed, disabled, default
Raster PushButton(int w, int h, int state) {
  Raster r(w, h);
  Rgba top = kWhite, bottom = RGB8(226, 223, 214);
  if (state == 2) {
    top = RGB8(209, 204, 193);
    bottom = RGB8(242, 241, 238);
  } else if (state == 3) {
    top = bottom = RGB8(245, 244, 234);
  }
  r.Fill(RoundRect(0, 0, w, h, 3), VGradient(top, bottom, 1, h - 1));
  if (state == 1 || state == 4) {
    const Rgba rim = state == 1 ? kHotRim : kBlueRim, light = state == 1 ? kHotRimLight : kBlueRimLight;
    r.Fill(RoundRectRing(1, 1, w - 1, h - 1, 2.5f, 2), VGradient(light, rim, 1, h - 1));
  }
  r.Fill(RoundRectRing(0, 0, w, h, 3, 1), state == 3 ? kDisabledOutline : kOutline);
  return r;
}

// unchecked, checked, grayed; each normal, hot, pressed, disabled
Raster CheckBox(int n, int frame) {
  const int mark = frame / 4, state = frame % 4;
  Raster r(n, n);
  Rgba top = RGB8(220, 220, 215), bottom = kWhite;
  if (state == 2) {
    top = RGB8(176, 176, 167);
    bottom = RGB8(241, 239, 226);
  } else if (state == 3) {
    top = bottom = RGB8(255, 255, 255);
  }
  r.Fill(RoundRect(0, 0, n, n, 0.5f), VGradient(top, bottom, 1, n - 1));
  if (state == 1) r.Fill(RoundRectRing(1, 1, n - 1, n - 1, 0.5f, 2), VGradient(kHotRimLight, kHotRim, 1, n - 1));
  r.Fill(RoundRectRing(0, 0, n, n, 0.5f, 1), state == 3 ? kDisabledOutline : RGB8(28, 81, 128));
  const Rgba ink = state == 3 ? RGB8(202, 200, 187) : RGB8(33, 161, 33);
  if (mark == 1) r.Fill(Union(Segment(3.5f, 6.5f, 5.5f, 8.8f, 1.0f), Segment(5.5f, 8.8f, 9.7f, 3.8f, 1.0f)), ink);
  if (mark == 2) r.Fill(RoundRect(3, 3, n - 3, n - 3, 0.5f), VGradient(Mix(ink, kWhite, 0.3f), ink, 3, n - 3));
  return r;
}

// normal, hot, selected, disabled, focused. The bottom edge meets the pane; `left` and `right`
// say whether this tab sits at the strip's left or right end, where its side runs straight
// down to the pane instead of flaring out.
Raster TabItem(int w, int h, int state, bool left, bool right) {
  Raster r(w, h);
  const bool raised = state == 2 || state == 4;
  Rgba top = kWhite, bottom = RGB8(236, 235, 230);
  if (raised) bottom = RGB8(252, 252, 254);
  if (state == 3) top = bottom = RGB8(244, 243, 238);
  const Rgba outline = state == 3 ? kDisabledOutline : RGB8(145, 155, 156);
  // Copied, not blended: what lies outside the rounded corners is the strip's face colour.
  const Rgba face = RGB8(239, 235, 222);
  r.Fill([](float, float) { return true; }, face);
  // Sides run to the bottom edge; the bottom row is open (it joins the pane) except for a
  // not-raised tab, which shows the pane's top line.
  r.Fill(RoundRect(0, 0, w, h + 4, 3), VGradient(top, bottom, 1, h));
  r.Fill(Minus(RoundRect(0, 0, w, h + 4, 3), RoundRect(1, 1, w - 1, h + 4, 2)), outline);
  if (!raised) r.Fill(RoundRect(0, h - 1, w, h, 0), outline);
  // Flared corners at the inner ends of the strip.
  if (!left) r.Set(0, h - 1, Mix(outline, face, 0.5f));
  if (!right) r.Set(w - 1, h - 1, Mix(outline, face, 0.5f));
  if (state == 1 || state == 2) {
    r.Fill(RoundRect(0, 0, w, 3, 1.5f), VGradient(RGB8(255, 200, 60), RGB8(230, 140, 0), 0, 3));
  } else if (state == 4) {
    r.Fill(RoundRect(0, 0, w, 3, 1.5f), VGradient(RGB8(120, 170, 255), RGB8(40, 90, 200), 0, 3));
  }
  return r;
}

Raster PaneEdge(int n) {
  Raster r(n, n);
  r.Fill([](float, float) { return true; }, RGB8(252, 252, 254));
  for (int i = 0; i < n; ++i) {
    r.Set(i, 0, RGB8(145, 155, 156));
    r.Set(0, i, RGB8(145, 155, 156));
    r.Set(n - 3, i, RGB8(145, 155, 156));
    r.Set(i, n - 3, RGB8(145, 155, 156));
    r.Set(n - 2, i, RGB8(208, 206, 191));  // shadow
    r.Set(i, n - 2, RGB8(208, 206, 191));
    r.Set(n - 1, i, RGB8(227, 224, 208));
    r.Set(i, n - 1, RGB8(227, 224, 208));
  }
  for (int y = 1; y < n - 3; ++y) r.Set(1, y, Mix(RGB8(252, 252, 254), RGB8(244, 243, 238), 0.5f));
  return r;
}

}  // namespace

Raster ControlImage(const std::string& name, int w, int fh, int frames) {
  Raster out(w, fh * frames);
  for (int f = 0; f < frames; ++f) {
    Raster frame(w, fh);
    if (name == "XPPUSHBUTTON") frame = PushButton(w, fh, f);
    else if (name == "XPCHECKBOX") frame = CheckBox(w, f);
    else if (name == "TABPANEEDGE") frame = PaneEdge(w);
    else if (name == "TABITEMTOP") frame = TabItem(w, fh, f, false, false);
    else if (name == "TABITEMTOPLEFT") frame = TabItem(w, fh, f, true, false);
    else if (name == "TABITEMTOPRIGHT") frame = TabItem(w, fh, f, false, true);
    else if (name == "TABITEMTOPBOTH") frame = TabItem(w, fh, f, true, true);
    else throw std::invalid_argument("no control image " + name);
    out.Paste(frame, 0, f * fh);
  }
  return out;
}

Raster DrawImage(const pp::controls::ImageEntry& e) {
  const std::string name = e.Name;
  const int fh = e.Height / e.Frames;
  if (name.rfind("FRAME", 0) == 0 || (name.find("BUTTON") != std::string::npos && name != "XPPUSHBUTTON"))
    return FrameImage(name, e.Width, fh, e.Frames);
  return ControlImage(name, e.Width, fh, e.Frames);
}

}  // namespace pp::imagegen
