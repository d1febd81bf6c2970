// Translation of form texts through the host's translation manager while a form layout is
// read: every string read is looked up under the current section (the form while its own
// properties are read, then each named component) with the key of its property and text. When
// the user keeps dialogs in their designed language, a caption's translation becomes the
// control's tooltip instead. Installed as the layout reader's hooks by the form services.
#pragma once

#include <string>

#include "layout/reader_hooks.h"

namespace pp::toolkit {
class TComponent;
}

namespace pp::forms {

// The dialog framework's font services that translation relies on (the help-aware form owns
// them): whether the host defines a dialog font, and adapting a component's fonts to the
// system locale. Without them nothing is substituted.
struct LocaleFontServices {
  bool (*use_host_font)() = nullptr;
  void (*substitute_locale_fonts)(toolkit::TComponent* component) = nullptr;
};
void SetLocaleFontServices(const LocaleFontServices& services) noexcept;

class ResourceTranslation : public layout::ReaderHooks {
 public:
  void BeforeReadData(const layout::ReadContext& context) override;
  void AfterReadData(const layout::ReadContext& context, bool failed) override;
  std::string ReadString(const layout::ReadContext& context, std::string text) override;
  std::u16string ReadWideString(const layout::ReadContext& context, std::u16string text) override;

  // The rule for one string read with a property of `context` (ANSI text).
  std::string TranslateResourceString(const layout::ReadContext& context, const std::string& text);
  // Looks up PropertyName.'Text' in the current section; a translation found becomes the
  // component's Hint (and ShowHint is switched on).
  void HintFromTranslation(layout::ObjectRef component, const std::string& property_name, const std::string& text);

  int ReadingDepth() const { return depth_; }
  const std::string& CurrentSection() const { return section_; }
  void ClearSection() { section_.clear(); }

 private:
  int depth_ = 0;
  std::string section_;
};

// The one instance the form services install.
ResourceTranslation& Translation();

// Read once at start-up from the translation manager (off without one).
void ReadFontSubstitutionSwitch();
bool FontSubstitutionSwitch();

// Adapts the fonts of a new component (or a whole form once read) to the system locale when
// the switch is on, the host asks for the system's language and defines no dialog font.
void CheckNewComponentFonts(toolkit::TComponent* component);

}  // namespace pp::forms
