#include "controls/xp_check_box.h"

#include "controls/button_images.h"
#include "controls/button_painters.h"
#include "controls/xp_text.h"
#include "toolkit/handles.h"
#include "toolkit/text.h"

namespace pp::controls {

using namespace toolkit;

// ---- TXPCheckControl

TXPCheckControl::TXPCheckControl(TComponent* owner) : TWinXPCustomButtonControl(owner) {
  SetParentColor(true);
  width_ = 113;
  height_ = 17;
}

void TXPCheckControl::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

// The theme's box is the same size in every state; it is asked once per theme handle (the
// size is forgotten with the handle, on WM_THEMECHANGED too), not at every paint.
SIZE TXPCheckControl::BoxSize(TXPLookMode look, HDC dc) {
  if (look == xlmLuna) return SIZE{13, 13};
  if (look != xlmThemed) return CheckBoxBoxSize(look, dc, nullptr, 0);
  HTHEME theme = ButtonTheme();
  if (theme != sized_theme_ || !theme) {
    themed_box_ = CheckBoxBoxSize(look, dc, theme, GetThemedDetail(Enabled(), Down(), Hot()));
    sized_theme_ = theme;
  }
  return themed_box_;
}

void TXPCheckControl::CreateHandle() {
  TWinXPCustomButtonControl::CreateHandle();
  int h = 13;
  if (GetXPLookMode() == xlmThemed) {
    ClientDC dc(Handle());
    h = BoxSize(xlmThemed, dc.get()).cy;
  }
  if (Height() < h + 4) SetHeight(h + 4);
  Perform(CM_FONTCHANGED);
}

// A caption taller than the control grows it; the control never shrinks by itself.
void TXPCheckControl::FitHeightToCaption() {
  if (!HandleAllocated()) return;
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  SelectedObject font(dc.get(), Font().Handle());
  const std::string text = StripAccelerator(Caption());
  SIZE size{};
  if (text.empty()) {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    size.cy = tm.tmHeight;
  } else {
    GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &size);
  }
  if (Height() < size.cy + 2) SetHeight(size.cy + 2);
}

void TXPCheckControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<unsigned>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        m.Result = 1;
        return;
      }
      break;
    case WM_THEMECHANGED:
      sized_theme_ = nullptr;
      break;
    case CM_FONTCHANGED:
      layout_key_ = LayoutKey{};  // a new font may come back under the old handle's value
      TWinXPCustomButtonControl::Dispatch(m);
      FitHeightToCaption();
      return;
  }
  TWinXPCustomButtonControl::Dispatch(m);
}

void TXPCheckControl::Paint() {
  const TXPLookMode look = GetXPLookMode();
  HDC dc = Canvas().Handle();
  const int detail = GetThemedDetail(Enabled(), Down(), Hot());
  PaintCheckBoxBackground(look, *this, dc, detail);

  TColor text_color = Font().Color();
  if (!Enabled()) text_color = look == xlmClassic ? clGrayText : XPColorShadow;

  const bool box_left = alignment_ == taRightJustify;
  switch (look) {
    case xlmClassic: {
      const SIZE s{XPCheckBoxSize.x, XPCheckBoxSize.y};
      const int x = box_left ? 0 : Width() - s.cx - 1, y = (Height() - s.cy) / 2;
      PaintCheckBoxBox(look, dc, nullptr, RECT{x, y, x + s.cx, y + s.cy}, detail, GetClassicFlags());
      break;
    }
    case xlmLuna: {
      const int x = box_left ? 0 : Width() - 14, y = (Height() - 13) / 2;
      PaintCheckBoxBox(look, dc, nullptr, RECT{x, y, x + 13, y + 13}, detail, GetClassicFlags());
      break;
    }
    case xlmThemed: {
      RECT r = ClientRect();
      const int w = BoxSize(look, dc).cx;
      if (box_left)
        r.right = r.left + w;
      else
        r.left = r.right - w;
      PaintCheckBoxBox(look, dc, ButtonTheme(), r, detail, 0);
      break;
    }
  }
  DrawContent(Color(), text_color);
}

void TXPCheckControl::DrawContent(TColor, TColor text_color) {
  TCanvas& c = Canvas();
  const TXPLookMode look = GetXPLookMode();
  RECT r = ClientRect();
  const SIZE box = look == xlmThemed ? BoxSize(look, c.Handle()) : SIZE{13, 13};
  const TButtonLayout layout = alignment_ == taRightJustify ? blGlyphLeft : blGlyphRight;
  uint8_t flags = 0;
  if (WordWrap()) flags |= dtfWordWrap;
  if (SmoothDraw()) flags |= dtfSmooth;
  const std::wstring caption = WideCaption(Caption());
  POINT glyph{};
  RECT tb{};
  // Measuring the caption is a good part of a paint; the same caption, font, flags and size
  // lay out the same way, so the last layout is kept.
  const LayoutKey key{caption, Font().Handle(), flags, r.right - r.left, r.bottom - r.top, box.cx, box.cy, layout};
  if (!(key == layout_key_)) {
    CalcGlyphLayout(c, r, Font(), flags, box, caption, layout, 0, 3, glyph, tb);
    layout_key_ = key;
    text_bounds_ = tb;
  }
  tb = text_bounds_;
  if (alignment_ == taLeftJustify && tb.left > 0) OffsetRect(&tb, -tb.left, 0);
  RECT t = r;
  InflateRect(&t, -1, -1);
  IntersectRect(&t, &t, &tb);
  if (Focused() && draw_focus_rect_) flags |= dtfFocusRect;
  DrawXPText(c, t, caption, xeNone, flags, xvaCenter, xhaLeft, text_color, Font());
}

// ---- TXPCheckBox

const TAlphaImage* TXPCheckBox::GetStateImage() { return CheckBoxImage(); }

void TXPCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  Invalidate();
  if (!ClicksSuppressed()) {
    setting_state_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{setting_state_};
    Click();
  }
}

void TXPCheckBox::Click() {
  if (in_click_) return;
  in_click_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{in_click_};
  if (!setting_state_) Toggle();
  TXPCheckControl::Click();
}

}  // namespace pp::controls
