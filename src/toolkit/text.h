// Text comparisons of the toolkit. Texts are 8-bit strings in the system ANSI code page; case is
// folded for the ASCII letters only, so that results do not depend on the user's locale.
#pragma once

#include <string>
#include <string_view>

namespace pp::toolkit {

int CompareText(std::string_view a, std::string_view b);  // <0, 0, >0; case-insensitive
int CompareStr(std::string_view a, std::string_view b);   // <0, 0, >0; exact bytes
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view s);

// The accelerator of a caption: the character after the first single '&' ("&&" is a literal
// ampersand), or 0 when there is none.
char AcceleratorOf(std::string_view caption);
// True when `ch` is the accelerator of `caption`, compared without case.
bool IsAccel(unsigned ch, std::string_view caption);
// The caption as drawn without prefix processing: "&&" becomes "&", single '&' vanish.
std::string StripAccelerator(std::string_view caption);

}  // namespace pp::toolkit
