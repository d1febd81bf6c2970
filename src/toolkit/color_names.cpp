#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "toolkit/colors.h"
#include "toolkit/errors.h"
#include "toolkit/text.h"

namespace pp::toolkit {

namespace {

struct ColorName {
  TColor color;
  const char* name;
};

const ColorName kNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

ColorToStringHook g_color_to_string_hook = nullptr;

}  // namespace

ColorToStringHook SetColorToStringHook(ColorToStringHook hook) { return std::exchange(g_color_to_string_hook, hook); }

std::string ColorToString(TColor color) {
  if (g_color_to_string_hook) color = g_color_to_string_hook(color);
  for (const ColorName& n : kNames)
    if (n.color == color) return n.name;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(color));
  return buf;
}

bool IdentToColor(const std::string& ident, TColor& color) {
  for (const ColorName& n : kNames)
    if (SameText(ident, n.name)) {
      color = n.color;
      return true;
    }
  return false;
}

TColor StringToColor(const std::string& text) {
  TColor c;
  if (IdentToColor(text, c)) return c;
  const bool hex = !text.empty() && text[0] == '$';
  const std::string digits = hex ? text.substr(1) : (text[0] == '-' ? text.substr(1) : text);
  bool ok = !digits.empty() && digits.size() <= (hex ? 8u : 10u);
  for (char ch : digits) ok = ok && (hex ? std::isxdigit(static_cast<unsigned char>(ch)) : std::isdigit(static_cast<unsigned char>(ch)));
  if (!ok) Raise(EConvertError("'" + text + "' is not a valid color value"));
  long long v = std::strtoll(digits.c_str(), nullptr, hex ? 16 : 10);
  if (!hex && text[0] == '-') v = -v;
  if (v < INT32_MIN || v > UINT32_MAX) Raise(EConvertError("'" + text + "' is not a valid color value"));
  return static_cast<TColor>(static_cast<uint32_t>(v));
}

}  // namespace pp::toolkit
