// Windowed controls: a control with an HWND of its own, made when first needed from
// CreateParams and destroyed with the object (or recreated when a style must change). Its
// window procedure routes every message to the object (see control.h).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/handles.h"

namespace pp::toolkit {

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;  // the parent window, or for a top-level window its owner
  void* Param = nullptr;
  WNDCLASSA WindowClass{};   // style, cursor, background of the class to register
  std::string WinClassName;
  // The system class this window class is made from (a "superclass"), e.g. "BUTTON"; empty for
  // a class of our own, whose messages end in DefWindowProc.
  std::string SubClassOf;
};

// One focus stop of a form: a toolkit control, or a window the toolkit did not make.
struct TTabStop {
  HWND Wnd;
  TWinControl* Control;  // nullptr for a foreign window
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  const char* ClassName() const override { return "TWinControl"; }

  HWND Handle();  // creates the window (and its parents') when there is none
  bool HandleAllocated() const { return static_cast<bool>(handle_); }
  void HandleNeeded();
  void RecreateWnd();
  // For a parentless control: the window it lives in (a form: its owner window).
  HWND ParentWindow() const { return parent_window_; }
  void SetParentWindow(HWND wnd);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(TControl* control) const;  // anywhere below
  TControl* ControlAtPos(POINT p, bool allow_disabled, bool windowed_too = false) const;
  void Broadcast(TMessage& m);  // to every child until one answers non-zero

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool on);
  bool Showing() const { return showing_; }
  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();
  // The next toolkit control in tab order after `current` (wrapping); nullptr when none.
  TWinControl* FindNextControl(TWinControl* current, bool go_forward, bool check_tab_stop, bool check_parent);
  // Every focus stop below this control in tab order, windows the toolkit did not make included
  // (they follow the toolkit controls of their parent, in window order).
  void GetTabOrderList(std::vector<TTabStop>& list);
  // Moves the focus from `current` (a window below this control, or nullptr) to the next stop.
  bool SelectNext(HWND current, bool go_forward, bool check_tab_stop);

  // Space kept free inside the control's edges; aligned children stay within it.
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  bool DoubleBuffered() const { return double_buffered_; }
  void SetDoubleBuffered(bool on) { double_buffered_ = on; }

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  void SetText(const std::string& text) override;
  void Invalidate() override;
  void AlignControls();

  void WndProc(TMessage& m) override;
  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

  // The window procedure every toolkit window class uses.
  static LRESULT CALLBACK WindowProcedure(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

 protected:
  void BeforeDestruction() override;
  void Loaded() override;
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateHandle();
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  virtual void AdjustClientRect(RECT& rect) { InflateRect(&rect, -border_width_, -border_width_); }
  virtual void PaintWindow(HDC dc);  // this control's own drawing, without its graphic children
  void PaintHandler(HDC dc);
  void PaintControls(HDC dc);
  void UpdateShowing();
  void UpdateBounds();  // reads the window's rectangle back after Windows moved it

  // Handlers, by message.
  virtual void WMPaint(TMessage& m);
  virtual void WMEraseBkgnd(TMessage& m);
  virtual void WMPrintClient(TMessage& m);
  virtual void WMSetFocus(TMessage& m);
  virtual void WMKillFocus(TMessage& m);
  virtual void WMWindowPosChanged(TMessage& m);
  virtual void WMReflect(TMessage& m);  // WM_COMMAND, WM_NOTIFY, ... back to the child as CN_*
  virtual void WMMouseLeave(TMessage& m);
  virtual void CNKeyDown(TMessage& m);
  virtual void CNChar(TMessage& m);
  virtual void CNSysChar(TMessage& m);
  virtual void CMChildKey(TMessage& m);
  virtual void CMDialogKey(TMessage& m) { Broadcast(m); }
  virtual void CMDialogChar(TMessage& m) { Broadcast(m); }
  virtual void CMFocusChanged(TMessage& m) { Broadcast(m); }
  virtual void CMShowingChanged(TMessage& m);
  void CMEnabledChanged(TMessage& m) override;
  void CMFontChanged(TMessage& m) override;
  void CMColorChanged(TMessage& m) override;
  void CMVisibleChanged(TMessage& m) override;
  void CMTextChanged(TMessage& m) override;

  HWND WindowHandleOrNull() const { return handle_.get(); }
  bool own_class() const { return default_proc_ == nullptr || default_proc_ == DefWindowProcA; }

 private:
  friend class TControl;
  void AttachHandle(HWND wnd);
  void TrackMouse(POINT client_pos);
  void CreateChildHandles();

  UniqueWindow handle_;
  WNDPROC default_proc_ = nullptr;
  HWND parent_window_ = nullptr;
  std::vector<TControl*> controls_;        // z-order: first is bottom-most
  std::vector<TWinControl*> tab_list_;     // windowed children in tab order
  bool tab_stop_ = false;
  int tab_order_ = -1;  // as set; the place in the parent's list follows it
  int border_width_ = 0;
  bool showing_ = false;
  bool double_buffered_ = false;
  bool in_align_ = false;
  bool tracking_leave_ = false;
  int create_depth_ = 0;
};

// A windowed control that draws itself: Paint runs with the canvas over the paint DC.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  const char* ClassName() const override { return "TCustomControl"; }
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};

// Called after a control joined a parent (InsertControl), for module-wide adjustments such as
// giving controls added at run time the dialog font. Answers the hook it replaces.
using InsertControlHook = void (*)(TWinControl* parent, TControl* control);
InsertControlHook SetInsertControlHook(InsertControlHook hook);

// Every window DC the toolkit's drawing asks for (WholeWindowDC) comes through
// here: a hook that answers a DC (printing a window's frame into a print DC) is used instead of
// the system's, and that DC is not released afterwards. Answers the hook it replaces.
using WindowDCHook = HDC (*)(HWND wnd);
WindowDCHook SetWindowDCHook(WindowDCHook hook);

// Registers the toolkit's window classes on demand; UnregisterToolkitClasses removes them all
// (the plug-in calls it when unloaded, so that a later load can register them again).
const char* EnsureWindowClass(TCreateParams& params, WNDPROC& default_proc);
void UnregisterToolkitClasses();
HINSTANCE ToolkitInstance();

}  // namespace pp::toolkit
