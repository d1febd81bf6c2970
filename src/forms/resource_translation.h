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

  const std::string& CurrentSection() const { return section_; }
  void ClearSection() { section_.clear(); }

 private:
  std::string section_;
};

// The one instance the form services install.
ResourceTranslation& Translation();

// The font-substitution switch (FontSubstitutionOn), read once at start-up from the translation
// manager (off without one). The reading depth is FormReadingDepth (forms/locale_fonts.h).
void ReadFontSubstitutionSwitch();

// Adapts the fonts of a new component (or a whole form once read) to the system locale when
// the switch is on, the host asks for the system's language and defines no dialog font. The
// fonts are those of the help-aware form that owns the component; others are left alone.
void CheckNewComponentFonts(toolkit::TComponent* component);

}  // namespace pp::forms
