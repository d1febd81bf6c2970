// What the drawn window frame is made of: the parts' drawing, the metrics and the window region
// of one look. The XP look is the only one; tests put a plain one in its place.
#pragma once

#include <windows.h>

#include <string>

#include "forms/frame_geometry.h"
#include "toolkit/colors.h"

namespace pp::forms {

class TFormThemeData {
 public:
  virtual ~TFormThemeData() = default;
  virtual void DrawFrameBottom(const RECT& r, HDC dc, bool active) = 0;
  virtual void DrawCaption(const RECT& r, HDC dc, bool active) = 0;
  virtual void DrawCaptionText(const RECT& r, HDC dc, bool active, const std::string& text) = 0;
  virtual void DrawCloseButton(const RECT& r, HDC dc, bool active, FrameButtonState state) = 0;
  virtual void DrawHelpButton(const RECT& r, HDC dc, bool active, FrameButtonState state) = 0;
  virtual void DrawFrameLeft(const RECT& r, HDC dc, bool active) = 0;
  virtual void DrawMaxButton(const RECT& r, HDC dc, bool active, FrameButtonState state) = 0;
  virtual void DrawMinButton(const RECT& r, HDC dc, bool active, FrameButtonState state) = 0;
  virtual void DrawRestoreButton(const RECT& r, HDC dc, bool active, FrameButtonState state) = 0;
  virtual void DrawFrameRight(const RECT& r, HDC dc, bool active) = 0;
  virtual void DrawIcon(const RECT& r, HDC dc, bool active, HICON icon) = 0;
  // A new region of the window's shape; whoever sets it as the window region hands it over.
  virtual HRGN CreateFrameRegion(int width, int height) = 0;
  virtual toolkit::TColor GetFormColor() = 0;
  virtual int GetSystemCaptionHeight() = 0;
  virtual int GetMetric(int index) = 0;

  // The metrics table as the geometry reads it.
  FrameMetrics Metrics() { return {GetMetric(0), GetMetric(1), GetMetric(2)}; }
};

// The region of FrameRegionBoxes as a GDI region (for theme data that keep the XP corners).
HRGN CreateRoundedFrameRegion(int width, int height);

}  // namespace pp::forms
