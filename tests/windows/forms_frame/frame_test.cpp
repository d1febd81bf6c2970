// The drawn window frame on a real window: client area, hit tests, caption buttons tracked
// under mouse capture, the region as the window grows and shrinks, minimum height, and what is
// painted when (read back from a DIB that the frame's whole-window DC is redirected to).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form_theme_data_xp.h"
#include "forms/server_dialog.h"
#include "forms/theme_form.h"
#include "toolkit/handles.h"
#include "toolkit/win_control.h"
#include "toolkit_fixture.h"

namespace pp::forms {
namespace {

using namespace toolkit;
using toolkit::testing::Pump;

// Theme data that fills each part with a colour telling part, activity and state apart, and
// records every call.
class PlainThemeData : public TFormThemeData {
 public:
  std::vector<std::string> calls;
  static COLORREF CaptionColor(bool active) { return active ? RGB(0, 0, 200) : RGB(120, 120, 200); }
  static COLORREF ButtonColor(int kind, bool active, FrameButtonState state) {
    return RGB(40 * kind, active ? 250 : 150, 60 * state);
  }
  static constexpr COLORREF kText = RGB(255, 255, 0);
  static constexpr COLORREF kBorder = RGB(0, 160, 0);

  void Fill(const RECT& r, HDC dc, COLORREF c) {
    UniqueBrush b(CreateSolidBrush(c));
    FillRect(dc, &r, b.get());
  }
  void Button(const char* name, int kind, const RECT& r, HDC dc, bool active, FrameButtonState state) {
    calls.push_back(std::string(name) + " " + std::to_string(state));
    Fill(r, dc, ButtonColor(kind, active, state));
  }
  void DrawFrameBottom(const RECT& r, HDC dc, bool active) override { Fill(r, dc, kBorder); }
  void DrawCaption(const RECT& r, HDC dc, bool active) override {
    calls.push_back(active ? "caption active" : "caption inactive");
    Fill(r, dc, CaptionColor(active));
  }
  void DrawCaptionText(const RECT& r, HDC dc, bool active, const std::string& text) override {
    calls.push_back("text " + text);
    RECT mark{r.left, r.top, r.left + 4, r.top + 4};
    Fill(mark, dc, kText);
  }
  void DrawCloseButton(const RECT& r, HDC dc, bool a, FrameButtonState s) override { Button("close", 1, r, dc, a, s); }
  void DrawHelpButton(const RECT& r, HDC dc, bool a, FrameButtonState s) override { Button("help", 2, r, dc, a, s); }
  void DrawMaxButton(const RECT& r, HDC dc, bool a, FrameButtonState s) override { Button("max", 3, r, dc, a, s); }
  void DrawMinButton(const RECT& r, HDC dc, bool a, FrameButtonState s) override { Button("min", 4, r, dc, a, s); }
  void DrawRestoreButton(const RECT& r, HDC dc, bool a, FrameButtonState s) override {
    Button("restore", 5, r, dc, a, s);
  }
  void DrawFrameLeft(const RECT& r, HDC dc, bool active) override { Fill(r, dc, kBorder); }
  void DrawFrameRight(const RECT& r, HDC dc, bool active) override { Fill(r, dc, kBorder); }
  void DrawIcon(const RECT& r, HDC dc, bool active, HICON icon) override { calls.push_back("icon"); }
  HRGN CreateFrameRegion(int w, int h) override { return CreateRoundedFrameRegion(w, h); }
  TColor GetFormColor() override { return RGBColor(236, 233, 216); }
  int GetSystemCaptionHeight() override { return GetSystemMetrics(SM_CYCAPTION); }
  int GetMetric(int index) override { return FrameMetrics{4, 25, 13}.GetMetric(index); }
};

// Whole-window drawing of the frame lands in this DIB instead of on the screen.
struct Capture {
  static inline HDC dc = nullptr;
  static HDC Hook(HWND) { return dc; }
  UniqueMemoryDC memory{CreateCompatibleDC(nullptr)};
  UniqueBitmap bitmap;
  uint32_t* bits = nullptr;
  int width, height;
  WindowDCHook previous;
  Capture(int w, int h) : width(w), height(h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    bitmap.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0));
    bits = static_cast<uint32_t*>(p);
    SelectObject(memory.get(), bitmap.get());
    dc = memory.get();
    previous = SetWindowDCHook(&Hook);
  }
  ~Capture() {
    SetWindowDCHook(previous);
    dc = nullptr;
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const uint32_t v = bits[y * width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
};

std::string Hex(COLORREF c) {
  char t[16];
  std::snprintf(t, sizeof t, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return t;
}

struct FrameFixture : ::testing::Test {
  PlainThemeData data;
  Owned<TForm> form;
  TThemeForm* frame = nullptr;

  void Make(TFormBorderStyle border, TBorderIcons icons, int width = 300, int height = 200) {
    form.reset(new TForm(nullptr));
    form->SetBorderStyle(border);
    form->SetBorderIcons(icons);
    form->SetBounds(50, 50, width, height);
    form->SetCaption("Frame");
    form->HandleNeeded();
    frame = new TThemeForm(form.get(), &data);
    form->SetBounds(50, 50, width, height);
    form->Show();
    Pump();
    RECT r{};
    GetWindowRect(Wnd(), &r);
    ASSERT_EQ(r.right - r.left, width) << "window width";
    ASSERT_EQ(frame->WindowSize().cx, width) << "frame's width";
  }
  HWND Wnd() { return form->Handle(); }
  POINT Screen(int x, int y) {
    RECT r{};
    GetWindowRect(Wnd(), &r);
    return {r.left + x, r.top + y};
  }
  LPARAM ScreenParam(int x, int y) {
    const POINT p = Screen(x, y);
    return MAKELPARAM(p.x, p.y);
  }
  LPARAM ClientParam(int x, int y) {
    POINT p = Screen(x, y);
    ScreenToClient(Wnd(), &p);
    return MAKELPARAM(p.x, p.y);
  }
  // The system commands posted to the form so far, taken from its queue.
  std::vector<WPARAM> TakeSysCommands() {
    std::vector<WPARAM> commands;
    MSG msg;
    while (PeekMessageA(&msg, Wnd(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) commands.push_back(msg.wParam);
    return commands;
  }
};

const TBorderIcons kDialogIcons{biSystemMenu, biHelp};
const TBorderIcons kAllIcons{biSystemMenu, biMinimize, biMaximize};

TEST_F(FrameFixture, ClientAreaInsideTheDrawnFrame) {
  Make(bsDialog, kDialogIcons);
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 300 - 8);
  EXPECT_EQ(client.bottom, 200 - 25 - 4);
  POINT origin{0, 0};
  ClientToScreen(Wnd(), &origin);
  EXPECT_EQ(origin.x, Screen(4, 25).x);
  EXPECT_EQ(origin.y, Screen(4, 25).y);
  form->SetBorderWidth(3);
  SetWindowPos(Wnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 300 - 8 - 6);
  EXPECT_EQ(client.bottom, 200 - 29 - 6);
  EXPECT_EQ(form->Color(), RGBColor(236, 233, 216));
}

TEST_F(FrameFixture, HitTests) {
  Make(bsSingle, kAllIcons, 400, 300);
  struct Case {
    int x, y;
    LRESULT hit;
  };
  const Case cases[] = {
      {10, 10, HTSYSMENU},  {380, 10, HTCLOSE},  {362, 10, HTMAXBUTTON}, {344, 10, HTMINBUTTON},
      {200, 10, HTCAPTION}, {377, 10, HTCAPTION},  // between the buttons: caption
      {200, 100, HTCLIENT}, {1, 100, HTBORDER},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SendMessageA(Wnd(), WM_NCHITTEST, 0, ScreenParam(c.x, c.y)), c.hit) << "at " << c.x << "," << c.y;
  Make(bsDialog, kDialogIcons);
  EXPECT_EQ(SendMessageA(Wnd(), WM_NCHITTEST, 0, ScreenParam(268, 10)), HTHELP);
  EXPECT_EQ(SendMessageA(Wnd(), WM_NCHITTEST, 0, ScreenParam(10, 10)), HTCAPTION) << "a dialog has no icon";
}

TEST_F(FrameFixture, CaptionButtonsAreTrackedUnderCapture) {
  Make(bsDialog, kDialogIcons);
  const POINT close{286, 14}, help{268, 14}, off{150, 100};
  struct Step {
    UINT msg;
    POINT at;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
    std::vector<WPARAM> commands;
  };
  const Case cases[] = {
      {"click close", {{WM_NCLBUTTONDOWN, close}, {WM_LBUTTONUP, close}}, {SC_CLOSE}},
      {"press close, off, back on, release",
       {{WM_NCLBUTTONDOWN, close}, {WM_MOUSEMOVE, off}, {WM_MOUSEMOVE, close}, {WM_LBUTTONUP, close}},
       {SC_CLOSE}},
      {"press close, release off", {{WM_NCLBUTTONDOWN, close}, {WM_MOUSEMOVE, off}, {WM_LBUTTONUP, off}}, {}},
      {"press close, move onto help, release there",
       {{WM_NCLBUTTONDOWN, close}, {WM_MOUSEMOVE, help}, {WM_LBUTTONUP, help}}, {}},
      {"click help", {{WM_NCLBUTTONDOWN, help}, {WM_LBUTTONUP, help}}, {SC_CONTEXTHELP}},
  };
  for (const Case& c : cases) {
    for (const Step& s : c.steps) {
      if (s.msg == WM_NCLBUTTONDOWN) {
        SendMessageA(Wnd(), s.msg, HTCLOSE, ScreenParam(s.at.x, s.at.y));
        EXPECT_EQ(GetCapture(), Wnd()) << c.what;
      } else {
        SendMessageA(Wnd(), s.msg, s.msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, ClientParam(s.at.x, s.at.y));
      }
      if (s.msg == WM_MOUSEMOVE && s.at.x == help.x) {
        EXPECT_EQ(frame->PressedButton(), fbNone) << c.what;
      }
    }
    EXPECT_EQ(TakeSysCommands(), c.commands) << c.what;
    EXPECT_EQ(frame->TrackedButton(), fbNone) << c.what;
    EXPECT_EQ(frame->PressedButton(), fbNone) << c.what;
    EXPECT_NE(GetCapture(), Wnd()) << c.what;
  }
}

TEST_F(FrameFixture, DisabledButtonsSendNothing) {
  Make(bsSingle, TBorderIcons{biSystemMenu, biMinimize}, 400, 300);  // maximize drawn disabled
  const POINT max{362, 14}, min{344, 14};
  data.calls.clear();
  frame->PaintCaption(true);
  EXPECT_NE(std::find(data.calls.begin(), data.calls.end(), "max 3"), data.calls.end());
  for (POINT p : {max, min}) {
    SendMessageA(Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, ScreenParam(p.x, p.y));
    SendMessageA(Wnd(), WM_LBUTTONUP, MK_LBUTTON, ClientParam(p.x, p.y));
  }
  EXPECT_EQ(TakeSysCommands(), std::vector<WPARAM>{SC_MINIMIZE});
}

TEST_F(FrameFixture, RegionGrowsBeforeTheWindowAndShrinksAtTheNextPaint) {
  Make(bsDialog, kDialogIcons);
  auto region_box = [&] {
    UniqueRegion r(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(Wnd(), r.get());
    RECT box{};
    GetRgnBox(r.get(), &box);
    return box;
  };
  EXPECT_EQ(region_box().right, 300);
  SetWindowPos(Wnd(), nullptr, 0, 0, 360, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
  EXPECT_FALSE(frame->RegionDirty());
  EXPECT_EQ(region_box().right, 360);
  EXPECT_EQ(region_box().bottom, 240);
  SetWindowPos(Wnd(), nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
  EXPECT_TRUE(frame->RegionDirty()) << "expected a smaller window to leave the region for the next paint";
  EXPECT_EQ(region_box().right, 360);
  SendMessageA(Wnd(), WM_NCPAINT, 1, 0);
  EXPECT_FALSE(frame->RegionDirty());
  EXPECT_EQ(region_box().right, 320);
  EXPECT_EQ(region_box().bottom, 220);
  // The corners are cut.
  UniqueRegion r(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(Wnd(), r.get());
  EXPECT_FALSE(PtInRegion(r.get(), 4, 0));
  EXPECT_TRUE(PtInRegion(r.get(), 5, 0));
  EXPECT_FALSE(PtInRegion(r.get(), 0, 4));
  EXPECT_TRUE(PtInRegion(r.get(), 0, 5));
}

TEST_F(FrameFixture, MinimumHeightIsTheCaptionBandAndBottomFrame) {
  Make(bsSizeable, kAllIcons);
  MINMAXINFO info{};
  SendMessageA(Wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.y, 29);
}

TEST_F(FrameFixture, PaintsActiveInactiveHotAndPressed) {
  Make(bsDialog, kDialogIcons);
  Capture capture(300, 200);
  SendMessageA(Wnd(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(Hex(capture.At(100, 3)), Hex(PlainThemeData::CaptionColor(true)));
  EXPECT_EQ(Hex(capture.At(1, 100)), Hex(PlainThemeData::kBorder));
  EXPECT_EQ(Hex(capture.At(150, 198)), Hex(PlainThemeData::kBorder));
  EXPECT_EQ(Hex(capture.At(286, 14)), Hex(PlainThemeData::ButtonColor(1, true, fbsNormal)));
  EXPECT_EQ(Hex(capture.At(9, 9)), Hex(PlainThemeData::kText)) << "text from 8 when there is no icon";
  SendMessageA(Wnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(Hex(capture.At(100, 3)), Hex(PlainThemeData::CaptionColor(false)));
  EXPECT_EQ(Hex(capture.At(286, 14)), Hex(PlainThemeData::ButtonColor(1, false, fbsNormal)));

  SendMessageA(Wnd(), WM_NCMOUSEMOVE, HTCLOSE, ScreenParam(286, 14));
  EXPECT_EQ(frame->HotButton(), fbClose);
  const bool active = GetActiveWindow() == Wnd();
  EXPECT_EQ(Hex(capture.At(286, 14)), Hex(PlainThemeData::ButtonColor(1, active, fbsHot)));
  SendMessageA(Wnd(), WM_NCLBUTTONDOWN, HTCLOSE, ScreenParam(268, 14));
  EXPECT_EQ(Hex(capture.At(268, 14)), Hex(PlainThemeData::ButtonColor(2, active, fbsPressed)));
  ReleaseCapture();
  EXPECT_EQ(Hex(capture.At(268, 14)), Hex(PlainThemeData::ButtonColor(2, active, fbsNormal)));
  SendMessageA(Wnd(), WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(frame->HotButton(), fbNone);
  EXPECT_EQ(Hex(capture.At(286, 14)), Hex(PlainThemeData::ButtonColor(1, active, fbsNormal)));
}

TEST_F(FrameFixture, TheCaptionStaysOursWhenTheSystemWouldRedrawIt) {
  Make(bsDialog, kDialogIcons);
  Capture capture(300, 200);
  for (UINT msg : {UINT{WM_SETTEXT}, UINT{WM_SETICON}}) {
    SendMessageA(Wnd(), WM_NCACTIVATE, TRUE, 0);
    FillRect(capture.dc, std::data({RECT{0, 0, 300, 25}}), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    data.calls.clear();
    if (msg == WM_SETTEXT)
      SetWindowTextA(Wnd(), "Renamed");
    else
      SendMessageA(Wnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
    const bool active = GetActiveWindow() == Wnd();
    EXPECT_EQ(Hex(capture.At(100, 3)), Hex(PlainThemeData::CaptionColor(active))) << "message " << msg;
    EXPECT_NE(std::find(data.calls.begin(), data.calls.end(), "text Renamed"), data.calls.end()) << "message " << msg;
  }
  EXPECT_TRUE(IsWindowVisible(Wnd()));
  char text[32] = {};
  GetWindowTextA(Wnd(), text, sizeof text);
  EXPECT_STREQ(text, "Renamed");
}

}  // namespace
}  // namespace pp::forms

namespace pp::forms {
namespace {

using namespace toolkit;

bool Always() { return true; }
bool Never() { return false; }

class LookDialog : public TServerDialog {
 public:
  using TServerDialog::TServerDialog;
};

int FramesOf(TComponent* c) {
  int n = 0;
  for (int i = 0; i < c->ComponentCount(); ++i) n += dynamic_cast<TThemeForm*>(c->Components(i)) != nullptr;
  return n;
}

TEST(FrameLook, OnlyTheEmulatedXPLookGetsTheDrawnFrame) {
  PlainThemeData data;
  TFormThemeData* previous_data = SetFrameThemeData(&data);
  for (auto [query, frames] : {std::pair{&Always, 1}, std::pair{&Never, 0}}) {
    FrameLookQuery previous = SetFrameLookQuery(query);
    Owned<LookDialog> dialog(new LookDialog(nullptr));
    dialog->BeginLoad();
    dialog->SetBorderStyle(bsDialog);
    dialog->SetBounds(0, 0, 300, 200);
    dialog->EndLoad();
    EXPECT_EQ(FramesOf(dialog.get()), frames);
    if (frames) {
      EXPECT_EQ(dialog->Color(), data.GetFormColor());
    }
    SetFrameLookQuery(previous);
  }
  SetFrameThemeData(previous_data);
}

TEST_F(FrameFixture, PrintingTheWindowPrintsTheDrawnFrame) {
  Make(bsDialog, kDialogIcons);
  SendMessageA(Wnd(), WM_NCACTIVATE, FALSE, 0);
  Capture target(300, 200);
  Capture::dc = nullptr;  // only WM_PRINT's DC may be drawn into
  SendMessageA(Wnd(), WM_PRINT, reinterpret_cast<WPARAM>(target.memory.get()), PRF_NONCLIENT);
  EXPECT_EQ(Hex(target.At(100, 3)), Hex(PlainThemeData::CaptionColor(false)));
  EXPECT_EQ(Hex(target.At(1, 100)), Hex(PlainThemeData::kBorder));
}

}  // namespace
}  // namespace pp::forms

namespace pp::forms {
namespace {

TEST(FrameThemeDataXP, MetricsFollowTheCaptionFontAndInactiveTextLooksTheSame) {
  TFormThemeData_WinXP& xp = TFormThemeData_WinXP::Instance();
  EXPECT_EQ(xp.CaptionFont().Name(), "Trebuchet MS");
  EXPECT_EQ(xp.CaptionFont().Height(), -13);
  EXPECT_EQ(xp.GetMetric(0), 4);
  EXPECT_EQ(xp.GetMetric(1), xp.GetMetric(2) + 12);
  EXPECT_GT(xp.GetMetric(2), 0);
  EXPECT_EQ(xp.GetFormColor(), toolkit::RGBColor(236, 233, 216));
  std::vector<uint32_t> pictures[2];
  for (int active = 0; active < 2; ++active) {
    Capture c(120, 24);
    toolkit::UniqueBrush grey(CreateSolidBrush(RGB(128, 128, 128)));
    RECT all{0, 0, 120, 24};
    FillRect(c.memory.get(), &all, grey.get());
    xp.DrawCaptionText(RECT{2, 2, 118, 22}, c.memory.get(), active != 0, "Caption");
    GdiFlush();
    pictures[active].assign(c.bits, c.bits + 120 * 24);
    int white = 0, shadow = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 120; ++x) {
        white += c.At(x, y) == RGB(255, 255, 255);
        shadow += c.At(x, y) == RGB(10, 24, 131);
      }
    EXPECT_GT(white, 20) << "white text";
    EXPECT_GT(shadow, 5) << "shadow below and right of it";
  }
  EXPECT_TRUE(pictures[0] == pictures[1]) << "expected the same text for an inactive window";
}

}  // namespace
}  // namespace pp::forms
