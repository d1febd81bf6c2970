// One RAII owner per window and GDI handle kind the toolkit holds.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "base/win_handles.h"

namespace pp::toolkit {

inline void DestroyWindowHandle(HWND h) noexcept { DestroyWindow(h); }
inline void DeleteGdiObject(HGDIOBJ h) noexcept { DeleteObject(h); }
inline void DeleteFontHandle(HFONT h) noexcept { DeleteObject(h); }
inline void DeletePenHandle(HPEN h) noexcept { DeleteObject(h); }
inline void DeleteBrushHandle(HBRUSH h) noexcept { DeleteObject(h); }
inline void DeleteBitmapHandle(HBITMAP h) noexcept { DeleteObject(h); }
inline void DeleteRegionHandle(HRGN h) noexcept { DeleteObject(h); }
inline void DeleteMemoryDC(HDC h) noexcept { DeleteDC(h); }
inline void DestroyIconHandle(HICON h) noexcept { DestroyIcon(h); }
inline void DestroyImageListHandle(HIMAGELIST h) noexcept { ImageList_Destroy(h); }

using UniqueWindow = win::UniqueHandle<HWND, DestroyWindowHandle>;
using UniqueFont = win::UniqueHandle<HFONT, DeleteFontHandle>;
using UniquePen = win::UniqueHandle<HPEN, DeletePenHandle>;
using UniqueBrush = win::UniqueHandle<HBRUSH, DeleteBrushHandle>;
using UniqueBitmap = win::UniqueHandle<HBITMAP, DeleteBitmapHandle>;
using UniqueRegion = win::UniqueHandle<HRGN, DeleteRegionHandle>;
using UniqueMemoryDC = win::UniqueHandle<HDC, DeleteMemoryDC>;  // CreateCompatibleDC / CreateDC
using UniqueIcon = win::UniqueHandle<HICON, DestroyIconHandle>;
using UniqueImageList = win::UniqueHandle<HIMAGELIST, DestroyImageListHandle>;

// The whole-window DC for drawing a frame: the hook's (see SetWindowDCHook in win_control.h)
// when it answers one, else the system's. `from_system` says whether it must be released.
HDC RequestWindowDC(HWND wnd, bool& from_system) noexcept;

// A window's client-area DC (GetDC; a null window gives the screen's), released on scope exit.
class ClientDC {
 public:
  explicit ClientDC(HWND wnd) noexcept : wnd_(wnd), dc_(GetDC(wnd)) {}
  ClientDC(const ClientDC&) = delete;
  ClientDC& operator=(const ClientDC&) = delete;
  ~ClientDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  HDC get() const noexcept { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// A window's whole-window DC (frame included) through RequestWindowDC, so that while a window
// prints itself the frame drawing lands in the print DC; released only when the system gave it.
class WholeWindowDC {
 public:
  explicit WholeWindowDC(HWND wnd) noexcept : wnd_(wnd) { dc_ = RequestWindowDC(wnd, release_); }
  WholeWindowDC(const WholeWindowDC&) = delete;
  WholeWindowDC& operator=(const WholeWindowDC&) = delete;
  ~WholeWindowDC() {
    if (dc_ && release_) ReleaseDC(wnd_, dc_);
  }
  HDC get() const noexcept { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
  bool release_ = true;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND wnd) noexcept : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { EndPaint(wnd_, &ps_); }
  HDC get() const noexcept { return dc_; }
  const RECT& PaintRect() const noexcept { return ps_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// An object selected into a DC for a scope; the previous one is selected back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC for a scope.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) noexcept : dc_(dc), level_(SaveDC(dc)) {}
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;
  ~SavedDCState() {
    if (level_) RestoreDC(dc_, level_);
  }

 private:
  HDC dc_;
  int level_;
};

}  // namespace pp::toolkit
