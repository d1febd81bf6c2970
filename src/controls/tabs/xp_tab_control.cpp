#include "controls/tabs/xp_tab_control.h"

#include <windowsx.h>

#include <algorithm>

#include "controls/tabs/tab_painting.h"
#include "controls/tabs/xp_page_control.h"
#include "controls/xp_text.h"
#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/text.h"

namespace pp::controls {

using namespace toolkit;

namespace {

RECT ToRect(const TabRectI& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

std::wstring Wide(const std::string& s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

}  // namespace

void TTabControlStrings::Changed() {
  TStringList::Changed();
  control_.TabsChanged();
}

TWinXPCustomTabControl::TWinXPCustomTabControl(TComponent* owner) : TXPCustomControl(owner) {
  SetControlStyle(ControlStyle().Include(csAcceptsControls).Include(csDoubleClicks));
  SetParentColor(true);
  SetTabStop(true);
  SetBounds(Left(), Top(), 289, 193);
  scroll_buttons_ = new TXPScrollButtons(this);
  scroll_buttons_->SetVisible(false);
  scroll_buttons_->OnUpClick = [this](TComponent*) {
    keep_selected_visible_ = false;
    ScrollTo(strip_.FirstVisible - 1);
  };
  scroll_buttons_->OnDownClick = [this](TComponent*) {
    keep_selected_visible_ = false;
    ScrollTo(strip_.FirstVisible + 1);
  };
  scroll_buttons_->SetParent(this);
}

void TWinXPCustomTabControl::BeforeDestruction() {
  images_ = nullptr;
  TXPCustomControl::BeforeDestruction();
  scroll_buttons_ = nullptr;
}

void TWinXPCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TXPCustomControl::Notification(component, operation);
  // The scroll buttons go first when the control is freed; nothing may reach them afterwards.
  if (operation == opRemove && component == scroll_buttons_) scroll_buttons_ = nullptr;
}

TStrings& TWinXPCustomTabControl::Tabs() {
  if (!tabs_) tabs_ = CreateTabs();
  return *tabs_;
}

std::unique_ptr<TStrings> TWinXPCustomTabControl::CreateTabs() { return std::make_unique<TTabControlStrings>(*this); }

bool TWinXPCustomTabControl::IsTabVisible(int i) { return i >= 0 && i < Tabs().Count(); }

bool TWinXPCustomTabControl::HasNoImage(int i) { return true; }

RECT TWinXPCustomTabControl::DisplayRect() const { return ToRect(strip_.DisplayRect); }
RECT TWinXPCustomTabControl::TabsRect() const { return ToRect(strip_.TabsRect); }
RECT TWinXPCustomTabControl::TabRect(int i) const { return ToRect(strip_.TabRect(i)); }

// ---- measuring and layout

void TWinXPCustomTabControl::Measure() {
  TStrings& tabs = Tabs();
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  SelectedObject font(dc.get(), Font().Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  strip_.TextHeight = tm.tmHeight;
  strip_.Tabs.resize(tabs.Count());
  for (int i = 0; i < tabs.Count(); ++i) {
    TabInfo& t = strip_.Tabs[i];
    const std::string caption = tabs.Get(i);
    SIZE size{};
    if (SmoothDraw()) {
      RECT room{0, 0, 32767, 32767};
      size = MeasureSmoothText(dc.get(), room, Wide(caption), DT_SINGLELINE, Font().Handle());
    } else {
      GetTextExtentPoint32A(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &size);
    }
    t.CaptionWidth = size.cx;
    t.Visible = IsTabVisible(i);
    t.HasImage = !HasNoImage(i);
  }
  strip_.ImageWidth = images_ ? images_->Width() : 0;
  strip_.ImageHeight = images_ ? images_->Height() : 0;
  const TXPLookMode look = GetXPLookMode();
  PaneEdges edges = TabPaneEdges(look, Theme(look), dc.get());
  strip_.PaneEdgeTop = edges.Top;
  strip_.PaneEdgeBottom = edges.Bottom;
  strip_.Width = Width();
}

void TWinXPCustomTabControl::LayoutTabs() {
  if (!HandleAllocated()) return;
  Measure();
  strip_.Layout();
}

void TWinXPCustomTabControl::AdjustClientRect(RECT& rect) {
  TabRectI area = strip_.ClientArea();
  rect = ToRect(area);
  TXPCustomControl::AdjustClientRect(rect);
}

int TWinXPCustomTabControl::StripEnd() const {
  return strip_.StripEnd(scroll_buttons_ && scroll_buttons_->Visible(), scroll_buttons_ ? scroll_buttons_->Left() : 0);
}

void TWinXPCustomTabControl::UpdateScrollButtons() {
  if (!HandleAllocated() || !scroll_buttons_) return;
  LayoutTabs();
  TabRectI b = strip_.ScrollButtonBounds();
  scroll_buttons_->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  if (update_count_ > 0) return;
  const int remembered = strip_.FirstVisible;
  strip_.FirstVisible = 0;
  const bool visible = !Loading() && strip_.TabsOverflow();
  scroll_buttons_->SetVisible(visible);
  if (visible) {
    strip_.FirstVisible = remembered;
  } else {
    ScrollTo(0);
  }
}

void TWinXPCustomTabControl::ScrollTo(int first) {
  if (!HandleAllocated()) return;
  const int old = strip_.FirstVisible;
  strip_.FirstVisible = strip_.ScrollTo(first, keep_selected_visible_, StripEnd());
  if (strip_.FirstVisible != old) InvalidateStrip();
}

void TWinXPCustomTabControl::EnsureSelectedVisible() {
  keep_selected_visible_ = true;
  ScrollTo(strip_.FirstVisible);
  keep_selected_visible_ = false;
}

void TWinXPCustomTabControl::TabsChanged() {
  if (!HandleAllocated()) return;
  if (update_count_ > 0) return;  // the outermost change runs it when it ends
  // A removed tab may leave the selection past the end.
  if (strip_.Selected >= Tabs().Count()) strip_.Selected = -1;
  Measure();
  // While loading, the layout's own choice is applied when loading ends.
  if (TabIndex() < 0 && !Loading()) SetVisibleTabIndex(0);
  LayoutTabs();
  UpdateScrollButtons();
  UpdateActive();
  AlignControls();
  InvalidateStrip();
}

void TWinXPCustomTabControl::EndTabUpdate() {
  if (update_count_ > 0 && --update_count_ == 0) TabsChanged();
}

void TWinXPCustomTabControl::InvalidateStrip() {
  if (!HandleAllocated()) return;
  RECT r = TabsRect();
  InvalidateRect(Handle(), &r, FALSE);
  if (scroll_buttons_ && scroll_buttons_->Visible()) scroll_buttons_->Invalidate();
}

// ---- selection

int TWinXPCustomTabControl::TabIndex() {
  const int i = strip_.Selected;
  if (i < 0 || i >= Tabs().Count() || !IsTabVisible(i)) return -1;
  int v = 0;
  for (int j = 0; j < i; ++j) v += IsTabVisible(j) ? 1 : 0;
  return v;
}

void TWinXPCustomTabControl::SetVisibleTabIndex(int v) {
  int i = -1;
  if (v >= 0) {
    int last = -1;
    for (int j = 0; j < Tabs().Count(); ++j) {
      if (!IsTabVisible(j)) continue;
      last = j;
      if (v-- == 0) break;
    }
    // No visible tab to select: the selection stays (a page whose tab was hidden stays shown).
    if (last < 0) return;
    i = last;
  }
  SetTabIndex(i);
}

bool TWinXPCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TWinXPCustomTabControl::Change() {
  if (Loading()) return;
  if (OnChange) OnChange(this);
}

void TWinXPCustomTabControl::SetTabIndex(int i) {
  if (Loading()) {
    if (loaded_tab_index_ == -2) loaded_tab_index_ = i;
    return;
  }
  if (changing_) return;
  changing_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{changing_};
  const int count = Tabs().Count();
  if (i < 0) i = -1;
  if (i >= count) i = count - 1;
  if (i != strip_.Selected && (i == loaded_tab_index_ || CanChange())) {
    strip_.Selected = i;
    TabChanged(i);
    EnsureSelectedVisible();
    if (i != loaded_tab_index_) Change();
    InvalidateStrip();
  }
}

void TWinXPCustomTabControl::Loaded() {
  TXPCustomControl::Loaded();
  if (loaded_tab_index_ != -2) {
    // Applied without asking or telling: the layout chose it.
    SetTabIndex(loaded_tab_index_);
    loaded_tab_index_ = -2;
  }
  TabsChanged();  // nothing chosen: the first visible tab
}

int TWinXPCustomTabControl::FindNextTab(int start, bool forward, bool visible_only) {
  Measure();
  return strip_.FindNextTab(start, forward, visible_only);
}

void TWinXPCustomTabControl::SelectNextTab(bool forward) {
  const int j = FindNextTab(strip_.Selected, forward, true);
  if (j >= 0 && j != strip_.Selected && CanChange()) SetTabIndex(j);
}

void TWinXPCustomTabControl::FocusAfterChange() {
  if (CanFocus()) SetFocus();
}

void TWinXPCustomTabControl::SetTabPosition(TWinXPTabPosition position) {
  if (position == strip_.Position) return;
  strip_.Position = position;
  UpdateScrollButtons();
  AlignControls();
  Invalidate();
}

void TWinXPCustomTabControl::SetImages(TImageList* images) {
  images_ = images;
  ImagesChanged();
}

void TWinXPCustomTabControl::ImagesChanged() {
  if (!HandleAllocated()) return;
  LayoutTabs();
  EnsureSelectedVisible();
  InvalidateStrip();
}

void TWinXPCustomTabControl::SmoothDrawChanged() {
  LayoutTabs();
  EnsureSelectedVisible();
  Invalidate();
}

// ---- window

void TWinXPCustomTabControl::CreateParams(TCreateParams& params) {
  TXPCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TWinXPCustomTabControl::CreateHandle() {
  TXPCustomControl::CreateHandle();
  TabsChanged();
  UpdateScrollButtons();
}

void TWinXPCustomTabControl::SetBounds(int left, int top, int width, int height) {
  TXPCustomControl::SetBounds(left, top, width, height);
  UpdateScrollButtons();
}

void TWinXPCustomTabControl::Resize() {
  LayoutTabs();
  AlignControls();
  EnsureSelectedVisible();
}

void TWinXPCustomTabControl::SetHotTab(int i) {
  if (i == strip_.Hot) return;
  strip_.Hot = i;
  InvalidateStrip();
}

void TWinXPCustomTabControl::KeyDown(WPARAM key, TShiftState) {
  // Right arrow stops at the last visible tab: hidden tabs after it do not count.
  if (key == VK_LEFT && TabIndex() > 0) SelectNextTab(false);
  if (key == VK_RIGHT) {
    Measure();
    if (TabIndex() < strip_.VisibleCount() - 1) SelectNextTab(true);
  }
}

void TWinXPCustomTabControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case WM_PRINTCLIENT:
      // The pane comes from erasing, which the base's printing does not do.
      if (m.Result == 0 && (m.LParam & PRF_ERASEBKGND)) Perform(WM_ERASEBKGND, m.WParam, m.WParam);
      break;
    case WM_THEMECHANGED:
      theme_.Close();
      TXPCustomControl::Dispatch(m);
      LayoutTabs();
      AlignControls();
      Invalidate();
      return;
    case WM_DESTROY:
      theme_.Close();
      break;
    case WM_NCCALCSIZE: WMNCCalcSize(m); return;
    case WM_SIZE:
      TXPCustomControl::Dispatch(m);
      Resize();
      return;
    case WM_GETDLGCODE:
      DefaultHandler(m);
      m.Result |= DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TXPCustomControl::Dispatch(m);
      const int i = strip_.TabHitByClick(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      if (i >= 0) SetTabIndex(i);
      if (TabStop()) FocusAfterChange();
      return;
    }
    case WM_MOUSEMOVE:
      TXPCustomControl::Dispatch(m);
      SetHotTab(strip_.TabAtPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
      return;
    case CM_MOUSELEAVE:
      TXPCustomControl::Dispatch(m);
      SetHotTab(-1);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TXPCustomControl::Dispatch(m);
      InvalidateStrip();
      return;
    case WM_KEYDOWN:
      KeyDown(m.WParam, KeyDataToShiftState(m.LParam));
      DefaultHandler(m);
      return;
    case CM_FONTCHANGED:
      TXPCustomControl::Dispatch(m);
      LayoutTabs();
      UpdateScrollButtons();
      AlignControls();
      EnsureSelectedVisible();
      Invalidate();
      return;
    case CM_ENABLEDCHANGED: {
      TXPCustomControl::Dispatch(m);
      Invalidate();
      for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(CM_ENABLEDCHANGED);
      return;
    }
    case CM_CONTROLLISTCHANGE: CMControlListChange(m); return;
    case CM_DIALOGCHAR: CMDialogChar(m); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
  }
  TXPCustomControl::Dispatch(m);
}

void TWinXPCustomTabControl::WMNCCalcSize(TMessage& m) {
  const RECT proposed = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                                 : *reinterpret_cast<RECT*>(m.LParam);
  const RECT old_window = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[1] : RECT{};
  const RECT old_client = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[2] : RECT{};
  strip_.CachedWidth = proposed.right - proposed.left;
  strip_.CachedHeight = proposed.bottom - proposed.top;
  LayoutTabs();
  DefaultHandler(m);
  if (!m.WParam) return;
  auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  // Keep the old pixels except where the pane's right and bottom edges move: those bands are
  // drawn anew. Below the pane the strip itself moves when the height changes.
  const RECT& client = p->rgrc[0];
  const int old_w = old_window.right - old_window.left, old_h = old_window.bottom - old_window.top;
  const int new_w = strip_.CachedWidth, new_h = strip_.CachedHeight;
  int keep_w = std::min(old_w, new_w), keep_h = std::min(old_h, new_h);
  if (old_w != new_w) keep_w -= strip_.PaneEdgeBottom;
  if (old_h != new_h) keep_h -= strip_.PaneEdgeBottom + (strip_.Position == tpBottom ? strip_.TabsRect.Height() + 1 : 0);
  keep_w = std::max(keep_w, 0);
  keep_h = std::max(keep_h, 0);
  p->rgrc[1] = RECT{client.left, client.top, client.left + keep_w, client.top + keep_h};
  p->rgrc[2] = RECT{old_client.left, old_client.top, old_client.left + keep_w, old_client.top + keep_h};
  m.Result = WVR_VALIDRECTS;
}

HTHEME TWinXPCustomTabControl::Theme(TXPLookMode look) {
  if (look != xlmThemed || !HandleAllocated()) return nullptr;
  if (!theme_) theme_.Open(Handle());
  return theme_.get();
}

void TWinXPCustomTabControl::DrawPane(HDC dc, const RECT& d, const RECT& clip) {
  const TXPLookMode look = GetXPLookMode();
  DrawTabPane(dc, look, Theme(look), d, clip);
}

void TWinXPCustomTabControl::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  RECT d = DisplayRect(), c = d;
  // The band the strip overlaps is the strip's to draw.
  if (strip_.Position == tpTop)
    c.top += strip_.PaneEdgeTop - 1;
  else
    c.bottom -= strip_.PaneEdgeBottom - 1;
  DrawPane(dc, d, c);
  m.Result = 1;
}

void TWinXPCustomTabControl::Paint() {
  HDC target = Canvas().Handle();
  const RECT strip = TabsRect();
  const int w = Width(), h = strip.bottom - strip.top;
  if (w <= 0 || h <= 0) return;
  UniqueMemoryDC memory(CreateCompatibleDC(target));
  UniqueBitmap bitmap(CreateCompatibleBitmap(target, w, h));
  if (!memory || !bitmap) return;
  {
    SelectedObject selected(memory.get(), bitmap.get());
    HDC dc = memory.get();
    SetViewportOrgEx(dc, -strip.left, -strip.top, nullptr);
    DrawPane(dc, DisplayRect(), strip);
    RECT above = strip;
    if (strip_.Position == tpTop)
      above.bottom = strip_.DisplayRect.Top;
    else
      above.top = strip_.DisplayRect.Bottom;
    PaintParentImage(this, dc, &above);
    {
      SavedDCState clip(dc);
      if (scroll_buttons_ && scroll_buttons_->Visible()) {
        const int l = scroll_buttons_->Left();
        ExcludeClipRect(dc, l, strip.top, l + scroll_buttons_->Width(), strip.bottom);
      }
      struct Lend {
        TCanvas& c;
        ~Lend() { c.SetHandle(nullptr); }
      } lend{strip_canvas_};
      strip_canvas_.SetHandle(dc);
      strip_canvas_.Font().Assign(Font());
      const int count = std::min(Tabs().Count(), strip_.Count());
      for (int i = 0; i < count; ++i)
        if (i != strip_.Selected) DrawTab(i, TabRect(i), false);
      if (strip_.Selected >= 0 && strip_.Selected < count) DrawTab(strip_.Selected, TabRect(strip_.Selected), true);
    }
    SetViewportOrgEx(dc, 0, 0, nullptr);
    if (scroll_buttons_ && scroll_buttons_->Visible()) scroll_buttons_->Invalidate();
    BitBlt(target, strip.left, strip.top, w, h, dc, 0, 0, SRCCOPY);
  }
}

void TWinXPCustomTabControl::DrawTab(int i, const RECT& r, bool selected) {
  if (i < strip_.FirstVisible || !strip_.IsTabVisible(i)) return;
  HDC dc = strip_canvas_.Handle();
  const int d = TabDetail(i);
  RECT f = r, k = r, q = r;
  const bool first = strip_.VisiblePosition(i) == 0;
  const bool last = strip_.VisiblePosition(i) == strip_.VisibleCount() - 1;
  if (selected && last && !first) {
    q.right -= 2;
    if (r.right < Width() - 2) k.right -= 2;
  }
  if (selected) {
    if (strip_.Position == tpTop)
      f.bottom += 1;
    else
      f.top -= 1;
  }
  const TXPLookMode look = GetXPLookMode();
  DrawTabFace(dc, look, Theme(look), d, f, k, strip_.Position);
  RECT t = f;
  t.left += 6;
  if (selected) {
    t.left = f.left + 8;
    t.bottom -= 2;
    q.left += 3;
    q.right -= 3;
    if (strip_.Position == tpTop) {
      q.top += 3;
      q.bottom -= 2;
    } else {
      q.top += 2;
      q.bottom -= 3;
    }
  }
  DrawXPText(strip_canvas_, t, Wide(Tabs().Get(i)), xeNone, SmoothDraw() ? dtfSmooth : 0, xvaCenter, xhaLeft,
             clBtnText, Font());
  if (selected && Focused()) DrawFocusRect(dc, &q);
  if (images_ && images_->Count() > 0 && i < images_->Count() && !HasNoImage(i)) {
    const int top = selected ? q.top : t.top;
    images_->Draw(strip_canvas_, t.left + strip_.Tabs[i].CaptionWidth + 2, top + 2, i, Enabled());
  }
}

// ---- keys and children

void TWinXPCustomTabControl::CMDialogChar(TMessage& m) {
  for (int i = 0; i < Tabs().Count(); ++i) {
    if (IsAccel(static_cast<unsigned>(m.WParam), Tabs().Get(i)) && CanShowTab(i) && CanFocus()) {
      m.Result = 1;
      if (CanChange()) SetTabIndex(i);
      return;
    }
  }
  TXPCustomControl::Dispatch(m);
}

void TWinXPCustomTabControl::CMDialogKey(TMessage& m) {
  const HWND focus = GetFocus();
  const bool inside = HandleAllocated() && focus && (focus == Handle() || IsChild(Handle(), focus));
  if (inside && m.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
    SelectNextTab(GetKeyState(VK_SHIFT) >= 0);
    m.Result = 1;
    return;
  }
  // On to the pages (Enter and Esc reach the buttons). Not through Dispatch: that calls this
  // override again, for ever.
  toolkit::TWinControl::CMDialogKey(m);
}

void TWinXPCustomTabControl::CMControlListChange(TMessage& m) {
  auto* control = reinterpret_cast<TControl*>(m.WParam);
  if (m.LParam && control && control != scroll_buttons_ &&
      !dynamic_cast<TWinXPTabSheet*>(control))
    Raise(EInvalidOperation(std::string(control->ClassName()) + " can't be inserted into " + ClassName() + "."));
  TXPCustomControl::Dispatch(m);
}

}  // namespace pp::controls
