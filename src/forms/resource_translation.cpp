#include "forms/resource_translation.h"

#include <windows.h>

#include "base/win_handles.h"
#include "forms/form_with_help.h"
#include "forms/locale_fonts.h"
#include "forms/translation_key.h"
#include "hostenv/host_client.h"
#include "hostenv/host_functions.h"
#include "toolkit/form.h"

namespace pp::forms {

namespace {

std::wstring Wide(const std::string& text, UINT code_page) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string Narrow(const wchar_t* text, size_t size, UINT code_page) {
  if (size == 0) return {};
  const int n = WideCharToMultiByte(code_page, 0, text, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, text, static_cast<int>(size), out.data(), n, nullptr, nullptr);
  return out;
}

win::ComPtr<hostenv::ITranslationManager> Manager() {
  hostenv::ITranslationManager* manager = nullptr;
  hostenv::client_api::GetTranslationManager(&manager);
  return win::ComPtr<hostenv::ITranslationManager>::Adopt(manager);
}

win::UniqueBstr Bstr(const std::string& text, UINT code_page) {
  const std::wstring wide = Wide(text, code_page);
  return win::UniqueBstr(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
}

// Asks the manager; a refusal raises, which fails the form being read.
bool Lookup(hostenv::ITranslationManager& manager, const std::string& section, const std::string& key,
            std::string& translation) {
  win::UniqueBstr wide_section = Bstr(section, CP_ACP), wide_key = Bstr(key, CP_ACP), text;
  BOOL found = FALSE;
  hostenv::CheckHostStatus(manager.Translate(wide_section.get(), wide_key.get(), text.receive(), &found));
  if (!found) return false;
  translation = Narrow(text.get(), SysStringLen(text.get()), CP_THREAD_ACP);
  return true;
}

void SetCurrentForm(const std::string& name) {
  if (auto manager = Manager()) {
    win::UniqueBstr wide = Bstr(name, CP_ACP);
    hostenv::CheckHostStatus(manager->SetCurrentForm(wide.get()));
  }
}

toolkit::TCustomForm* AsForm(layout::ObjectRef ref) { return ref ? ref.As<toolkit::TCustomForm>() : nullptr; }

}  // namespace

ResourceTranslation& Translation() {
  static ResourceTranslation translation;
  return translation;
}

void ResourceTranslation::BeforeReadData(const layout::ReadContext& context) {
  SetFormReadingDepth(FormReadingDepth() + 1);
  if (toolkit::TCustomForm* form = AsForm(context.component)) {
    const std::string name = FormTranslationName(form->ClassName());
    section_ = name;
    SetCurrentForm(name);
  } else if (!context.component_name.empty()) {
    section_ = std::string(context.component_name);
  }
}

void ResourceTranslation::AfterReadData(const layout::ReadContext& context, bool failed) {
  // A failed read still leaves the depth and the manager's current form as they were before
  // it, or every later form would count as being read and keep the dead form's name.
  struct Leave {
    ResourceTranslation& self;
    bool is_form;
    ~Leave() {
      if (is_form) {
        try {
          SetCurrentForm("");
        } catch (...) {
        }
      }
      SetFormReadingDepth(FormReadingDepth() - 1);
    }
  } leave{*this, AsForm(context.component) != nullptr};
  if (!context.component_name.empty()) {
    if (!failed) HintFromTranslation(context.component, "Hint", "");
    section_.clear();
  }
  if (failed) return;
  if (leave.is_form) {
    leave.is_form = false;
    SetCurrentForm("");
  }
  if (FormReadingDepth() == 1)
    if (auto* component = context.component.As<toolkit::TComponent>()) CheckNewComponentFonts(component);
}

std::string ResourceTranslation::TranslateResourceString(const layout::ReadContext& context, const std::string& text) {
  if (!context.root) return text;  // a standalone read: no owner, nothing translated
  if (hostenv::client_api::GetUseLocalizedDialogs()) {
    std::string translation;
    if (auto manager = Manager(); manager && Lookup(*manager.get(), section_, TranslationKey(context.property_path, text), translation))
      return translation;
    return text;
  }
  if (context.property_path == "Caption") HintFromTranslation(context.component, "Caption", text);
  return text;
}

std::string ResourceTranslation::ReadString(const layout::ReadContext& context, std::string text) {
  return TranslateResourceString(context, text);
}

std::u16string ResourceTranslation::ReadWideString(const layout::ReadContext& context, std::u16string text) {
  // The rule works on ANSI texts: what the system code page cannot hold does not survive.
  const std::string ansi = Narrow(reinterpret_cast<const wchar_t*>(text.data()), text.size(), CP_ACP);
  const std::wstring wide = Wide(TranslateResourceString(context, ansi), CP_ACP);
  return std::u16string(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
}

void ResourceTranslation::HintFromTranslation(layout::ObjectRef component, const std::string& property_name,
                                              const std::string& text) {
  if (!component || !layout::HasProperty(component, "Hint")) return;
  auto manager = Manager();
  std::string translation;
  if (!manager || !Lookup(*manager.get(), section_, TranslationKey(property_name, text), translation)) return;
  layout::SetStringProperty(component, "Hint", translation);
  if (layout::HasProperty(component, "ShowHint")) layout::SetBooleanProperty(component, "ShowHint", true);
}

void ReadFontSubstitutionSwitch() {
  LONG value = 0;
  auto manager = Manager();
  SetFontSubstitutionOn(manager && SUCCEEDED(manager->GetFontSubstitution(&value)) && value != 0);
}

void CheckNewComponentFonts(toolkit::TComponent* component) {
  if (!component || !FontSubstitutionOn() || !hostenv::client_api::GetUseSystemLocaleLanguage()) return;
  for (toolkit::TComponent* c = component; c; c = c->Owner())
    if (auto* form = dynamic_cast<TFormWithHelp*>(c)) {
      if (!form->UseHostFont()) form->SubstituteLocaleFonts(component);
      return;
    }
}

}  // namespace pp::forms
