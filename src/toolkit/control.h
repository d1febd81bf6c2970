// Controls: components with a place on a parent, a caption, a font and colour that can follow
// the parent's, and a window procedure of their own. A TControl without a window (a graphic
// control) is painted by its parent and receives the parent's mouse messages for its area; the
// windowed controls are in win_control.h.
//
// Messages reach an object through WndProc (overridable, sees everything first), then
// Dispatch, which hands each message number to its named handler; a class that handles more
// messages overrides Dispatch, handles its numbers and passes the rest to its base. What no
// handler takes goes to DefaultHandler (for a window: the class's original window procedure).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/canvas.h"
#include "toolkit/component.h"
#include "toolkit/messages.h"
#include "toolkit/set_of.h"

namespace pp::toolkit {

class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TControlStyleMember {
  csAcceptsControls,
  csCaptureMouse,     // the mouse is captured from press to release
  csDesignInteractive,
  csClickEvents,      // press and release inside make a Click
  csFramed,
  csSetCaption,
  csOpaque,           // paints its whole area: the parent need not paint under it
  csDoubleClicks,     // without it a double click arrives as a second press
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
  csNeedsBorderPaint,
  csParentBackground,
};
using TControlStyle = SetOf<TControlStyleMember>;

enum TControlStateMember {
  csLButtonDown,
  csClicked,          // pressed inside; a release inside now clicks
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,        // painting for a copy (printing), not for the screen
  csCustomPaint,
  csDestroyingHandle,
  csDocking,
};
using TControlState = SetOf<TControlStateMember>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateMember { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = SetOf<TShiftStateMember>;
TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyDataToShiftState(LPARAM key_data);

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState, int x, int y)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  const char* ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The caption of a graphic control or button, the text of an edit: one string, two names.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& caption) { SetText(caption); }
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  TFont& Font() { return font_; }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool on);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool on);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool on);
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool on);
  int HelpContext() const { return help_context_; }
  void SetHelpContext(int context) { help_context_ = context; }

  TControlStyle ControlStyle() const { return style_; }
  void SetControlStyle(TControlStyle style) { style_ = style; }
  TControlState ControlState() const { return state_; }
  void SetControlState(TControlState state) { state_ = state; }

  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
  // Where every message for this control enters: WndProc, unless someone put a handler in
  // front of it (a frame drawer keeps the previous value and calls it for what it passes on).
  using TWndMethod = std::function<void(TMessage& m)>;
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& m);
  virtual void Dispatch(TMessage& m);
  virtual void DefaultHandler(TMessage& m) {}

  virtual void Invalidate();
  void Repaint();
  void Update();
  virtual void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void BeforeDestruction() override;
  // Lends `dc` to `canvas`, set up with this control's font and colour, for one paint call,
  // and takes it back afterwards, so the canvas never keeps a DC it does not own.
  template <class PaintFn>
  void PaintThrough(TCanvas& canvas, HDC dc, PaintFn&& paint) {
    struct Release {
      TCanvas& c;
      ~Release() { c.SetHandle(nullptr); }
    } release{canvas};
    canvas.SetHandle(dc);
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Color());
    paint();
  }
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void Changed() {}
  void SendCancelMode();
  // The parent re-lays out its aligned children after this control's bounds or alignment changed.
  void RequestAlign();

  // Handlers, by message.
  virtual void WMMouse(TMessage& m);  // every client mouse message
  virtual void CMFontChanged(TMessage& m) { Invalidate(); }
  virtual void CMParentFontChanged(TMessage& m);
  virtual void CMColorChanged(TMessage& m) { Invalidate(); }
  virtual void CMParentColorChanged(TMessage& m);
  virtual void CMEnabledChanged(TMessage& m) { Invalidate(); }
  virtual void CMVisibleChanged(TMessage& m);
  virtual void CMTextChanged(TMessage& m) { Invalidate(); }
  virtual void CMMouseEnter(TMessage& m);
  virtual void CMMouseLeave(TMessage& m);
  virtual void CMParentShowHintChanged(TMessage& m);

  void SetTextSilently(const std::string& text) { text_ = text; }
  void AssignFontFromParent();
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

 private:
  friend class TWinControl;
  void FontChanged();

  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  TFont font_;
  bool parent_font_ = true;
  bool in_parent_font_ = false;
  TColor color_ = clWindow;
  bool parent_color_ = false;
  std::string hint_;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;
  int help_context_ = 0;
  TControlStyle style_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState state_;
};

// A control without a window of its own: its parent paints it (Paint, with the canvas over
// the parent's DC, origin moved to the control) and routes its mouse messages to it.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  const char* ClassName() const override { return "TGraphicControl"; }
  TCanvas& Canvas() { return canvas_; }
  void Dispatch(TMessage& m) override;

 protected:
  virtual void Paint() {}

 private:
  void WMPaint(TMessage& m);
  TCanvas canvas_;
};

// The top-level form the control sits on (the outermost one), or nullptr.
TCustomForm* GetParentForm(TControl* control);

// The toolkit control that owns a window, or nullptr for a window the toolkit did not make.
TWinControl* FindControl(HWND wnd);

// The control the mouse is captured for (a graphic control keeps its parent's window captured).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
// The control under the mouse as last seen; CM_MOUSEENTER / CM_MOUSELEAVE mark its changes.
TControl* MouseControl();
void SetMouseControl(TControl* control);

}  // namespace pp::toolkit
