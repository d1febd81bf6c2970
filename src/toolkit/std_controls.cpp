#include "toolkit/std_controls.h"

#include "toolkit/hint_window.h"
#include "toolkit/text.h"

namespace pp::toolkit {

// ---- TButton

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  // The system class captures the mouse and decides the click itself (BN_CLICKED).
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
  SetTabStop(true);
  width_ = 75;
  height_ = 25;
}

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SubClassOf = "BUTTON";
  p.Style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  p.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modal_result_);
  TWinControl::Click();
}

void TButton::SetActive(bool on) {
  if (on == active_) return;
  active_ = on;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  TCustomForm* form = GetParentForm(this);
  if (HandleAllocated() && form)
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
  else
    SetActive(on);
}

void TButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      if (((m.WParam == VK_RETURN && active_) || (m.WParam == VK_ESCAPE && cancel_)) &&
          KeyDataToShiftState(m.LParam).Empty() && CanFocus()) {
        Click();
        m.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<unsigned>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) Click();
        m.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
      SetActive(dynamic_cast<TButton*>(focused) ? focused == this : default_);
      break;
    }
  }
  TWinControl::Dispatch(m);
}

// ---- TLabel

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable});
  SetParentColor(true);
  width_ = 65;
  height_ = 17;
}

void TLabel::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void TLabel::SetWordWrap(bool on) {
  if (on == word_wrap_) return;
  word_wrap_ = on;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetAutoSize(bool on) {
  if (on == auto_size_) return;
  auto_size_ = on;
  AdjustBounds();
}

void TLabel::SetShowAccelChar(bool on) {
  if (on == show_accel_char_) return;
  show_accel_char_ = on;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (focus_control_) focus_control_->RemoveFreeNotification(this);
  focus_control_ = control;
  if (control) control->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focus_control_) focus_control_ = nullptr;
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

UINT TLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  flags |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
  if (word_wrap_) flags |= DT_WORDBREAK;
  if (!show_accel_char_) flags |= DT_NOPREFIX;
  return flags;
}

// With AutoSize the label takes the size of its text; a wrapping label keeps its width.
void TLabel::AdjustBounds() {
  if (!auto_size_ || Loading()) return;
  ClientDC screen(nullptr);
  SelectedObject font(screen.get(), Font().Handle());
  RECT r{0, 0, word_wrap_ ? width_ : 0, 0};
  std::string text = Caption().empty() ? std::string(" ") : Caption();
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &r, TextFlags() | DT_CALCRECT);
  int left = left_;
  if (alignment_ == taRightJustify && !word_wrap_) left = left_ + width_ - r.right;
  SetBounds(left, top_, word_wrap_ ? width_ : r.right, r.bottom);
}

void TLabel::Paint() {
  TCanvas& c = Canvas();
  RECT r = ClientRect();
  if (!transparent_) {
    c.Brush().SetColor(Color());
    c.FillRect(r);
  }
  c.Brush().SetStyle(bsClear);
  std::string text = Caption();
  if (layout_ != tlTop) {
    RECT calc = r;
    c.DrawText(text, calc, TextFlags() | DT_CALCRECT);
    int h = calc.bottom - calc.top;
    int offset = layout_ == tlBottom ? (r.bottom - r.top) - h : ((r.bottom - r.top) - h) / 2;
    OffsetRect(&r, 0, offset);
  }
  if (Enabled()) {
    c.DrawText(text, r, TextFlags());
  } else {
    // Disabled text: a light copy one pixel down and right, the shadow colour on top.
    RECT light = r;
    OffsetRect(&light, 1, 1);
    c.Font().SetColor(clBtnHighlight);
    c.DrawText(text, light, TextFlags());
    c.Font().SetColor(clBtnShadow);
    c.DrawText(text, r, TextFlags());
  }
}

void TLabel::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR:
      if (Enabled() && show_accel_char_ && focus_control_ && IsAccel(static_cast<unsigned>(m.WParam), Caption()) &&
          focus_control_->CanFocus()) {
        focus_control_->SetFocus();
        m.Result = 1;
        return;
      }
      break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustBounds();
      Invalidate();
      return;
  }
  TGraphicControl::Dispatch(m);
}

// ---- TImage

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle().Include(csReplicatable));
  SetParentColor(true);
  width_ = 105;
  height_ = 105;
}

SIZE TImage::PictureSize() const {
  if (!icon_.Empty()) return SIZE{icon_.Width(), icon_.Height()};
  return SIZE{bitmap_.Width(), bitmap_.Height()};
}

void TImage::PictureChanged() {
  if (auto_size_) {
    SIZE s = PictureSize();
    if (s.cx > 0 && s.cy > 0) SetBounds(left_, top_, s.cx, s.cy);
  }
  Invalidate();
}

void TImage::SetAutoSize(bool on) {
  auto_size_ = on;
  PictureChanged();
}

void TImage::SetCenter(bool on) {
  center_ = on;
  Invalidate();
}

void TImage::SetStretch(bool on) {
  stretch_ = on;
  Invalidate();
}

void TImage::Paint() {
  SIZE s = PictureSize();
  if (s.cx <= 0 || s.cy <= 0) return;
  RECT r = ClientRect();
  RECT dest{0, 0, s.cx, s.cy};
  if (stretch_) {
    dest = r;
  } else if (center_) {
    OffsetRect(&dest, (r.right - s.cx) / 2, (r.bottom - s.cy) / 2);
  }
  HDC dc = Canvas().Handle();
  if (!icon_.Empty())
    DrawIconEx(dc, dest.left, dest.top, icon_.Handle(), dest.right - dest.left, dest.bottom - dest.top, 0, nullptr,
               DI_NORMAL);
  else
    Canvas().StretchDraw(dest, bitmap_);
}

// ---- THintWindow

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetColor(clInfoBk);
  Font().SetColor(clInfoText);
  SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  p.Style = WS_POPUP | WS_BORDER;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  p.WndParent = nullptr;
  p.WindowClass.style = CS_SAVEBITS | CS_DROPSHADOW;
}

RECT THintWindow::CalcHintRect(int max_width, const std::string& hint) {
  ClientDC screen(nullptr);
  SelectedObject font(screen.get(), Font().Handle());
  RECT r{0, 0, max_width, 0};
  DrawTextA(screen.get(), hint.c_str(), static_cast<int>(hint.size()), &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  r.right += 6;
  r.bottom += 4;
  return r;
}

void THintWindow::ActivateHint(const RECT& rect, const std::string& hint) {
  SetText(hint);
  HandleNeeded();
  SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::Paint() {
  RECT r = ClientRect();
  Canvas().FillRect(r);
  InflateRect(&r, -2, -1);
  Canvas().Brush().SetStyle(bsClear);
  Canvas().DrawText(Text(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace pp::toolkit
