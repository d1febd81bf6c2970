#include "forms/theme_form.h"

#include <windowsx.h>

#include <string>
#include <utility>

#include "controls/xp_controls.h"
#include "forms/form_theme_data_xp.h"
#include "forms/server_dialog.h"
#include "toolkit/handles.h"
#include "toolkit/messages.h"
#include "toolkit/win_control.h"

namespace pp::forms {

using namespace toolkit;

namespace {

// The frame is ours only in the emulated XP look; in the others the system draws it.
bool LunaLook() { return controls::GetXPLookMode() == controls::xlmLuna; }

FrameLookQuery g_look_query = &LunaLook;
TFormThemeData* g_theme_data = nullptr;  // none: the XP data

FrameBorder ToFrameBorder(TFormBorderStyle style) {
  switch (style) {
    case bsNone: return FrameBorder::None;
    case bsSingle: return FrameBorder::Single;
    case bsSizeable: return FrameBorder::Sizeable;
    case bsDialog: return FrameBorder::Dialog;
    case bsToolWindow: return FrameBorder::ToolWindow;
    case bsSizeToolWin: return FrameBorder::SizeToolWin;
  }
  return FrameBorder::Dialog;
}

RECT ToRect(const Box& b) { return {b.left, b.top, b.right, b.bottom}; }

}  // namespace

HRGN CreateRoundedFrameRegion(int width, int height) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  for (const Box& b : FrameRegionBoxes(width, height)) {
    UniqueRegion part(CreateRectRgn(b.left, b.top, b.right, b.bottom));
    CombineRgn(region, region, part.get(), RGN_OR);
  }
  return region;
}

FrameLookQuery SetFrameLookQuery(FrameLookQuery query) { return std::exchange(g_look_query, query ? query : &LunaLook); }
TFormThemeData* SetFrameThemeData(TFormThemeData* data) { return std::exchange(g_theme_data, data); }
TFormThemeData* FrameThemeData() { return g_theme_data ? g_theme_data : &TFormThemeData_WinXP::Instance(); }

void AttachThemedFrame(TServerDialog* dialog) {
  if (g_look_query()) new TThemeForm(dialog, FrameThemeData());
}

void StartFormFrame() noexcept {}

void EndFormFrame() noexcept { TFormThemeData_WinXP::FreeInstance(); }

// ---- attaching

TThemeForm::TThemeForm(TCustomForm* form, TFormThemeData* data) : TComponent(form), form_(form), data_(data) {
  old_window_proc_ = form->WindowProc;
  form->WindowProc = [this](TMessage& m) { Handle(m); };
  if (form->HandleAllocated()) form->RecreateWnd();
  form->SetHeight(data_->GetMetric(1) + form->Height() - data_->GetSystemCaptionHeight() - data_->GetMetric(0));
  form->SetColor(data_->GetFormColor());
}

TThemeForm::~TThemeForm() {
  // The form outlives its components: the messages of its window's end must not reach us.
  form_->WindowProc = old_window_proc_;
}

// ---- geometry

FrameInput TThemeForm::Input() const {
  const TBorderIcons icons = form_->BorderIcons();
  FrameInput in;
  in.width = width_;
  in.height = height_;
  in.border = ToFrameBorder(form_->BorderStyle());
  in.system_menu = icons.Contains(biSystemMenu);
  in.minimize = icons.Contains(biMinimize);
  in.maximize = icons.Contains(biMaximize);
  in.help = icons.Contains(biHelp);
  in.zoomed = Wnd() && IsZoomed(Wnd());
  in.border_width = form_->BorderWidth();
  return in;
}

FrameLayout TThemeForm::Layout() const { return LayoutFrame(data_->Metrics(), Input()); }

POINT TThemeForm::ToWindow(POINT screen) const {
  RECT r{};
  GetWindowRect(Wnd(), &r);
  return {screen.x - r.left, screen.y - r.top};
}

bool TThemeForm::FormActive() const { return Wnd() && GetActiveWindow() == Wnd(); }

HWND TThemeForm::Wnd() const { return form_->HandleAllocated() ? form_->Handle() : nullptr; }

// ---- painting

