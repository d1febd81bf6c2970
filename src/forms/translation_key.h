// The texts the host's translation manager is asked with: the key of a property's text and
// the section name of a form.
#pragma once

#include <string>
#include <string_view>

namespace pp::forms {

// The text in single quotes, each quote inside doubled: It's -> 'It''s'.
std::string QuotedStr(std::string_view text);

// Property path, ".", the quoted text: Caption.'OK', Hint.''.
std::string TranslationKey(std::string_view property_path, std::string_view text);

// A form is looked up under its class name without the first letter: TParallelPortForm ->
// ParallelPortForm.
std::string FormTranslationName(std::string_view class_name);

}  // namespace pp::forms
