// The XP look of the drawn frame: the generated frame images drawn nine-sliced, the caption in
// "Trebuchet MS" 13 pixels with a shadow, the metrics that follow from that font.
#pragma once

#include <memory>
#include <string>

#include "forms/form_theme_data.h"
#include "toolkit/graphics.h"

namespace pp::controls {
class TAlphaImage;
}

namespace pp::forms {

class TFormThemeData_WinXP : public TFormThemeData {
 public:
  // The shared object: made on first use, freed by FreeInstance (module unload).
  static TFormThemeData_WinXP& Instance();
  static void FreeInstance();

  TFormThemeData_WinXP();
  ~TFormThemeData_WinXP() override;

  void DrawFrameBottom(const RECT& r, HDC dc, bool active) override;
  void DrawCaption(const RECT& r, HDC dc, bool active) override;
  void DrawCaptionText(const RECT& r, HDC dc, bool active, const std::string& text) override;
  void DrawCloseButton(const RECT& r, HDC dc, bool active, FrameButtonState state) override;
  void DrawHelpButton(const RECT& r, HDC dc, bool active, FrameButtonState state) override;
  void DrawFrameLeft(const RECT& r, HDC dc, bool active) override;
  void DrawMaxButton(const RECT& r, HDC dc, bool active, FrameButtonState state) override;
  void DrawMinButton(const RECT& r, HDC dc, bool active, FrameButtonState state) override;
  void DrawRestoreButton(const RECT& r, HDC dc, bool active, FrameButtonState state) override;
  void DrawFrameRight(const RECT& r, HDC dc, bool active) override;
  void DrawIcon(const RECT& r, HDC dc, bool active, HICON icon) override;
  HRGN CreateFrameRegion(int width, int height) override;
  toolkit::TColor GetFormColor() override;
  int GetSystemCaptionHeight() override { return system_caption_height_; }
  int GetMetric(int index) override { return metrics_.GetMetric(index); }

  toolkit::TFont& CaptionFont() { return caption_font_; }

 private:
  using Image = std::unique_ptr<controls::TAlphaImage>;
  void DrawPart(const Image& image, const RECT& r, HDC dc, bool active, const RECT& inner);
  void DrawButton(const Image& background, const Image& glyph, const RECT& r, HDC dc, bool active,
                  FrameButtonState state);

  FrameMetrics metrics_;
  Image frame_bottom_, caption_button_;
  toolkit::TFont caption_font_;
  Image frame_caption_, close_button_, close_glyph_, help_glyph_, frame_left_, max_glyph_, min_glyph_,
      restore_glyph_, frame_right_;
  int system_caption_height_ = 0;
};

}  // namespace pp::forms
