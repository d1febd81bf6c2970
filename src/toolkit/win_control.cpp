#include "toolkit/win_control.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "toolkit/application.h"
#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/key_routing.h"

namespace pp::toolkit {

void AttachObjectProperty(HWND wnd, TWinControl* control);
void DetachObjectProperty(HWND wnd);

namespace {

InsertControlHook g_insert_control_hook = nullptr;

// The object whose window CreateWindowEx is making: its first messages (WM_GETMINMAXINFO,
// WM_NCCREATE, ...) arrive before CreateWindowEx returns the handle.
TWinControl* g_creating = nullptr;

bool IsMouseMessage(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && msg != WM_MOUSEWHEEL;
}

bool IsGraphic(const TControl* c) { return dynamic_cast<const TWinControl*>(c) == nullptr; }

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* control = FindControl(wnd);
  if (!control) {
    if (!g_creating) return DefWindowProcA(wnd, msg, wparam, lparam);
    control = std::exchange(g_creating, nullptr);
    control->AttachHandle(wnd);
  }
  TMessage m{msg, wparam, lparam, 0};
  // No exception may cross the system's frames: whatever a handler raises ends here and goes
  // to the application's handler; the message counts as handled with result 0.
  try {
    control->WindowProc(m);
  } catch (...) {
    Application().HandleException(control);
  }
  return m.Result;
}

void TWinControl::AttachHandle(HWND wnd) {
  handle_.reset(wnd);
  AttachObjectProperty(wnd, this);
}

void TWinControl::BeforeDestruction() {
  IncludeState(csDestroying);
  if (TCustomForm* form = GetParentForm(this); form && form != this) form->DefocusControl(this, true);
  DestroyHandle();
  TControl::BeforeDestruction();  // frees what it owns, leaves its parent
  // Children that another component owns still go with their parent.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    child->Free();
  }
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_.get();
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (parent_) parent_->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  // Child windows made later go below earlier ones, so that they keep their list order.
  if (GetWindowLongA(handle_.get(), GWL_STYLE) & WS_CHILD)
    SetWindowPos(handle_.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = Text();
  p.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) p.Style |= WS_CLIPCHILDREN;
  if (tab_stop_) p.Style |= WS_TABSTOP;
  if (!Enabled()) p.Style |= WS_DISABLED;
  p.X = left_;
  p.Y = top_;
  p.Width = width_;
  p.Height = height_;
  p.WndParent = parent_ ? parent_->Handle() : parent_window_;
  p.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  p.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  p.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if ((p.Style & WS_CHILD) && !p.WndParent)
    Raise(EInvalidOperation("Control '" + Name() + "' has no parent window"));
  const char* cls = EnsureWindowClass(p, default_proc_);
  g_creating = this;
  HWND wnd = CreateWindowExA(p.ExStyle, cls, p.Caption.c_str(), p.Style, p.X, p.Y, p.Width, p.Height, p.WndParent,
                             nullptr, ToolkitInstance(), p.Param);
  g_creating = nullptr;
  if (!wnd) {
    handle_.release();
    Raise(EOutOfResources("Error creating window (" + std::to_string(GetLastError()) + ")"));
  }
  if (!handle_) AttachHandle(wnd);
  if (!own_class()) SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  UpdateBounds();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  handle_.reset();  // WM_NCDESTROY, here and in every child window, detaches the objects
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  bool had_focus = Focused();
  DestroyHandle();
  UpdateShowing();
  if (!handle_ && (Visible() || !parent_)) HandleNeeded();
  if (had_focus && CanFocus()) SetFocus();
}

void TWinControl::SetParentWindow(HWND wnd) {
  if (wnd == parent_window_) return;
  parent_window_ = wnd;
  if (!parent_ && handle_) RecreateWnd();
}

// ---- children

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) Raise(EListError::IndexOutOfBounds(index));
  return controls_[index];
}

