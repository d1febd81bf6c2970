// Class descriptions of the push buttons, check box and gradient panel for the layout reader,
// so that form layouts can name TXPBitBtn, TXPCheckBox and TXPExtPanel. The descriptions start
// at TWinControl: the themed base class adds nothing a layout sets but SmoothDraw, published
// here by each family.
#pragma once

#include "controls/winxp_buttons.h"
#include "controls/xp_check_box.h"
#include "controls/xp_panels.h"
#include "layout/toolkit_classes.h"

namespace pp::layout {

#define PP_BUTTON_ENUM(E) \
  template <>             \
  struct EnumTraits<E> {  \
    static const EnumInfo& Info(); \
  }
PP_BUTTON_ENUM(controls::TXPButtonStyle);
PP_BUTTON_ENUM(controls::TButtonLayout);
PP_BUTTON_ENUM(controls::TBitBtnKind);
PP_BUTTON_ENUM(controls::TCheckBoxState);
PP_BUTTON_ENUM(controls::TXPExtPanelKind);
PP_BUTTON_ENUM(controls::TGradientPanelStyle);
#undef PP_BUTTON_ENUM

template <> const ClassInfo& ClassOf<controls::TWinXPCustomButtonControl>();
template <> const ClassInfo& ClassOf<controls::TWinXPCustomButton>();
template <> const ClassInfo& ClassOf<controls::TXPCustomBitBtn>();
template <> const ClassInfo& ClassOf<controls::TXPBitBtn>();
template <> const ClassInfo& ClassOf<controls::TXPCheckControl>();
template <> const ClassInfo& ClassOf<controls::TXPCheckBox>();
template <> const ClassInfo& ClassOf<controls::TXPCustomExtPanel>();
template <> const ClassInfo& ClassOf<controls::TXPExtPanel>();

// Registers TXPBitBtn, TXPCheckBox and TXPExtPanel.
void RegisterButtonClasses(ClassRegistry& registry = Classes());

}  // namespace pp::layout
