// Property tables of the toolkit's classes, so that layouts can build toolkit components and the
// dialog framework can query them at run time. Form classes of the dialogs describe themselves
// the same way (ClassBuilder<TMyForm, toolkit::TForm>) and publish their event handlers with
// Method<toolkit::TNotifyEvent>.
#pragma once

#include <cstdint>

#include "layout/class_registry.h"
#include "layout/property_table.h"
#include "toolkit/form.h"
#include "toolkit/std_controls.h"

namespace pp::layout {

template <class E>
struct SetTraits<toolkit::SetOf<E>> {
  using Element = E;
  static std::uint64_t ToMask(const toolkit::SetOf<E>& s) { return s.Bits(); }
  static toolkit::SetOf<E> FromMask(std::uint64_t mask) {
    toolkit::SetOf<E> s;
    for (unsigned i = 0; i < 64; ++i)
      if ((mask >> i) & 1) s.Include(static_cast<E>(i));
    return s;
  }
};

#define PP_LAYOUT_ENUM(E) \
  template <>             \
  struct EnumTraits<E> {  \
    static const EnumInfo& Info(); \
  }
PP_LAYOUT_ENUM(toolkit::TAlign);
PP_LAYOUT_ENUM(toolkit::TFontStyle);
PP_LAYOUT_ENUM(toolkit::TFontPitch);
PP_LAYOUT_ENUM(toolkit::TFormBorderStyle);
PP_LAYOUT_ENUM(toolkit::TBorderIcon);
PP_LAYOUT_ENUM(toolkit::TPosition);
PP_LAYOUT_ENUM(toolkit::TWindowState);
PP_LAYOUT_ENUM(toolkit::TAlignment);
PP_LAYOUT_ENUM(toolkit::TTextLayout);
#undef PP_LAYOUT_ENUM

template <> const ClassInfo& ClassOf<toolkit::TComponent>();
template <> const ClassInfo& ClassOf<toolkit::TFont>();
template <> const ClassInfo& ClassOf<toolkit::TControl>();
template <> const ClassInfo& ClassOf<toolkit::TGraphicControl>();
template <> const ClassInfo& ClassOf<toolkit::TWinControl>();
template <> const ClassInfo& ClassOf<toolkit::TCustomForm>();
template <> const ClassInfo& ClassOf<toolkit::TForm>();
template <> const ClassInfo& ClassOf<toolkit::TButton>();
template <> const ClassInfo& ClassOf<toolkit::TLabel>();
template <> const ClassInfo& ClassOf<toolkit::TImage>();

// Identifiers the integer properties accept: modal results (mrOk) and character sets.
std::span<const NamedConstant> ModalResultNames() noexcept;
std::span<const NamedConstant> CharsetNames() noexcept;

// Registers the toolkit classes a layout may create (TWinControl, TButton, TLabel, TImage).
void RegisterToolkitClasses(ClassRegistry& registry = Classes());

}  // namespace pp::layout