void TWinControl::InsertControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    // A tab order given before the parent (as a layout may) keeps its place among the others.
    auto pos = tab_list_.end();
    if (w->tab_order_ >= 0)
      pos = std::find_if(tab_list_.begin(), tab_list_.end(),
                         [w](TWinControl* other) { return other->tab_order_ > w->tab_order_; });
    tab_list_.insert(pos, w);
  }
  if (control->parent_font_) control->AssignFontFromParent();
  if (control->parent_color_) control->Perform(CM_PARENTCOLORCHANGED);
  if (control->parent_show_hint_) control->Perform(CM_PARENTSHOWHINTCHANGED);
  if (auto* w = dynamic_cast<TWinControl*>(control)) w->UpdateShowing();
  control->Invalidate();
  if (control->Align() != alNone) AlignControls();
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
  if (g_insert_control_hook) g_insert_control_hook(this, control);
}

InsertControlHook SetInsertControlHook(InsertControlHook hook) {
  return std::exchange(g_insert_control_hook, hook);
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  const bool quiet = Destroying();
  if (!quiet) Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
  auto* w = dynamic_cast<TWinControl*>(control);
  if (w) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(w, true);
    w->DestroyHandle();
    tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), w), tab_list_.end());
  } else if (!quiet) {
    control->Invalidate();
  }
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  control->parent_ = nullptr;
  if (!quiet) {
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (control->Align() != alNone) AlignControls();
  }
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allow_disabled, bool windowed_too) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!windowed_too && !IsGraphic(c)) continue;
    if (!c->Visible() || (!allow_disabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& m) {
  std::vector<TControl*> snapshot = controls_;  // a handler may add or remove controls
  for (TControl* c : snapshot) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    c->WindowProc(m);
    if (m.Result != 0) return;
  }
}

// ---- tab order and focus

int TWinControl::TabOrder() const {
  if (!parent_) return tab_order_;
  auto& list = parent_->tab_list_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  tab_order_ = order;
  // While a layout is read the orders arrive in any sequence; the parent sorts them in Loaded.
  if (!parent_ || Loading()) return;
  auto& list = parent_->tab_list_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
  for (size_t i = 0; i < list.size(); ++i) list[i]->tab_order_ = static_cast<int>(i);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  std::stable_sort(tab_list_.begin(), tab_list_.end(), [](TWinControl* a, TWinControl* b) {
    return static_cast<unsigned>(a->tab_order_) < static_cast<unsigned>(b->tab_order_);  // unset (-1) last
  });
  for (size_t i = 0; i < tab_list_.size(); ++i) tab_list_[i]->tab_order_ = static_cast<int>(i);
}

void TWinControl::SetBorderWidth(int width) {
  if (width == border_width_ || width < 0) return;
  border_width_ = width;
  AlignControls();
  Invalidate();
}

void TWinControl::SetTabStop(bool on) {
  if (on == tab_stop_) return;
  tab_stop_ = on;
  if (handle_) {
    LONG style = GetWindowLongA(handle_.get(), GWL_STYLE);
    SetWindowLongA(handle_.get(), GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
  Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_.get(); }

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(const_cast<TWinControl*>(this));
  if (!form || !form->Visible() || !form->Enabled()) return false;
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this); form && form != this) {
    form->FocusControl(this);
  } else if (handle_ || parent_window_) {
    ::SetFocus(Handle());
  }
}

void TWinControl::GetTabOrderList(std::vector<TTabStop>& list) {
  for (TWinControl* c : tab_list_) {
    list.push_back(TTabStop{c->handle_.get(), c});
    c->GetTabOrderList(list);
  }
  if (!handle_) return;
  for (HWND w = GetWindow(handle_.get(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (!FindControl(w)) list.push_back(TTabStop{w, nullptr});
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool go_forward, bool check_tab_stop,
                                          bool check_parent) {
  std::vector<TTabStop> stops;
  GetTabOrderList(stops);
  std::vector<TWinControl*> list;
  for (const TTabStop& s : stops)
    if (s.Control) list.push_back(s.Control);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == n) start = go_forward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    int i = go_forward ? (start + step) % n : (start - step + n) % n;
    TWinControl* c = list[i];
    if (c == current) break;
    if (!c->CanFocus()) continue;
    if (check_tab_stop && !c->tab_stop_) continue;
    if (check_parent && c->parent_ != this) continue;
    return c;
  }
  return nullptr;
}

bool TWinControl::SelectNext(HWND current, bool go_forward, bool check_tab_stop) {
  std::vector<TTabStop> stops;
  GetTabOrderList(stops);
  const int n = static_cast<int>(stops.size());
  if (n == 0) return false;
  // The stop that holds `current` (the focus may sit in a child of a foreign window).
  int start = n;
  for (HWND w = current; w && start == n; w = GetParent(w))
    for (int i = 0; i < n; ++i)
      if (stops[i].Wnd == w) {
        start = i;
        break;
      }
  if (start == n) start = go_forward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    const TTabStop& s = stops[go_forward ? (start + step) % n : (start - step + n) % n];
    if (s.Control) {
      if (!s.Control->CanFocus() || (check_tab_stop && !s.Control->tab_stop_)) continue;
      if (s.Wnd && s.Wnd == current) return true;
      s.Control->SetFocus();
      return true;
    }
    if (!IsWindowVisible(s.Wnd) || !IsWindowEnabled(s.Wnd)) continue;
    if (check_tab_stop && !(GetWindowLongA(s.Wnd, GWL_STYLE) & WS_TABSTOP)) continue;
    ::SetFocus(s.Wnd);
    return true;
  }
  return false;
}