void TThemeForm::PaintCaption(bool active) {
  const HWND wnd = Wnd();
  if (!wnd || width_ <= 0) return;
  const FrameLayout l = Layout();
  const FrameInput in = Input();
  const int C = l.caption.Height();
  ClientDC screen(nullptr);
  UniqueMemoryDC memory(CreateCompatibleDC(screen.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width_, C));
  {
    SelectedObject select(memory.get(), bitmap.get());
    const HDC dc = memory.get();
    data_->DrawCaption(RECT{0, 0, width_, C}, dc, active);
    if (l.show_icon) {
      HICON icon = reinterpret_cast<HICON>(SendMessageA(wnd, WM_GETICON, ICON_SMALL, 0));
      if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(wnd, WM_GETICON, ICON_BIG, 0));
      if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
      data_->DrawIcon(ToRect(l.icon), dc, active, icon);
    }
    auto state = [&](FrameButton b) { return ButtonState(b, pressed_, hot_, in); };
    if (l.show_close) data_->DrawCloseButton(ToRect(l.close), dc, active, state(fbClose));
    if (l.show_pair && !l.pair_restores) data_->DrawMaxButton(ToRect(l.maximize), dc, active, state(fbMaximize));
    if (l.show_pair && l.pair_restores) data_->DrawRestoreButton(ToRect(l.maximize), dc, active, state(fbMaximize));
    if (l.show_pair) data_->DrawMinButton(ToRect(l.minimize), dc, active, state(fbMinimize));
    if (l.show_help) data_->DrawHelpButton(ToRect(l.help), dc, active, state(fbHelp));
    // The window's own text: SetWindowText does not go through the control's caption.
    std::string text(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()))));
    data_->DrawCaptionText(ToRect(l.text), dc, active, text);
    WholeWindowDC window(wnd);
    BitBlt(window.get(), 0, 0, width_, C, dc, 0, 0, SRCCOPY);
  }
}

void TThemeForm::PaintAll(bool active) {
  if (!Wnd() || width_ <= 0) return;
  PaintCaption(active);
  const FrameLayout l = Layout();
  const int W = width_, H = height_, F = data_->GetMetric(0), C = l.caption.Height();
  WholeWindowDC window(Wnd());
  const HDC dc = window.get();
  data_->DrawFrameLeft(RECT{0, C, F, H - F}, dc, active);
  data_->DrawFrameBottom(RECT{0, H - F, W, H}, dc, active);
  data_->DrawFrameRight(RECT{W - F, C, W, H - F}, dc, active);
  if (const int bw = form_->BorderWidth(); bw > 0) {
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(form_->Color())));
    const RECT bands[] = {
        {F, C, W - F, C + bw}, {F, H - F - bw, W - F, H - F}, {F, C + bw, F + bw, H - F - bw},
        {W - F - bw, C + bw, W - F, H - F - bw},
    };
    for (const RECT& band : bands) FillRect(dc, &band, brush.get());
  }
}

// ---- state

void TThemeForm::SetHot(FrameButton b) {
  if (b == hot_) return;
  hot_ = b;
  PaintCaption(FormActive());
}

void TThemeForm::SetPressed(FrameButton b) {
  if (b == pressed_) return;
  pressed_ = b;
  PaintCaption(FormActive());
}

void TThemeForm::SetRegion(bool redraw) {
  if (!Wnd()) return;
  // The window owns the region once it is set.
  SetWindowRgn(Wnd(), data_->CreateFrameRegion(width_, height_), redraw);
}

// ---- messages

