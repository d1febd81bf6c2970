#include "controls/tabs/tab_classes.h"

namespace pp::layout {

// The themed base class publishes nothing of its own here, so the descriptions go straight from
// the toolkit's windowed control to the tab classes.

using namespace controls;
using toolkit::TComponent;
using toolkit::TNotifyEvent;

const EnumInfo& EnumTraits<TWinXPTabPosition>::Info() {
  static const EnumInfo info{"TWinXPTabPosition", {"tpTop", "tpBottom"}};
  return info;
}

template <>
const ClassInfo& ClassOf<TWinXPCustomTabControl>() {
  static const ClassInfo info =
      ClassBuilder<TWinXPCustomTabControl, toolkit::TWinControl>("TWinXPCustomTabControl")
          .Property("PassFocusOnChange", &TWinXPCustomTabControl::PassFocusOnChange,
                    &TWinXPCustomTabControl::SetPassFocusOnChange)
          .Default(false)
          .Property("TabPosition", &TWinXPCustomTabControl::TabPosition, &TWinXPCustomTabControl::SetTabPosition)
          .Default(tpTop)
          .Event("OnChange", [](TWinXPCustomTabControl& c, TNotifyEvent e) { c.OnChange = std::move(e); })
          .Event("OnChanging", [](TWinXPCustomTabControl& c, TTabChangingEvent e) { c.OnChanging = std::move(e); })
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TWinXPPageControl>() {
  static const ClassInfo info =
      ClassBuilder<TWinXPPageControl, TWinXPCustomTabControl>("TWinXPPageControl")
          .Property("ActivePage", &TWinXPPageControl::ActivePage, &TWinXPPageControl::SetActivePage)
          .Property("SmoothDraw", &TWinXPPageControl::SmoothDraw, &TWinXPPageControl::SetSmoothDraw).Default(false)
          .Property("TabIndex", &TWinXPPageControl::TabIndex, &TWinXPPageControl::SetVisibleTabIndex)
          .Default(-1)
          .NotStored()
          .Creatable<TComponent>()
          .Build();
  return info;
}

template <>
const ClassInfo& ClassOf<TWinXPTabSheet>() {
  static const ClassInfo info =
      ClassBuilder<TWinXPTabSheet, toolkit::TWinControl>("TWinXPTabSheet")
          .Property("BorderWidth", &TWinXPTabSheet::BorderWidth, &TWinXPTabSheet::SetBorderWidth).Default(0)
          .Property("ImageIndex", &TWinXPTabSheet::ImageIndex, &TWinXPTabSheet::SetImageIndex).Default(-1)
          .Property("PageIndex", &TWinXPTabSheet::PageIndex, &TWinXPTabSheet::SetPageIndex).NotStored()
          .Property("TabVisible", &TWinXPTabSheet::TabVisible, &TWinXPTabSheet::SetTabVisible).Default(true)
          .Event("OnShow", [](TWinXPTabSheet& s, TNotifyEvent e) { s.OnShow = std::move(e); })
          .Event("OnHide", [](TWinXPTabSheet& s, TNotifyEvent e) { s.OnHide = std::move(e); })
          .Creatable<TComponent>()
          .Build();
  return info;
}

namespace {
// Built when the module starts, so that DynamicRef knows these classes from the first query on.
const bool kDescribed = [] {
  for (const ClassInfo* cls : {&ClassOf<TWinXPCustomTabControl>(),
                               &ClassOf<TWinXPPageControl>(), &ClassOf<TWinXPTabSheet>()})
    static_cast<void>(cls);
  return true;
}();
}  // namespace

void RegisterTabClasses(ClassRegistry& registry) {
  registry.Register(ClassOf<TWinXPPageControl>());
  registry.Register(ClassOf<TWinXPTabSheet>());
}

}  // namespace pp::layout