// ---- showing, bounds, alignment

void TWinControl::UpdateShowing() {
  const bool show = Visible() && (parent_ ? parent_->showing_ : true);
  if (show) {
    HandleNeeded();
    if (!showing_) {
      showing_ = true;
      for (TWinControl* c : tab_list_) c->UpdateShowing();
      try {
        Perform(CM_SHOWINGCHANGED);
      } catch (...) {
        showing_ = false;
        throw;
      }
    } else {
      for (TWinControl* c : tab_list_) c->UpdateShowing();
    }
  } else if (showing_) {
    showing_ = false;
    if (handle_) Perform(CM_SHOWINGCHANGED);
    for (TWinControl* c : tab_list_) c->UpdateShowing();
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  if (!handle_) return;
  SetWindowPos(handle_.get(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!Visible() && Focused()) {
    if (TCustomForm* form = GetParentForm(this); form && form != this) form->DefocusControl(this, false);
  }
  UpdateShowing();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle_)
    SetWindowPos(handle_.get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (resized) AlignControls();
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_.get(), &r);
  if (GetWindowLongA(handle_.get(), GWL_STYLE) & WS_CHILD)
    MapWindowPoints(nullptr, GetParent(handle_.get()), reinterpret_cast<POINT*>(&r), 2);
  const bool resized = r.right - r.left != width_ || r.bottom - r.top != height_;
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  if (resized) AlignControls();
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, width_, height_};
  if (handle_) GetClientRect(handle_.get(), &r);
  return r;
}

// Top and bottom first (full width), then left and right (remaining height), then client.
void TWinControl::AlignControls() {
  if (in_align_) return;
  in_align_ = true;
  RECT r = ClientRect();
  AdjustClientRect(r);
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
      if (c->Align() != pass || !c->Visible()) continue;
      int w = c->Width(), h = c->Height();
      switch (pass) {
        case alTop:
          c->SetBounds(r.left, r.top, r.right - r.left, h);
          r.top += h;
          break;
        case alBottom:
          c->SetBounds(r.left, r.bottom - h, r.right - r.left, h);
          r.bottom -= h;
          break;
        case alLeft:
          c->SetBounds(r.left, r.top, w, r.bottom - r.top);
          r.left += w;
          break;
        case alRight:
          c->SetBounds(r.right - w, r.top, w, r.bottom - r.top);
          r.right -= w;
          break;
        default:
          c->SetBounds(r.left, r.top, std::max<int>(0, r.right - r.left), std::max<int>(0, r.bottom - r.top));
      }
    }
  }
  in_align_ = false;
}

void TWinControl::SetText(const std::string& text) {
  if (text == Text()) return;
  SetTextSilently(text);
  if (handle_) SetWindowTextA(handle_.get(), text.c_str());
  Perform(CM_TEXTCHANGED);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_.get(), nullptr, !ControlStyle().Contains(csOpaque));
}

// ---- painting

