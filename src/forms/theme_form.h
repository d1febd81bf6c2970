// The window frame we draw ourselves in the emulated XP look (the look is asked for and the
// system draws no visual styles): caption band, borders, caption buttons tracked under mouse
// capture, and the window region with rounded top corners.
//
// TThemeForm stands in front of the form's WindowProc: the messages of the frame's table are
// handled here, every other one goes on unchanged to what was there before. Nothing is patched.
#pragma once

#include <windows.h>

#include "forms/form_theme_data.h"
#include "forms/frame_geometry.h"
#include "toolkit/form.h"

namespace pp::forms {

class TServerDialog;

class TThemeForm : public toolkit::TComponent {
 public:
  // Owned by the form, which it decorates until the form is freed; `data` is shared, not owned.
  // An existing window is made again under the frame.
  TThemeForm(toolkit::TCustomForm* form, TFormThemeData* data);
  ~TThemeForm() override;
  const char* ClassName() const override { return "TThemeForm"; }

  FrameButton HotButton() const { return hot_; }
  FrameButton PressedButton() const { return pressed_; }
  FrameButton TrackedButton() const { return tracked_; }
  bool RegionDirty() const { return region_dirty_; }
  SIZE WindowSize() const { return {width_, height_}; }

  // The frame's layout for the form as it is now.
  FrameLayout Layout() const;
  void PaintCaption(bool active);
  void PaintAll(bool active);
  // WM_PRINT with its frame: the drawn frame into the print DC (the system would draw its own).
  void PrintFrame(HDC dc);

 private:
  void Handle(toolkit::TMessage& m);
  void PassOn(toolkit::TMessage& m) { old_window_proc_(m); }
  FrameInput Input() const;
  POINT ToWindow(POINT screen) const;
  HWND Wnd() const;  // the form's window, none while it has none (never makes one)
  bool FormActive() const;
  void SetHot(FrameButton b);
  void SetPressed(FrameButton b);
  void SetRegion(bool redraw);
  // WM_SETTEXT and WM_SETICON: the system repaints its own caption without WM_NCPAINT; it is
  // kept from drawing (the window hidden from it for the call) and ours is drawn after.
  void PassOnHidden(toolkit::TMessage& m);

  void WMNCCalcSize(toolkit::TMessage& m);
  void WMNCHitTest(toolkit::TMessage& m);
  void WMWindowPosChanging(toolkit::TMessage& m);
  void WMLButtonUp(toolkit::TMessage& m);

  FrameButton tracked_ = fbNone;
  toolkit::TCustomForm* form_;
  toolkit::TControl::TWndMethod old_window_proc_;
  int height_ = 0;
  FrameButton hot_ = fbNone;
  FrameButton pressed_ = fbNone;
  bool in_pos_change_ = false;
  int width_ = 0;
  bool region_dirty_ = false;
  TFormThemeData* data_;
  bool drawn_active_ = true;  // as the last WM_NCACTIVATE drew it
};

// Gives the dialog the drawn frame when the emulated XP look is in force; otherwise nothing.
void AttachThemedFrame(TServerDialog* dialog);

// Whether dialogs get the drawn frame (by default: the look mode is the emulated XP look) and
// the theme data they draw with (by default the XP data, made on first use). Tests put their
// own in; nullptr goes back to the default. Each answers the one it replaces.
using FrameLookQuery = bool (*)();
FrameLookQuery SetFrameLookQuery(FrameLookQuery query);
TFormThemeData* SetFrameThemeData(TFormThemeData* data);
TFormThemeData* FrameThemeData();

// Module start and end: the XP data is made on first use (no drawing resources are made while
// the library loads) and freed when it unloads.
void StartFormFrame() noexcept;
void EndFormFrame() noexcept;

}  // namespace pp::forms
