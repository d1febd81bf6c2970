#include "hostenv/language_mappings.h"

#include <gtest/gtest.h>

#include <string>

namespace pp::hostenv {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

Pairs Parse(std::string_view text) {
  Pairs out;
  for (const LanguageMapping& m : ParseLanguageMappings(text)) out.push_back({m.locale, m.folder});
  return out;
}

TEST(LanguageMappings, KeepsOnlyLinesOfTwoIntegers) {
  struct Case {
    const char* name;
    std::string text;
    Pairs expected;
  };
  const Case cases[] = {
      {"one line", "1031=7", {{1031, 7}}},
      {"file order, CR LF", "1031=7\r\n1036=12\r\n", {{1031, 7}, {1036, 12}}},
      {"LF and lone CR end lines too", "1=2\n3=4\r5=6", {{1, 2}, {3, 4}, {5, 6}}},
      {"junk lines skipped", "abc=7\n1031=\n=7\nno sign at all\n1040=8", {{1040, 8}}},
      {"split at the first =", "1=2=3\n4=5", {{4, 5}}},
      {"blanks are not digits", " 1031=7\n1031 =7\n1031= 7\n1032=8", {{1032, 8}}},
      {"signs", "-5=+6\n+7=-8", {{-5, 6}, {7, -8}}},
      {"32-bit limits", "2147483647=-2147483648\n2147483648=1\n1=-2147483649", {{2147483647, -2147483647 - 1}}},
      {"huge number", std::string(5000, '9') + "=1\n2=3", {{2, 3}}},
      {"empty file", "", {}},
      {"blank lines", "\r\n\r\n\n", {}},
      {"NUL inside a line", std::string("10\0" "31=7\n1=2", 11), {{1, 2}}},
      {"hex is not decimal", "0x407=7\n$407=7", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(c.text), c.expected) << c.name;
}

TEST(LanguageMappings, FirstMappingOfALocaleWins) {
  const auto mappings = ParseLanguageMappings("1031=7\n1031=9\n1036=12");
  EXPECT_EQ(FindLanguageMapping(mappings, 1031), 7);
  EXPECT_EQ(FindLanguageMapping(mappings, 1036), 12);
  EXPECT_EQ(FindLanguageMapping(mappings, 1033), std::nullopt);
}

TEST(LanguageMappings, BinaryBytesNeverCrash) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  EXPECT_TRUE(ParseLanguageMappings(bytes + bytes).empty());
}

}  // namespace
}  // namespace pp::hostenv
