// Plain rectangles and points for the portable drawing arithmetic (no Windows header); the
// Win32 side converts to and from RECT and POINT.
#pragma once

namespace pp::controls {

struct IPoint {
  int X = 0, Y = 0;
  friend bool operator==(const IPoint&, const IPoint&) = default;
};

struct IRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const IRect&, const IRect&) = default;
};

}  // namespace pp::controls
