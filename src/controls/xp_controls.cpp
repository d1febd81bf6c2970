#define OEMRESOURCE  // OBM_CHECKBOXES
#include "controls/xp_controls.h"

#include <memory>

#include "controls/draw_helpers.h"
#include "controls/theme_services.h"
#include "hostenv/clip_region.h"
#include "hostenv/wnd_proc_object.h"
#include "toolkit/handles.h"

namespace pp::controls {

using namespace pp::toolkit;

bool UseLunaLook = true;
TColor XPColorWindow = clWindow;
TColor XPColorFace = clBtnFace;
TColor XPColorHighlight = clHighlight;
TColor XPColorHighlightText = clHighlightText;
TColor XPColorShadow = clBtnShadow;
TColor XPColorLight = clBtnHighlight;
TColor XPColorGrayText = clGrayText;
POINT XPCheckBoxSize = {13, 13};

namespace {

bool g_print_active = false;
HDC g_print_dc = nullptr;
std::unique_ptr<hostenv::TCustomWndProcObject> g_utility;
WindowDCHook g_previous_dc_hook = nullptr;
bool g_started = false;

HDC RedirectWindowDC(HWND wnd) {
  if (g_print_active) return g_print_dc;
  return g_previous_dc_hook ? g_previous_dc_hook(wnd) : nullptr;
}

POINT CheckBoxImageSize() {
  POINT size = {13, 13};
  if (HBITMAP bmp = LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_CHECKBOXES))) {
    BITMAP info{};
    if (GetObjectA(bmp, sizeof info, &info)) size = {info.bmWidth / 4, info.bmHeight / 3};
    DeleteObject(bmp);
  }
  return size;
}

// Sets the redirection for one WM_PRINT and takes it back however the scope ends.
class PrintRedirection {
 public:
  explicit PrintRedirection(HDC dc) : saved_dc_(g_print_dc), saved_active_(g_print_active) {
    g_print_dc = dc;
    g_print_active = true;
  }
  ~PrintRedirection() {
    g_print_active = saved_active_;
    g_print_dc = saved_dc_;
  }
  PrintRedirection(const PrintRedirection&) = delete;
  PrintRedirection& operator=(const PrintRedirection&) = delete;

 private:
  HDC saved_dc_;
  bool saved_active_;
};

// csPaintCopy for a scope.
class PaintCopyState {
 public:
  explicit PaintCopyState(TControl* c) : c_(c) { c_->SetControlState(c_->ControlState().Include(csPaintCopy)); }
  ~PaintCopyState() { c_->SetControlState(c_->ControlState().Exclude(csPaintCopy)); }
  PaintCopyState(const PaintCopyState&) = delete;
  PaintCopyState& operator=(const PaintCopyState&) = delete;

 private:
  TControl* c_;
};

}  // namespace

bool IsWindowsXPOrLater() noexcept {
  // GetVersionEx answers what the compatibility layer (or Wine's Version setting) claims, which
  // is what decides the look a user of that system expects.
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;
  if (!GetVersionExA(&v)) return true;
  return v.dwMajorVersion > 5 || (v.dwMajorVersion == 5 && v.dwMinorVersion > 0);
}

TXPLookMode GetXPLookMode() noexcept {
  if (ThemesActive()) return xlmThemed;
  if (UseLunaLook && !IsWindowsXPOrLater()) return xlmLuna;
  return xlmClassic;
}

void UpdateXPColors() noexcept {
  if (GetXPLookMode() == xlmLuna) {
    XPColorWindow = RGBColor(255, 255, 255);
    XPColorFace = RGBColor(239, 235, 222);
    XPColorHighlight = RGBColor(49, 106, 197);
    XPColorHighlightText = RGBColor(255, 255, 255);
    XPColorShadow = RGBColor(196, 195, 191);
    XPColorLight = RGBColor(241, 241, 237);
    XPColorGrayText = RGBColor(161, 161, 146);
  } else {
    XPColorWindow = clWindow;
    XPColorFace = clBtnFace;
    XPColorHighlight = clHighlight;
    XPColorHighlightText = clHighlightText;
    XPColorShadow = clBtnShadow;
    XPColorLight = clBtnHighlight;
    XPColorGrayText = clGrayText;
  }
}

