// Module-wide values that the translation of form resources keeps and the help-aware form reads:
// whether fonts are substituted for the locale's language, and how many form resources are
// being read right now (no substitution while one is).
#pragma once

namespace pp::forms {

bool FontSubstitutionOn();
void SetFontSubstitutionOn(bool on);
int FormReadingDepth();
void SetFormReadingDepth(int depth);

}  // namespace pp::forms
