#include "controls/winxp_buttons.h"

#include <windowsx.h>

#include "controls/button_images.h"
#include "controls/button_painters.h"
#include "controls/draw_helpers.h"
#include "controls/xp_text.h"
#include "hostenv/clip_region.h"
#include "toolkit/application.h"
#include "toolkit/text.h"

namespace pp::controls {

using namespace toolkit;

// ---- TWinXPCustomButtonControl

TWinXPCustomButtonControl::TWinXPCustomButtonControl(TComponent* owner) : TXPCustomControl(owner) {
  LoadButtonImages();
  SetDoubleBuffered(true);
  SetTabStop(true);
}

void TWinXPCustomButtonControl::SetWordWrap(bool on) {
  if (on == word_wrap_) return;
  word_wrap_ = on;
  if (HandleAllocated()) RecreateWnd();
}

void TWinXPCustomButtonControl::CreateParams(TCreateParams& p) {
  TXPCustomControl::CreateParams(p);
  if (word_wrap_) p.Style |= BS_MULTILINE;
}

HTHEME TWinXPCustomButtonControl::ButtonTheme() {
  if (!theme_ && HandleAllocated() && ThemesActive()) theme_.Open(Handle());
  return theme_.get();
}

void TWinXPCustomButtonControl::DestroyWnd() {
  theme_.Close();
  TXPCustomControl::DestroyWnd();
}

void TWinXPCustomButtonControl::SetDown(bool down) {
  if (down == press_.down) return;
  press_.down = down;
  Invalidate();
}

void TWinXPCustomButtonControl::ButtonMouseDown(int, int) { Changed(press_.MouseDown()); }

void TWinXPCustomButtonControl::ButtonMouseMove(int x, int y) {
  RECT r = ClientRect();
  Changed(press_.MouseMove(PtInRect(&r, POINT{x, y}) != FALSE));
}

void TWinXPCustomButtonControl::ButtonMouseUp(int, int) { Changed(press_.MouseUp()); }

void TWinXPCustomButtonControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A click first moves the focus here; the press is not a key press, but while the focus
      // moves it must not count as a mouse press either (ClicksSuppressed holds meanwhile).
      if (!Focused()) {
        press_.key_pressed = true;
        SetFocus();
        press_.key_pressed = false;
        if (!Focused()) return;
      }
      break;
    case CN_COMMAND:
      if (press_.key_pressed) return;
      if (HIWORD(m.WParam) == BN_CLICKED) {
        CommandClick();
        return;
      }
      break;
  }
  TXPCustomControl::WndProc(m);
}

void TWinXPCustomButtonControl::Dispatch(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
      if (!press_.key_pressed) ButtonMouseDown(x, y);
      break;
    case WM_LBUTTONDBLCLK:
      // The second press of a double click is a release and a press of its own: it clicks too.
      if (HandleAllocated()) {
        SendMessageA(Handle(), WM_LBUTTONUP, m.WParam & ~MK_LBUTTON, m.LParam);
        SendMessageA(Handle(), WM_LBUTTONDOWN, m.WParam, m.LParam);
      }
      break;
    case WM_LBUTTONUP:
      if (!press_.key_pressed) ButtonMouseUp(x, y);
      break;
    case WM_MOUSEMOVE: ButtonMouseMove(x, y); break;
    case WM_KEYDOWN:
      Changed(press_.KeyDown(m.WParam == VK_SPACE));
      break;
    case WM_KEYUP: {
      bool click = false;
      Changed(press_.KeyUp(click));
      TXPCustomControl::Dispatch(m);
      if (click) DoClick();
      return;
    }
    case WM_SETFOCUS:
      TXPCustomControl::Dispatch(m);
      Invalidate();
      return;
    case WM_KILLFOCUS:
      press_.FocusLost();
      TXPCustomControl::Dispatch(m);
      Invalidate();
      return;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // Another window took the mouse (a menu, a modal loop): the press is over, unclicked.
      Changed(press_.CaptureLost());
      break;
    case WM_THEMECHANGED:
      if (theme_) theme_.Reopen();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      TXPCustomControl::Dispatch(m);
      Invalidate();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      hot_ = m.Msg == CM_MOUSEENTER;
      TXPCustomControl::Dispatch(m);
      Invalidate();
      return;
  }
  TXPCustomControl::Dispatch(m);
}

// ---- TWinXPCustomButton

TWinXPCustomButton::TWinXPCustomButton(TComponent* owner) : TWinXPCustomButtonControl(owner) {
  SetColor(clBtnFace);
  SetParentColor(false);
  width_ = 75;
  height_ = 25;
}

void TWinXPCustomButton::CreateWnd() {
  TWinXPCustomButtonControl::CreateWnd();
  active_ = default_;
}

void TWinXPCustomButton::SetActive(bool on) {
  if (on == active_) return;
  active_ = on;
  Invalidate();
}

void TWinXPCustomButton::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  if (!HandleAllocated()) return;
  if (TCustomForm* form = GetParentForm(this))
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

