#include "controls/button_classes.h"

namespace pp::layout {

using namespace controls;

#define PP_ENUM_INFO(E, ...)                       \
  const EnumInfo& EnumTraits<E>::Info() {          \
    static const EnumInfo info{#E, {__VA_ARGS__}}; \
    return info;                                   \
  }
PP_ENUM_INFO(TXPButtonStyle, "xpbsOffice", "xpbsWindows")
PP_ENUM_INFO(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")
PP_ENUM_INFO(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry",
             "bkIgnore", "bkAll")
PP_ENUM_INFO(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")
PP_ENUM_INFO(TXPExtPanelKind, "epkBackground", "epkBitmap", "epkGradient", "epkSimple", "epkMSMoney", "epkWavy",
             "epkVerticalWavy", "epkGradientWithBitmap")
PP_ENUM_INFO(TGradientPanelStyle, "gsLeftToRight", "gsTopToBottom", "gsTopShadow")
#undef PP_ENUM_INFO

template <>
const ClassInfo& ClassOf<TWinXPCustomButtonControl>() {
  static const ClassInfo info =
      ClassBuilder<TWinXPCustomButtonControl, toolkit::TWinControl>("TWinXPCustomButtonControl")
          .Property("SmoothDraw", &TWinXPCustomButtonControl::SmoothDraw, &TWinXPCustomButtonControl::SetSmoothDraw)
          .Default(false)
          .Property("WordWrap", &TWinXPCustomButtonControl::WordWrap, &TWinXPCustomButtonControl::SetWordWrap)
          .Default(false)
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TWinXPCustomButton>() {
  using B = TWinXPCustomButton;
  static const ClassInfo info =
      ClassBuilder<B, TWinXPCustomButtonControl>("TWinXPCustomButton")
          .Property("Cancel", &B::Cancel, &B::SetCancel).Default(false)
          .Property("Default", &B::Default, &B::SetDefault).Default(false)
          .Property("ModalResult", &B::ModalResult, &B::SetModalResult).Default(0).Names(ModalResultNames())
          .Property("Style", &B::Style, &B::SetStyle).Default(xpbsWindows)
          .Property("FrameColor", &B::FrameColor, &B::SetFrameColor).As(PropertyType::Color)
          .Property("HotColor", &B::HotColor, &B::SetHotColor).As(PropertyType::Color)
          .Property("HotFrameColor", &B::HotFrameColor, &B::SetHotFrameColor).As(PropertyType::Color)
          .Property("PressedColor", &B::PressedColor, &B::SetPressedColor).As(PropertyType::Color)
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TXPCustomBitBtn>() {
  using B = TXPCustomBitBtn;
  static const ClassInfo info =
      ClassBuilder<B, TWinXPCustomButton>("TXPCustomBitBtn")
          .Property("Kind", &B::Kind, &B::SetKind).Default(bkCustom)
          .Property("Layout", &B::Layout, &B::SetLayout).Default(blGlyphLeft)
          .Property("Margin", &B::Margin, &B::SetMargin).Default(-1)
          .Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs).Default(1)
          .Property("Spacing", &B::Spacing, &B::SetSpacing).Default(4)
          .Property("MultilineCaption", &B::MultilineCaption, &B::SetMultilineCaption).NotStored()
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TXPBitBtn>() {
  static const ClassInfo info =
      ClassBuilder<TXPBitBtn, TXPCustomBitBtn>("TXPBitBtn").Creatable<toolkit::TComponent>().Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TXPCheckControl>() {
  using C = TXPCheckControl;
  static const ClassInfo info =
      ClassBuilder<C, TWinXPCustomButtonControl>("TXPCheckControl")
          .Property("Alignment", &C::Alignment, &C::SetAlignment).Default(toolkit::taRightJustify)
          .Property("Checked", &C::Checked, &C::SetChecked).NotStored()
          .Property("DrawFocusRect", &C::DrawFocusRect, &C::SetDrawFocusRect).Default(true)
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TXPCheckBox>() {
  using C = TXPCheckBox;
  static const ClassInfo info = ClassBuilder<C, TXPCheckControl>("TXPCheckBox")
                                    .Property("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed).Default(false)
                                    .Property("State", &C::State, &C::SetState).Default(cbUnchecked)
                                    .Creatable<toolkit::TComponent>()
                                    .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TXPCustomExtPanel>() {
  using P = TXPCustomExtPanel;
  static const ClassInfo info =
      ClassBuilder<P, toolkit::TWinControl>("TXPCustomExtPanel")
          .Property("Kind", &P::Kind, &P::SetKind).Default(epkBackground)
          .Property("UseDefaultColor", &P::UseDefaultColor, &P::SetUseDefaultColor).Default(true)
          .Property("BeginColor", &P::BeginColor, &P::SetBeginColor).As(PropertyType::Color)
          .Property("EndColor", &P::EndColor, &P::SetEndColor).As(PropertyType::Color)
          .Property("GradientStyle", &P::GradientStyle, &P::SetGradientStyle).Default(gsTopShadow)
          .Property("ShowBorder", &P::ShowBorder, &P::SetShowBorder).Default(false)
          .Property("ShowTop", &P::ShowTop, &P::SetShowTop).Default(true)
          .Property("ShowBottom", &P::ShowBottom, &P::SetShowBottom).Default(true)
          .Property("ShowLeft", &P::ShowLeft, &P::SetShowLeft).Default(true)
          .Property("ShowRight", &P::ShowRight, &P::SetShowRight).Default(true)
          .Property("BorderColor", &P::BorderColor, &P::SetBorderColor).As(PropertyType::Color)
          .Property("BorderWidth", &P::BorderWidth, &P::SetBorderWidth).Default(0)
          .Property("BitmapTransparent", &P::BitmapTransparent, &P::SetBitmapTransparent).Default(false)
          .Property("Alignment", &P::Alignment, &P::SetAlignment).Default(toolkit::taLeftJustify)
          .Property("Layout", &P::Layout, &P::SetLayout).Default(toolkit::tlTop)
          .Property("Stretch", &P::Stretch, &P::SetStretch).Default(false)
          .Property("Transparent", &P::Transparent, &P::SetTransparent).Default(true)
          .Event("OnPaint", [](P& p, toolkit::TNotifyEvent e) { p.OnPaint = std::move(e); })
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TXPExtPanel>() {
  static const ClassInfo info =
      ClassBuilder<TXPExtPanel, TXPCustomExtPanel>("TXPExtPanel").Creatable<toolkit::TComponent>().Build();
  return info;
}

namespace {
const bool kDescribed = [] {
  for (const ClassInfo* cls : {&ClassOf<TWinXPCustomButtonControl>(),
                               &ClassOf<TWinXPCustomButton>(), &ClassOf<TXPCustomBitBtn>(), &ClassOf<TXPBitBtn>(),
                               &ClassOf<TXPCheckControl>(), &ClassOf<TXPCheckBox>(), &ClassOf<TXPCustomExtPanel>(),
                               &ClassOf<TXPExtPanel>()})
    static_cast<void>(cls);
  return true;
}();
}  // namespace

void RegisterButtonClasses(ClassRegistry& registry) {
  for (const ClassInfo* cls : {&ClassOf<TXPBitBtn>(), &ClassOf<TXPCheckBox>(), &ClassOf<TXPExtPanel>()})
    registry.Register(*cls);
}

}  // namespace pp::layout