void TThemeForm::Handle(TMessage& m) {
  switch (m.Msg) {
    case WM_CREATE:
      PassOn(m);
      if (m.Result != -1 && Wnd()) {
        RECT r{};
        GetWindowRect(Wnd(), &r);
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
        SetRegion(false);
      }
      return;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(m); return;
    case WM_NCCALCSIZE: WMNCCalcSize(m); return;
    case WM_GETMINMAXINFO:
      PassOn(m);
      reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMinTrackSize.y = data_->GetMetric(1) + data_->GetMetric(0);
      return;
    case WM_NCHITTEST: WMNCHitTest(m); return;
    case WM_NCACTIVATE:
      drawn_active_ = m.WParam != 0;
      PaintAll(drawn_active_);
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (region_dirty_) {
        region_dirty_ = false;
        SetRegion(true);  // the redraw paints
      } else {
        PaintAll(FormActive());
      }
      m.Result = 0;
      return;
    case WM_SETTEXT:
    case WM_SETICON:
      PassOnHidden(m);
      PaintCaption(FormActive());
      return;
    case WM_NCMOUSEMOVE: {
      const POINT p = ToWindow({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      SetHot(ButtonAt(Layout(), p.x, p.y));
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, Wnd(), HOVER_DEFAULT};
      TrackMouseEvent(&track);
      m.Result = 0;
      return;
    }
    case WM_NCMOUSELEAVE:
      SetHot(fbNone);
      m.Result = 0;
      return;
    case WM_NCLBUTTONDOWN: {
      const POINT p = ToWindow({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      SetPressed(ButtonAt(Layout(), p.x, p.y));
      if (pressed_ == fbNone) {
        PassOn(m);
        return;
      }
      SetCapture(Wnd());
      tracked_ = pressed_;
      m.Result = 0;
      return;
    }
    case WM_MOUSEMOVE: {
      if (tracked_ == fbNone) break;
      POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      ClientToScreen(Wnd(), &p);
      p = ToWindow(p);
      // Only the tracked button shows pressed: over another one (reached without crossing the
      // gap between them, as a fast mouse does) the press is off, or releasing there would
      // run the first button's command.
      SetPressed(ButtonAt(Layout(), p.x, p.y) == tracked_ ? tracked_ : fbNone);
      m.Result = 0;
      return;
    }
    case WM_LBUTTONUP:
      if (tracked_ == fbNone) break;
      WMLButtonUp(m);
      return;
    case WM_PRINT:
      if (m.LParam & PRF_NONCLIENT) {
        PrintFrame(reinterpret_cast<HDC>(m.WParam));
        m.LParam &= ~static_cast<LPARAM>(PRF_NONCLIENT);
      }
      break;
    case WM_CAPTURECHANGED:
      SetPressed(fbNone);
      tracked_ = fbNone;
      break;
  }
  PassOn(m);
}

namespace {
// While the frame prints itself, its whole-window drawing goes to the print DC.
HWND g_printing_window = nullptr;
HDC g_print_dc = nullptr;
WindowDCHook g_previous_dc_hook = nullptr;
HDC PrintDCHook(HWND wnd) {
  if (wnd == g_printing_window) return g_print_dc;
  return g_previous_dc_hook ? g_previous_dc_hook(wnd) : nullptr;
}
}  // namespace

void TThemeForm::PrintFrame(HDC dc) {
  if (!dc || g_printing_window) return;
  g_printing_window = Wnd();
  g_print_dc = dc;
  g_previous_dc_hook = SetWindowDCHook(&PrintDCHook);
  struct Restore {
    ~Restore() {
      SetWindowDCHook(g_previous_dc_hook);
      g_printing_window = nullptr;
      g_print_dc = nullptr;
    }
  } restore;
  PaintAll(drawn_active_);
}

void TThemeForm::PassOnHidden(TMessage& m) {
  const HWND wnd = Wnd();
  if (!wnd) return PassOn(m);
  const LONG style = GetWindowLongA(wnd, GWL_STYLE);
  if (style & WS_VISIBLE) SetWindowLongA(wnd, GWL_STYLE, style & ~WS_VISIBLE);
  struct Restore {
    HWND wnd;
    LONG style;
    ~Restore() {
      if (style & WS_VISIBLE) SetWindowLongA(wnd, GWL_STYLE, style);
    }
  } restore{wnd, style};
  PassOn(m);
}

void TThemeForm::WMWindowPosChanging(TMessage& m) {
  PassOn(m);
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
  if (pos->flags & SWP_NOSIZE) return;
  if (pos->cx >= width_ && pos->cy >= height_ && (pos->cx != width_ || pos->cy != height_)) {
    // Growing: the region follows before the window grows, so no frame pixel shows outside it.
    in_pos_change_ = true;
    struct Clear {
      bool& flag;
      ~Clear() { flag = false; }
    } clear{in_pos_change_};
    region_dirty_ = false;
    width_ = pos->cx;
    height_ = pos->cy;
    SetRegion(false);
  }
}

void TThemeForm::WMNCCalcSize(TMessage& m) {
  RECT* proposed = reinterpret_cast<RECT*>(m.LParam);  // rgrc[0] of NCCALCSIZE_PARAMS as well
  const int w = proposed->right - proposed->left, h = proposed->bottom - proposed->top;
  if (!in_pos_change_) {
    region_dirty_ = region_dirty_ || w != width_ || h != height_;
    width_ = w;
    height_ = h;
  }
  const FrameLayout l = LayoutFrame(data_->Metrics(), [&] {
    FrameInput in = Input();
    in.width = w;
    in.height = h;
    return in;
  }());
  const RECT window = *proposed;
  *proposed = RECT{window.left + l.client.left, window.top + l.client.top, window.left + l.client.right,
                   window.top + l.client.bottom};
  if (proposed->right < proposed->left) proposed->right = proposed->left;
  if (proposed->bottom < proposed->top) proposed->bottom = proposed->top;
  m.Result = 0;
}

void TThemeForm::WMNCHitTest(TMessage& m) {
  const POINT p = ToWindow({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  const FrameLayout l = Layout();
  if (const int hit = FrameHitTest(l, p.x, p.y)) {
    m.Result = hit;
    return;
  }
  PassOn(m);
  m.Result = CaptionOverride(l, p.x, p.y, static_cast<int>(m.Result));
}

void TThemeForm::WMLButtonUp(TMessage& m) {
  if (tracked_ == pressed_) {
    const FrameInput in = Input();
    WPARAM command = 0;
    switch (tracked_) {
      case fbHelp: command = SC_CONTEXTHELP; break;
      case fbMinimize: command = in.minimize ? SC_MINIMIZE : 0; break;
      case fbMaximize: command = !in.maximize ? 0 : in.zoomed ? SC_RESTORE : SC_MAXIMIZE; break;
      case fbClose: command = SC_CLOSE; break;
      case fbNone: break;
    }
    if (command) PostMessageA(Wnd(), WM_SYSCOMMAND, command, 0);
  }
  ReleaseCapture();
  m.Result = 0;
}

}  // namespace pp::forms
