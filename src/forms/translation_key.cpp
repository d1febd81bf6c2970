#include "forms/translation_key.h"

namespace pp::forms {

std::string QuotedStr(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  out += '\'';
  return out;
}

std::string TranslationKey(std::string_view property_path, std::string_view text) {
  return std::string(property_path) + "." + QuotedStr(text);
}

std::string FormTranslationName(std::string_view class_name) {
  return class_name.empty() ? std::string() : std::string(class_name.substr(1));
}

}  // namespace pp::forms