void TWinControl::PaintWindow(HDC dc) {
  // A superclassed system control draws itself into the DC it is given.
  if (own_class()) return;
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintHandler(HDC dc) {
  PaintWindow(dc);
  PaintControls(dc);
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip;
  if (GetClipBox(dc, &clip) == ERROR) return;
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (!IsGraphic(c) || !c->Visible()) continue;
    RECT b = c->BoundsRect(), both;
    if (!IntersectRect(&both, &b, &clip)) continue;
    SavedDCState saved(dc);
    OffsetViewportOrgEx(dc, b.left, b.top, nullptr);
    IntersectClipRect(dc, 0, 0, b.right - b.left, b.bottom - b.top);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::WMPaint(TMessage& m) {
  if (m.WParam) {
    PaintHandler(reinterpret_cast<HDC>(m.WParam));
    return;
  }
  const bool graphic_children = std::any_of(controls_.begin(), controls_.end(), IsGraphic);
  if (!own_class() && !graphic_children && !double_buffered_) {
    DefaultHandler(m);
    return;
  }
  PaintDC paint(handle_.get());
  if (!double_buffered_) {
    PaintHandler(paint.get());
    return;
  }
  // Off-screen: erase and paint into a bitmap, then copy it in one step (no flicker).
  RECT c = ClientRect();
  UniqueMemoryDC memory(CreateCompatibleDC(paint.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(paint.get(), c.right, c.bottom));
  if (!memory || !bitmap) {
    PaintHandler(paint.get());
    return;
  }
  {
    SelectedObject selected(memory.get(), bitmap.get());
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.get()), reinterpret_cast<LPARAM>(memory.get()));
    PaintHandler(memory.get());
    BitBlt(paint.get(), 0, 0, c.right, c.bottom, memory.get(), 0, 0, SRCCOPY);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  if (!own_class()) {
    DefaultHandler(m);
    return;
  }
  // With double buffering the screen is not erased; the buffer is (WParam == LParam).
  if (double_buffered_ && m.WParam != static_cast<WPARAM>(m.LParam) && !ControlState().Contains(csPaintCopy)) {
    m.Result = 1;
    return;
  }
  RECT r = ClientRect();
  UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush.get());
  m.Result = 1;
}

void TWinControl::WMPrintClient(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if ((m.LParam & PRF_CHECKVISIBLE) && !(handle_ && IsWindowVisible(handle_.get()))) {
    DefaultHandler(m);
    return;
  }
  SetControlState(ControlState().Include(csPaintCopy));
  struct Clear {
    TWinControl* c;
    ~Clear() { c->SetControlState(c->ControlState().Exclude(csPaintCopy)); }
  } clear{this};
  SavedDCState saved(dc);
  if (m.LParam & PRF_ERASEBKGND) Perform(WM_ERASEBKGND, m.WParam, m.WParam);
  Perform(WM_PAINT, m.WParam, 0);
}

// ---- message routing

void TWinControl::WndProc(TMessage& m) {
  if (IsMouseMessage(m.Msg)) {
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (m.Msg == WM_MOUSEMOVE) TrackMouse(p);
    // A graphic child under the mouse (or holding the capture) takes the message, in its own
    // coordinates.
    TControl* target = GetCaptureControl();
    if (!(target && IsGraphic(target) && target->Parent() == this)) target = ControlAtPos(p, false);
    if (target) {
      m.LParam = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
      target->WindowProc(m);
      return;
    }
  }
  switch (m.Msg) {
    case WM_NCDESTROY:
      TControl::WndProc(m);
      DetachObjectProperty(handle_.get());
      handle_.release();
      showing_ = false;
      tracking_leave_ = false;
      return;
    case WM_CAPTURECHANGED:
      if (TControl* held = GetCaptureControl();
          held && ContainsControl(held) && (held == this || held->Parent() == this)) {
        // A window-less child pressed through this window loses its press with the capture.
        held->SetControlState(held->ControlState().Exclude(csClicked));
        SetCaptureControl(nullptr);
      }
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: WMPaint(m); return;
    case WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case WM_PRINTCLIENT: WMPrintClient(m); return;
    case WM_SETFOCUS: WMSetFocus(m); return;
    case WM_KILLFOCUS: WMKillFocus(m); return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: WMReflect(m); return;
    case WM_MOUSELEAVE: WMMouseLeave(m); return;
    case CN_KEYDOWN: CNKeyDown(m); return;
    case CN_CHAR: CNChar(m); return;
    case CN_SYSCHAR: CNSysChar(m); return;
    case CM_CHILDKEY: CMChildKey(m); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    case CM_DIALOGCHAR: CMDialogChar(m); return;
    case CM_FOCUSCHANGED: CMFocusChanged(m); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(m); return;
    case CM_WANTSPECIALKEY:
    case CN_KEYUP:
    case CN_SYSKEYDOWN: m.Result = 0; return;  // not taken: the message goes its normal way
  }
  TControl::Dispatch(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) return;
  if (m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400) return;  // our own numbers mean nothing below
  m.Result = CallWindowProcA(default_proc_ ? default_proc_ : DefWindowProcA, handle_.get(), m.Msg, m.WParam,
                             m.LParam);
}

void TWinControl::WMReflect(TMessage& m) {
  HWND child = nullptr;
  switch (m.Msg) {
    case WM_NOTIFY: child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom; break;
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem; break;
    default: child = reinterpret_cast<HWND>(m.LParam);
  }
  TWinControl* c = FindControl(child);
  if (c && c != this) {
    m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    if (m.Result || m.Msg == WM_COMMAND || m.Msg == WM_NOTIFY) return;
  }
  DefaultHandler(m);
}

void TWinControl::WMSetFocus(TMessage& m) {
  DefaultHandler(m);
  if (TCustomForm* form = GetParentForm(this); form && form != this) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& m) { DefaultHandler(m); }

void TWinControl::WMWindowPosChanged(TMessage& m) {
  DefaultHandler(m);
  UpdateBounds();
}

void TWinControl::TrackMouse(POINT p) {
  TControl* target = ControlAtPos(p, false);
  if (!target) target = this;
  TControl* previous = MouseControl();
  if (target != previous) {
    SetMouseControl(target);
    Application().MouseControlChanged(target);
    if (previous) previous->Perform(CM_MOUSELEAVE);
    target->Perform(CM_MOUSEENTER);
  }
  if (!tracking_leave_ && handle_) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle_.get(), 0};
    tracking_leave_ = TrackMouseEvent(&t) != FALSE;
  }
}

