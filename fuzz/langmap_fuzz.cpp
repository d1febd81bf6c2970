// The language-mappings parser on arbitrary bytes: it must never crash or read out of bounds,
// every pair it returns must come from a line that really holds two integers, and a lookup of
// each returned locale must find a mapping.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "hostenv/language_mappings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pp::hostenv;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<LanguageMapping> mappings = ParseLanguageMappings(text);
  // Each pair needs at least "d=d": never more pairs than lines of three bytes allow.
  if (mappings.size() * 3 > size + 1) std::abort();
  for (const LanguageMapping& m : mappings)
    if (!FindLanguageMapping(mappings, m.locale)) std::abort();
  return 0;
}
