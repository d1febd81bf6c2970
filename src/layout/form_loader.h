// Forms built from layouts compiled in as RCDATA resources: the form is made empty, then filled
// by the reader; a form whose layout fails is freed before the error leaves, so it never
// half-exists.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "layout/layout_reader.h"
#include "layout/toolkit_classes.h"
#include "toolkit/component.h"
#include "toolkit/win_control.h"

namespace pp::layout {

// While it lives, the toolkit's insertions (a component joining an owner, a control joining a
// parent, whether a layout is read or not) reach the installed reader hooks; the hooks it
// found installed in the toolkit are called first and put back at the end.
class ToolkitInsertionBridge {
 public:
  ToolkitInsertionBridge() noexcept;
  ~ToolkitInsertionBridge();
  ToolkitInsertionBridge(const ToolkitInsertionBridge&) = delete;
  ToolkitInsertionBridge& operator=(const ToolkitInsertionBridge&) = delete;
};

// The text of the RCDATA resource `name` of `module`; EResNotFound when there is none.
std::string_view LayoutResource(HMODULE module, const char* name);

// The layout's UTF-8 in the system ANSI code page (what String properties hold).
std::string AnsiFromUtf8(std::string_view utf8);

// Fills `form`, freshly made and empty, from layout text; reading errors name `resource`.
void ReadFormLayout(ObjectRef form, std::string_view text, std::string_view resource,
                    const ClassRegistry& classes = Classes());

// A form of class F owned by `owner`, filled from the layout resource `resource` of `module`.
template <class F>
toolkit::Owned<F> CreateFormFromResource(toolkit::TComponent* owner, HMODULE module, const char* resource,
                                         const ClassRegistry& classes = Classes()) {
  std::string_view text = LayoutResource(module, resource);
  toolkit::Owned<F> form(new F(owner));
  ReadFormLayout(DynamicRef(form.get()), text, resource, classes);  // on failure `form` frees it
  return form;
}

}  // namespace pp::layout
