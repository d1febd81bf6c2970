#include "toolkit/screen.h"

#include <algorithm>

#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/graphics.h"

namespace pp::toolkit {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

static BOOL CALLBACK AddMonitor(HMONITOR m, HDC, LPRECT, LPARAM data) {
  auto* l = reinterpret_cast<std::vector<TMonitor>*>(data);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (GetMonitorInfoA(m, &mi))
    l->push_back(TMonitor{m, static_cast<int>(l->size()), mi.rcMonitor, mi.rcWork, (mi.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

std::vector<TMonitor> TScreen::ReadMonitors() const {
  std::vector<TMonitor> list;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&list));
  return list;
}

int TScreen::MonitorCount() const { return static_cast<int>(ReadMonitors().size()); }

TMonitor TScreen::Monitors(int index) const {
  auto list = ReadMonitors();
  if (index < 0 || index >= static_cast<int>(list.size())) Raise(EListError::IndexOutOfBounds(index));
  return list[index];
}

static DWORD Flag(TMonitorDefaultTo to) {
  return to == mdNearest ? MONITOR_DEFAULTTONEAREST : to == mdPrimary ? MONITOR_DEFAULTTOPRIMARY : MONITOR_DEFAULTTONULL;
}

static std::optional<TMonitor> Lookup(const std::vector<TMonitor>& list, HMONITOR m) {
  for (const TMonitor& mon : list)
    if (mon.Handle == m) return mon;
  return std::nullopt;
}

std::optional<TMonitor> TScreen::MonitorFromWindow(HWND wnd, TMonitorDefaultTo to) const {
  return Lookup(ReadMonitors(), ::MonitorFromWindow(wnd, Flag(to)));
}

std::optional<TMonitor> TScreen::MonitorFromPoint(POINT p, TMonitorDefaultTo to) const {
  return Lookup(ReadMonitors(), ::MonitorFromPoint(p, Flag(to)));
}

RECT TScreen::DesktopRect() const {
  int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return RECT{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }

TCustomForm* TScreen::Forms(int index) const {
  if (index < 0 || index >= FormCount()) Raise(EListError::IndexOutOfBounds(index));
  return forms_[index];
}

TCustomForm* TScreen::ActiveForm() const {
  HWND active = GetActiveWindow();
  for (TCustomForm* f : forms_)
    if (f->HandleAllocated() && f->Handle() == active) return f;
  return nullptr;
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

}  // namespace pp::toolkit