void StartXPControls() noexcept {
  if (g_started) return;
  g_started = true;
  StartThemeServices();
  StartDrawHelpers();
  UpdateXPColors();
  XPCheckBoxSize = CheckBoxImageSize();
  try {
    g_utility = std::make_unique<hostenv::TCustomWndProcObject>();
    g_utility->OnMessage = [](hostenv::TMessage& m, bool& handled) {
      if (m.Msg == WM_SYSCOLORCHANGE) UpdateXPColors();
      handled = false;  // every message, that one too, goes on to the default procedure
    };
  } catch (...) {
    g_utility.reset();  // colours then simply stay as computed at start
  }
  g_previous_dc_hook = SetWindowDCHook(&RedirectWindowDC);
}

void EndXPControls() noexcept {
  if (!g_started) return;
  g_started = false;
  SetWindowDCHook(g_previous_dc_hook);
  g_previous_dc_hook = nullptr;
  g_utility.reset();
  EndDrawHelpers();
  StopThemeServices();
}

HWND XPUtilityWindow() noexcept { return g_utility ? g_utility->Handle() : nullptr; }
bool PrintRedirectActive() noexcept { return g_print_active; }
HDC PrintRedirectDC() noexcept { return g_print_dc; }

void PaintParentImage(TControl* control, HDC dc, const RECT* clip) {
  if (!control || !control->Parent()) return;
  TWinControl* parent = control->Parent();
  SavedDCState saved(dc);
  // The parent paints straight into our DC: its own off-screen buffer would only be copied back.
  struct Buffering {
    TWinControl* p;
    bool was;
    ~Buffering() { p->SetDoubleBuffered(was); }
  } buffering{parent, parent->DoubleBuffered()};
  parent->SetDoubleBuffered(false);
  HRGN saved_clip = nullptr;
  if (clip) hostenv::SaveClipAndRestrict(dc, *clip, saved_clip, false);
  struct Clip {
    HDC dc;
    HRGN region;
    bool active;
    ~Clip() {
      if (active) hostenv::RestoreClip(dc, region);
    }
  } restore_clip{dc, saved_clip, clip != nullptr};
  POINT origin{};
  GetWindowOrgEx(dc, &origin);
  SetWindowOrgEx(dc, origin.x + control->Left(), origin.y + control->Top(), nullptr);
  struct Origin {
    HDC dc;
    POINT p;
    ~Origin() { SetWindowOrgEx(dc, p.x, p.y, nullptr); }
  } restore_origin{dc, origin};
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

TXPCustomControl::TXPCustomControl(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle().Include(csDisplayDragImage));
}

void TXPCustomControl::SetSmoothDraw(bool on) {
  if (on == smooth_draw_) return;
  smooth_draw_ = on;
  SmoothDrawChanged();
}

void TXPCustomControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_PRINT: WMPrint(m); return;
    case XPM_STATEQUERY:
      if (m.WParam == 1) m.Result = HasStateChanged() ? 1 : 0;
      else if (m.WParam == 2) MarkStateSeen();
      return;
    default: TCustomControl::Dispatch(m);
  }
}

void TXPCustomControl::WMPrint(TMessage& m) {
  DefaultHandler(m);
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  {
    PaintCopyState copy(this);
    SavedDCState saved(dc);
    PrintRedirection redirect(dc);
    Perform(WM_NCPAINT, 1, 0);
  }
  m.Result = 1;
}

void TXPCustomControl::WMPrintClient(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (m.Result != 0 || ((m.LParam & PRF_CHECKVISIBLE) && !(HandleAllocated() && IsWindowVisible(Handle())))) {
    TCustomControl::WMPrintClient(m);
    return;
  }
  PaintCopyState copy(this);
  SavedDCState saved(dc);
  PaintHandler(dc);
}

}  // namespace pp::controls
