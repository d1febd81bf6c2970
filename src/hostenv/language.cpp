#include "hostenv/language.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "hostenv/file_read.h"
#include "hostenv/folders.h"
#include "hostenv/language_mappings.h"

namespace pp::hostenv {

namespace {

std::optional<std::vector<LanguageMapping>> g_mappings;
bool g_tried = false;

}  // namespace

int GetMappedLanguageId() {
  const int locale = static_cast<int>(GetSystemDefaultLCID());
  if (!g_mappings) {
    if (g_tried) return locale;
    g_tried = true;
    std::optional<std::string> text = ReadWholeFile(GetResourcesFolder() + "LanguageMappings.dat");
    if (!text) return locale;
    g_mappings = ParseLanguageMappings(*text);
  }
  return FindLanguageMapping(*g_mappings, locale).value_or(locale);
}

int GetPrimaryLanguageId() { return static_cast<int>(GetSystemDefaultLCID() & ~0xFC00u); }

void ResetLanguageMappings() {
  g_mappings.reset();
  g_tried = false;
}

}  // namespace pp::hostenv