int TWinXPCustomButton::GetThemedDetail(bool enabled, bool down, bool hot) {
  return PushButtonDetailOf(enabled, down, hot, active_);
}

void TWinXPCustomButton::Click() {
  if (Enabled())
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modal_result_);
  TWinXPCustomButtonControl::Click();
}

void TWinXPCustomButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGKEY:
      if (Enabled() && ((m.WParam == VK_RETURN && active_) || (m.WParam == VK_ESCAPE && cancel_))) {
        Click();
        m.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR: {
      const unsigned ch = static_cast<unsigned>(m.WParam);
      if (Enabled() && (IsAccel(ch, Caption()) || (ch == VK_RETURN && active_) || (ch == VK_ESCAPE && cancel_)) &&
          CanFocus()) {
        SetFocus();
        if (Focused()) Click();
        m.Result = 1;
        return;
      }
      break;
    }
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
      SetActive(dynamic_cast<TWinXPCustomButton*>(focused) ? focused == this : default_);
      Invalidate();
      break;
    }
  }
  TWinXPCustomButtonControl::Dispatch(m);
}

void TWinXPCustomButton::Paint() {
  const TColor text_color = Enabled() ? Font().Color() : XPColorGrayText;
  RECT r = ClientRect();
  if (style_ == xpbsWindows)
    DrawButtonFace(text_color, r, nullptr, Enabled(), Down(), Hot(), true);
  else
    PaintOfficeFace(text_color);
  if (Focused()) {
    const int inset = style_ == xpbsWindows ? 3 : 1;
    InflateRect(&r, -inset, -inset);
    ::DrawFocusRect(Canvas().Handle(), &r);
  }
}

void TWinXPCustomButton::DrawButtonFace(TColor text_color, RECT r, const RECT* clip, bool enabled, bool down,
                                        bool hot, bool with_content) {
  HDC dc = Canvas().Handle();
  HRGN saved = nullptr;
  if (clip) hostenv::SaveClipAndRestrict(dc, *clip, saved, false);
  const int detail = GetThemedDetail(enabled, down, hot);
  r = PaintPushButtonFace(GetXPLookMode(), *this, dc, ButtonTheme(), r, detail, active_, PushButtonClassicFlags(enabled, down));
  if (with_content) DrawContent(r, text_color);
  if (clip) hostenv::RestoreClip(dc, saved);
}

void TWinXPCustomButton::PaintOfficeFace(TColor text_color) {
  TColor pen = frame_color_, brush = Color();
  switch (OfficeFaceOf(Enabled(), Down(), Hot())) {
    case OfficeFace::Pressed: pen = hot_frame_color_, brush = pressed_color_; break;
    case OfficeFace::Hot: pen = hot_frame_color_, brush = hot_color_; break;
    case OfficeFace::Disabled: pen = XPColorShadow, brush = XPColorLight; break;
    case OfficeFace::Normal: break;
  }
  TCanvas& c = Canvas();
  c.Pen().SetColor(pen);
  c.Brush().SetColor(brush);
  RECT r = ClientRect();
  c.Rectangle(r);
  InflateRect(&r, -1, -1);
  if (active_) {
    c.Rectangle(r);
    InflateRect(&r, -1, -1);
  }
  DrawContent(r, text_color);
}

void TWinXPCustomButton::DrawButtonCaption(const RECT& rect, TColor text_color) {
  if (Caption().empty()) return;
  RECT t = ClientRect();
  InflateRect(&t, -3, -3);
  IntersectRect(&t, &t, &rect);
  if (Down() && GetXPLookMode() == xlmClassic) OffsetRect(&t, 1, 1);
  uint8_t flags = 0;
  if (WordWrap()) flags |= dtfWordWrap;
  if (!Enabled()) flags |= dtfDisabled;
  if (SmoothDraw()) flags |= dtfSmooth;
  DrawXPText(Canvas(), t, WideCaption(Caption()), xeNone, flags, xvaCenter, xhaCenter, text_color, Font());
}

// ---- TXPCustomBitBtn

TXPCustomBitBtn::TXPCustomBitBtn(TComponent* owner) : TWinXPCustomButton(owner) {}

TXPCustomBitBtn::~TXPCustomBitBtn() = default;

void TXPCustomBitBtn::SetGlyph(TBitmap& glyph) {
  glyph_.Assign(glyph);
  GlyphChanged();
}

void TXPCustomBitBtn::SetGlyphHandle(HBITMAP bitmap) {
  glyph_.SetHandle(bitmap);
  GlyphChanged();
}

void TXPCustomBitBtn::GlyphChanged() {
  num_glyphs_ = NumGlyphsForGlyph(glyph_.Width(), glyph_.Height(), num_glyphs_);
  RebuildCells();
}

void TXPCustomBitBtn::SetNumGlyphs(int n) {
  if (n < 1) n = 1;
  if (n > 4) n = 4;
  if (n == num_glyphs_) return;
  num_glyphs_ = n;
  RebuildCells();
}

