#include "forms/form_theme_data_xp.h"

#include <commctrl.h>

#include "controls/alpha_image.h"
#include "controls/draw_helpers.h"
#include "toolkit/handles.h"

namespace pp::forms {

using controls::TAlphaImage;

namespace {

TFormThemeData_WinXP* g_instance = nullptr;

// A frame image, or none when the module carries no such resource: the part is then drawn in a
// flat colour, so that a dialog still works with an incomplete resource set.
std::unique_ptr<TAlphaImage> LoadImage(const char* name) {
  try {
    return std::make_unique<TAlphaImage>(name);
  } catch (const std::exception&) {
    return nullptr;
  }
}

constexpr COLORREF kCaptionBlue = RGB(0, 84, 227);
constexpr COLORREF kInactiveBlue = RGB(122, 150, 223);
constexpr COLORREF kTextShadow = RGB(10, 24, 131);

void FillFlat(HDC dc, const RECT& r, COLORREF colour) {
  toolkit::UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.get());
}

}  // namespace

TFormThemeData_WinXP& TFormThemeData_WinXP::Instance() {
  if (!g_instance) g_instance = new TFormThemeData_WinXP;
  return *g_instance;
}

void TFormThemeData_WinXP::FreeInstance() {
  delete g_instance;
  g_instance = nullptr;
}

TFormThemeData_WinXP::TFormThemeData_WinXP() {
  frame_caption_ = LoadImage("FRAMECAPTION");
  frame_bottom_ = LoadImage("FRAMEBOTTOM");
  frame_left_ = LoadImage("FRAMELEFT");
  frame_right_ = LoadImage("FRAMERIGHT");
  caption_button_ = LoadImage("CAPTIONBUTTON");
  close_button_ = LoadImage("CLOSEBUTTON");
  close_glyph_ = LoadImage("CLOSEBUTTONGLYPH");
  help_glyph_ = LoadImage("HELPBUTTONGLYPH");
  max_glyph_ = LoadImage("MAXBUTTONGLYPH");
  min_glyph_ = LoadImage("MINBUTTONGLYPH");
  restore_glyph_ = LoadImage("RESTOREBUTTONGLYPH");
  metrics_.frame_width = 4;

  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = 340;  // the size before Vista's extra field, accepted everywhere
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
  system_caption_height_ = ncm.iCaptionHeight;
  LOGFONTA lf = ncm.lfCaptionFont;
  lf.lfHeight = -13;
  lstrcpynA(lf.lfFaceName, "Trebuchet MS", LF_FACESIZE);
  caption_font_.SetLogFont(lf);

  toolkit::ClientDC screen(nullptr);
  TEXTMETRICA tm{};
  {
    toolkit::SelectedObject font(screen.get(), caption_font_.Handle());
    GetTextMetricsA(screen.get(), &tm);
  }
  metrics_.caption_text_height = tm.tmHeight;
  metrics_.caption_height = CaptionHeightFor(tm.tmHeight, metrics_.frame_width);
}

TFormThemeData_WinXP::~TFormThemeData_WinXP() = default;

void TFormThemeData_WinXP::DrawPart(const Image& image, const RECT& r, HDC dc, bool active, const RECT& inner) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  if (!image) {
    FillFlat(dc, r, active ? kCaptionBlue : kInactiveBlue);
    return;
  }
  const int frame_height = image->Height() / 2;
  const RECT source{0, active ? 0 : frame_height, image->Width(), (active ? 0 : frame_height) + frame_height};
  controls::DrawNineSlice(r, inner, source, false, image->Bitmap(), dc);
}

void TFormThemeData_WinXP::DrawCaption(const RECT& r, HDC dc, bool active) {
  DrawPart(frame_caption_, r, dc, active, RECT{27, 9, 31, 13});
}
void TFormThemeData_WinXP::DrawFrameBottom(const RECT& r, HDC dc, bool active) {
  DrawPart(frame_bottom_, r, dc, active, RECT{4, 1, 45, 4});
}
void TFormThemeData_WinXP::DrawFrameLeft(const RECT& r, HDC dc, bool active) {
  DrawPart(frame_left_, r, dc, active, RECT{1, 0, 4, 31});
}
void TFormThemeData_WinXP::DrawFrameRight(const RECT& r, HDC dc, bool active) {
  DrawPart(frame_right_, r, dc, active, RECT{1, 0, 4, 31});
}

void TFormThemeData_WinXP::DrawButton(const Image& background, const Image& glyph, const RECT& r, HDC dc, bool active,
                                      FrameButtonState state) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const int index = (active ? 0 : 4) + static_cast<int>(state);
  if (background) {
    const int side = background->Width();  // square frames
    controls::DrawNineSlice(r, RECT{4, 4, 17, 17}, RECT{0, index * side, side, (index + 1) * side}, true,
                            background->Bitmap(), dc);
  } else {
    FillFlat(dc, r, state == fbsPressed ? RGB(40, 80, 200) : state == fbsHot ? RGB(90, 140, 255) : RGB(60, 110, 240));
  }
  if (!glyph) return;
  const int side = glyph->Width();
  toolkit::UniqueMemoryDC source(CreateCompatibleDC(dc));
  toolkit::SelectedObject select(source.get(), glyph->Bitmap());
  controls::AlphaBlendStretch(dc, r.left + 4, r.top + 4, r.right - r.left - 8, r.bottom - r.top - 8, source.get(), 0,
                              index * side, side, side);
}

void TFormThemeData_WinXP::DrawCloseButton(const RECT& r, HDC dc, bool active, FrameButtonState state) {
  DrawButton(close_button_, close_glyph_, r, dc, active, state);
}
void TFormThemeData_WinXP::DrawHelpButton(const RECT& r, HDC dc, bool active, FrameButtonState state) {
  DrawButton(caption_button_, help_glyph_, r, dc, active, state);
}
void TFormThemeData_WinXP::DrawMaxButton(const RECT& r, HDC dc, bool active, FrameButtonState state) {
  DrawButton(caption_button_, max_glyph_, r, dc, active, state);
}
void TFormThemeData_WinXP::DrawMinButton(const RECT& r, HDC dc, bool active, FrameButtonState state) {
  DrawButton(caption_button_, min_glyph_, r, dc, active, state);
}
void TFormThemeData_WinXP::DrawRestoreButton(const RECT& r, HDC dc, bool active, FrameButtonState state) {
  DrawButton(caption_button_, restore_glyph_, r, dc, active, state);
}

void TFormThemeData_WinXP::DrawCaptionText(const RECT& r, HDC dc, bool active, const std::string& text) {
  // Active and inactive captions write their text alike: the frame images tell them apart.
  toolkit::SelectedObject font(dc, caption_font_.Handle());
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = SetTextColor(dc, kTextShadow);
  const UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
  RECT shadow{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT main = r;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &main, format);
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
}

void TFormThemeData_WinXP::DrawIcon(const RECT& r, HDC dc, bool active, HICON icon) {
  if (!icon) return;
  const int w = r.right - r.left, h = r.bottom - r.top;
  toolkit::UniqueImageList list(ImageList_Create(w, h, ILC_COLOR32 | ILC_MASK, 1, 0));
  if (!list || ImageList_AddIcon(list.get(), icon) < 0) return;
  ImageList_Draw(list.get(), 0, dc, r.left, r.top, ILD_TRANSPARENT);
}

HRGN TFormThemeData_WinXP::CreateFrameRegion(int width, int height) { return CreateRoundedFrameRegion(width, height); }

toolkit::TColor TFormThemeData_WinXP::GetFormColor() { return toolkit::RGBColor(236, 233, 216); }

}  // namespace pp::forms
