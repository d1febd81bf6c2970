// Font, pen and brush: descriptions of GDI objects whose handle is made on first use and
// dropped (deleted) whenever a property changes. Each tells its holder of a change through
// OnChange; controls use that to repaint or to propagate a font to their children.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/colors.h"
#include "toolkit/handles.h"
#include "toolkit/set_of.h"

namespace pp::toolkit {

// Pixels per logical inch of the screen, for point sizes.
int ScreenPixelsPerInch();

class TGraphicsObject {
 public:
  TGraphicsObject() = default;
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;
  virtual ~TGraphicsObject() = default;
  std::function<void()> OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange();
  }
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = SetOf<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
 public:
  TFont();
  // The character set new fonts start with (DEFAULT_CHARSET unless the module changes it).
  static int DefaultCharset();
  static void SetDefaultCharset(int charset);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;  // points, at ScreenPixelsPerInch
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);

  void Assign(const TFont& other);  // one change notice
  LOGFONTA LogFont() const;
  void SetLogFont(const LOGFONTA& lf);  // name, height, style, charset from a LOGFONT
  bool Equals(const TFont& other) const;

  HFONT Handle() const;  // made on demand; owned by the font

 private:
  void Drop() { handle_.reset(); }

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  int charset_ = DefaultCharset();
  TFontPitch pitch_ = fpDefault;
  mutable UniqueFont handle_;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  int Width() const { return width_; }
  void SetWidth(int w);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle s);
  void Assign(const TPen& other);
  HPEN Handle() const;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  mutable TColor made_for_ = clNone;  // system colours may change between uses
  mutable UniquePen handle_;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle s);
  void Assign(const TBrush& other);
  HBRUSH Handle() const;  // a hollow stock brush for bsClear

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  mutable uint32_t made_for_ = 0xFFFFFFFF;
  mutable UniqueBrush handle_;
};

}  // namespace pp::toolkit
