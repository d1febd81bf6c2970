// The screen object: monitors and the forms of the module.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace pp::toolkit {

class TCustomForm;

struct TMonitor {
  HMONITOR Handle = nullptr;
  int MonitorNum = 0;
  RECT BoundsRect{};
  RECT WorkareaRect{};
  bool Primary = false;
};

enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

class TScreen {
 public:
  // Monitors are read from the system at each call: a monitor may come or go at any time.
  int MonitorCount() const;
  TMonitor Monitors(int index) const;
  std::optional<TMonitor> MonitorFromWindow(HWND wnd, TMonitorDefaultTo to = mdNearest) const;
  std::optional<TMonitor> MonitorFromPoint(POINT p, TMonitorDefaultTo to = mdNearest) const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  RECT DesktopRect() const;
  int PixelsPerInch() const;

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const;
  TCustomForm* ActiveForm() const;  // the form whose window is the active window, or nullptr

  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

 private:
  std::vector<TMonitor> ReadMonitors() const;
  std::vector<TCustomForm*> forms_;
};

TScreen& Screen();

}  // namespace pp::toolkit