void TXPCustomBitBtn::SetMargin(int m) {
  if (m < -1 || m == margin_) return;
  margin_ = m;
  Invalidate();
}

int TXPCustomBitBtn::CellCount() const { return cells_ ? cells_->Count() : 0; }

void TXPCustomBitBtn::RebuildCells() {
  cells_.reset();
  const int w = num_glyphs_ > 0 ? glyph_.Width() / num_glyphs_ : 0, h = glyph_.Height();
  if (w > 0 && h > 0) {
    transparent_color_ = glyph_.Canvas().Pixel(0, h - 1);
    cells_ = std::make_unique<TImageList>(w, h);
    for (int k = 0; k < num_glyphs_; ++k) {
      TBitmap cell;
      cell.SetSize(w, h);
      RECT dest{0, 0, w, h}, src{k * w, 0, (k + 1) * w, h};
      cell.Canvas().CopyRect(dest, glyph_.Canvas(), src);
      cells_->AddMasked(cell, transparent_color_);
    }
  }
  glyph_modified_ = true;
  Invalidate();
}

TBitBtnKind TXPCustomBitBtn::Kind() {
  if (kind_ != bkCustom) {
    const BitBtnKindInfo& k = KindInfo(kind_);
    if (Default() != k.is_default || Cancel() != k.is_cancel || ModalResult() != k.modal_result || glyph_modified_)
      kind_ = bkCustom;
  }
  return kind_;
}

void TXPCustomBitBtn::SetKind(TBitBtnKind kind) {
  if (kind == kind_) return;
  if (kind == bkCustom) {
    kind_ = kind;
    Invalidate();
    return;
  }
  const BitBtnKindInfo& k = KindInfo(kind);
  SetDefault(k.is_default);
  SetCancel(k.is_cancel);
  if (!(Loading() && !Caption().empty())) SetCaption(k.caption);
  SetModalResult(k.modal_result);
  // The cached bitmap stays the cache's: the glyph takes a copy of it.
  TBitmap copy;
  copy.SetHandle(static_cast<HBITMAP>(CopyImage(KindGlyph(kind), IMAGE_BITMAP, 0, 0, 0)));
  glyph_.Assign(copy);
  num_glyphs_ = 2;
  RebuildCells();
  glyph_modified_ = false;
  kind_ = kind;
  Invalidate();
}

void TXPCustomBitBtn::Click() {
  if (kind_ == bkHelp) {
    for (TControl* c = this; c; c = c->Parent()) {
      if (c->HelpContext() != 0) {
        Application().HelpContext(c->HelpContext());
        return;
      }
    }
  } else if (kind_ == bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      form->Close();
      return;
    }
  }
  TWinXPCustomButton::Click();
}

void TXPCustomBitBtn::DrawContent(const RECT& rect, TColor text_color) {
  TCanvas& c = Canvas();
  const SIZE glyph = cells_ ? SIZE{cells_->Width(), cells_->Height()} : SIZE{0, 0};
  uint8_t flags = 0;
  if (WordWrap()) flags |= dtfWordWrap;
  if (SmoothDraw()) flags |= dtfSmooth;
  POINT p{};
  RECT text_bounds{};
  CalcGlyphLayout(c, rect, Font(), flags, glyph, WideCaption(Caption()), layout_, margin_, spacing_, p, text_bounds);
  if (cells_) {
    const int index = GlyphCellIndex(Enabled(), Down(), num_glyphs_);
    const int o = ShiftContentWhenDown() && Down() ? 1 : 0;
    if (Enabled())
      cells_->Draw(c, p.x + o, p.y + o, index, true);
    else
      DrawDisabledCell(c.Handle(), index, p.x + o, p.y + o);
  }
  DrawButtonCaption(text_bounds, text_color);
}

// The disabled form of a cell: every pixel that is not the transparent colour becomes a
// lightened grey of its own brightness.
void TXPCustomBitBtn::DrawDisabledCell(HDC dc, int index, int x, int y) {
  const int w = cells_->Width(), h = cells_->Height();
  TBitmap cell;
  cell.SetPixelFormat(pf32bit);
  cell.SetSize(w, h);
  RECT dest{0, 0, w, h}, src{index * w, 0, (index + 1) * w, h};
  cell.Canvas().CopyRect(dest, glyph_.Canvas(), src);
  const uint32_t key = ColorToRGB(transparent_color_);
  const uint8_t kr = key & 0xFF, kg = (key >> 8) & 0xFF, kb = (key >> 16) & 0xFF;
  for (int row = 0; row < h; ++row) {
    uint8_t* px = cell.ScanLine(row);
    for (int col = 0; col < w; ++col, px += 4) {
      if (px[2] == kr && px[1] == kg && px[0] == kb) continue;
      px[0] = px[1] = px[2] = DisabledGlyphGrey(px[2], px[1], px[0]);
    }
  }
  DrawTransparentBitmap(dc, x, y, transparent_color_, cell.Canvas().Handle(), 0, 0, w, h);
}

}  // namespace pp::controls
