#include "toolkit/control.h"

#include <windowsx.h>

#include "toolkit/application.h"
#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/win_control.h"

namespace pp::toolkit {

namespace {
TControl* g_capture_control = nullptr;
TControl* g_mouse_control = nullptr;
}  // namespace

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(ssShift);
  if (keys & MK_CONTROL) s.Include(ssCtrl);
  if (keys & MK_LBUTTON) s.Include(ssLeft);
  if (keys & MK_RBUTTON) s.Include(ssRight);
  if (keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeyDataToShiftState(LPARAM key_data) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (key_data & 0x20000000) s.Include(ssAlt);  // context code: Alt was down
  return s;
}

TControl* GetCaptureControl() { return g_capture_control; }

void SetCaptureControl(TControl* control) {
  g_capture_control = nullptr;
  if (!control) {
    if (GetCapture() && FindControl(GetCapture())) ReleaseCapture();
    return;
  }
  TWinControl* windowed = dynamic_cast<TWinControl*>(control);
  TWinControl* holder = windowed ? windowed : control->Parent();
  if (!holder) return;
  SetCapture(holder->Handle());
  g_capture_control = control;
}

TControl* MouseControl() { return g_mouse_control; }
void SetMouseControl(TControl* control) { g_mouse_control = control; }

TCustomForm* GetParentForm(TControl* control) {
  if (!control) return nullptr;
  while (control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

// ---- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] { FontChanged(); };
  WindowProc = [this](TMessage& m) { WndProc(m); };
}

void TControl::BeforeDestruction() {
  IncludeState(csDestroying);
  if (g_mouse_control == this) g_mouse_control = nullptr;
  Application().ForgetControl(this);
  if (g_capture_control == this) SetCaptureControl(nullptr);
  TComponent::BeforeDestruction();
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) Raise(EInvalidOperation("A control cannot be its own parent"));
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();  // the area it leaves
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  RequestAlign();
}

int TControl::ClientWidth() const {
  RECT r = ClientRect();
  return r.right - r.left;
}

int TControl::ClientHeight() const {
  RECT r = ClientRect();
  return r.bottom - r.top;
}

void TControl::SetClientSize(int width, int height) {
  SetBounds(left_, top_, width_ + width - ClientWidth(), height_ + height - ClientHeight());
}

POINT TControl::ClientToScreen(POINT p) const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (auto* w = dynamic_cast<const TWinControl*>(c); w && w->HandleAllocated()) {
      ::ClientToScreen(const_cast<TWinControl*>(w)->Handle(), &p);
      return p;
    }
    p.x += c->left_;
    p.y += c->top_;
  }
  return p;
}

POINT TControl::ScreenToClient(POINT p) const {
  POINT origin = ClientToScreen(POINT{0, 0});
  return POINT{p.x - origin.x, p.y - origin.y};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && !Destroying()) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::FontChanged() {
  if (!in_parent_font_) parent_font_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool on) {
  if (on == parent_font_) return;
  parent_font_ = on;
  if (on && parent_) AssignFontFromParent();
}

void TControl::AssignFontFromParent() {
  if (!parent_) return;
  in_parent_font_ = true;
  font_.Assign(static_cast<TControl*>(parent_)->font_);
  in_parent_font_ = false;
}

void TControl::CMParentFontChanged(TMessage&) {
  if (parent_font_) AssignFontFromParent();
}

void TControl::SetColor(TColor color) {
  parent_color_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool on) {
  if (on == parent_color_) return;
  parent_color_ = on;
  if (on) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parent_color_ || !parent_) return;
  TColor c = static_cast<TControl*>(parent_)->color_;
  if (c == color_) return;
  color_ = c;
  Perform(CM_COLORCHANGED);
}

void TControl::SetShowHint(bool on) {
  parent_show_hint_ = false;
  if (on == show_hint_) return;
  show_hint_ = on;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool on) {
  if (on == parent_show_hint_) return;
  parent_show_hint_ = on;
  if (on) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (parent_show_hint_ && parent_) show_hint_ = static_cast<TControl*>(parent_)->show_hint_;
}

void TControl::CMVisibleChanged(TMessage&) {
  // A graphic control's area belongs to its parent's painting.
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
  }
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK && m.Msg != WM_MOUSEWHEEL) {
    if (m.Msg == WM_LBUTTONDBLCLK && !style_.Contains(csDoubleClicks)) m.Msg = WM_LBUTTONDOWN;
    if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && style_.Contains(csCaptureMouse))
      SetCaptureControl(this);
  }
  // A press whose capture is gone (another window took it, a modal loop or a menu cancelled
  // it) is over: the release that follows, wherever it lands, must not click.
  if (m.Msg == WM_CANCELMODE || m.Msg == WM_CAPTURECHANGED) state_.Exclude(csClicked);
  Dispatch(m);
  // Released only after the release was handled: losing the capture first would look, to a
  // window, like a cancelled press.
  if (m.Msg == WM_LBUTTONUP && g_capture_control == this) SetCaptureControl(nullptr);
}

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: WMMouse(m); return;
    case CM_FONTCHANGED: CMFontChanged(m); return;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); return;
    case CM_COLORCHANGED: CMColorChanged(m); return;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); return;
    case CM_TEXTCHANGED: CMTextChanged(m); return;
    case CM_MOUSEENTER: CMMouseEnter(m); return;
    case CM_MOUSELEAVE: CMMouseLeave(m); return;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(m); return;
    case CM_DESIGNHITTEST: m.Result = 0; return;  // nothing is designed at run time
    default: DefaultHandler(m);
  }
}

void TControl::WMMouse(TMessage& m) {
  DefaultHandler(m);
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  TShiftState shift = KeysToShiftState(m.WParam);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
      if (style_.Contains(csClickEvents)) state_.Include(csClicked);
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (style_.Contains(csClickEvents)) DblClick();
      MouseDown(mbLeft, shift.Include(ssDouble), x, y);
      break;
    case WM_LBUTTONUP:
      MouseUp(mbLeft, shift, x, y);
      if (state_.Contains(csClicked)) {
        state_.Exclude(csClicked);
        RECT r = ClientRect();
        POINT p{x, y};
        if (PtInRect(&r, p)) Click();
      }
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: MouseDown(mbRight, shift, x, y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: MouseDown(mbMiddle, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}

void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}

void TControl::MouseMove(TShiftState s, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, s, x, y);
}

void TControl::CMMouseEnter(TMessage&) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&) {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::SendCancelMode() {
  if (TCustomForm* form = GetParentForm(this); form && form->HandleAllocated())
    form->Perform(WM_CANCELMODE);
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated()) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, !style_.Contains(csOpaque));
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

// ---- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Dispatch(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    WMPaint(m);
    return;
  }
  TControl::Dispatch(m);
}

void TGraphicControl::WMPaint(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) return;  // painted only by its parent, which supplies the DC
  PaintThrough(canvas_, dc, [this] { Paint(); });
}

}  // namespace pp::toolkit
