// Class descriptions of the tab control, the page control and the tab sheet for the layout
// reader, so that layouts build real page controls and sheets.
#pragma once

#include "controls/tabs/xp_page_control.h"
#include "layout/class_registry.h"
#include "layout/toolkit_classes.h"

namespace pp::layout {

template <>
struct EnumTraits<controls::TWinXPTabPosition> {
  static const EnumInfo& Info();
};

template <> const ClassInfo& ClassOf<controls::TWinXPCustomTabControl>();
template <> const ClassInfo& ClassOf<controls::TWinXPPageControl>();
template <> const ClassInfo& ClassOf<controls::TWinXPTabSheet>();

// Registers TWinXPPageControl and TWinXPTabSheet.
void RegisterTabClasses(ClassRegistry& registry = Classes());

}  // namespace pp::layout