void TWinControl::WMMouseLeave(TMessage& m) {
  tracking_leave_ = false;
  TControl* mc = MouseControl();
  if (mc && (mc == this || (IsGraphic(mc) && mc->Parent() == this))) {
    SetMouseControl(nullptr);
    Application().MouseControlChanged(nullptr);
    mc->Perform(CM_MOUSELEAVE);
  }
  DefaultHandler(m);
}

// ---- keyboard

void TWinControl::CNKeyDown(TMessage& m) {
  m.Result = RouteKey(this, Handle(), WM_KEYDOWN, m.WParam, m.LParam) ? 1 : 0;
}

void TWinControl::CNChar(TMessage& m) {
  m.Result = RouteKey(this, Handle(), WM_CHAR, m.WParam, m.LParam) ? 1 : 0;
}

void TWinControl::CNSysChar(TMessage& m) {
  m.Result = RouteKey(this, Handle(), WM_SYSCHAR, m.WParam, m.LParam) ? 1 : 0;
}

void TWinControl::CMChildKey(TMessage& m) {
  if (parent_) m.Result = parent_->Perform(CM_CHILDKEY, m.WParam, m.LParam);
}

// ---- state changes

void TWinControl::CMEnabledChanged(TMessage& m) {
  if (handle_) EnableWindow(handle_.get(), Enabled());
  Invalidate();
}

void TWinControl::CMFontChanged(TMessage& m) {
  if (handle_ && !own_class()) SendMessageA(handle_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  Invalidate();
  TMessage n{CM_PARENTFONTCHANGED, 0, 0, 0};
  for (TControl* c : std::vector<TControl*>(controls_)) c->WindowProc(n);
}

void TWinControl::CMColorChanged(TMessage& m) {
  Invalidate();
  TMessage n{CM_PARENTCOLORCHANGED, 0, 0, 0};
  for (TControl* c : std::vector<TControl*>(controls_)) c->WindowProc(n);
}

void TWinControl::CMTextChanged(TMessage& m) { Invalidate(); }

// ---- TCustomControl

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle().Include(csAcceptsControls));
}

void TCustomControl::PaintWindow(HDC dc) {
  PaintThrough(canvas_, dc, [this] { Paint(); });
}

}  // namespace pp::toolkit
