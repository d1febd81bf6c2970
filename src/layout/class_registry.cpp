#include "layout/class_registry.h"

#include <algorithm>

namespace pp::layout {

bool ClassRegistry::NoCase::operator()(std::string_view a, std::string_view b) const noexcept {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char x, char y) { return lower(x) < lower(y); });
}

void ClassRegistry::Register(std::string_view name, const ClassInfo& cls) {
  auto it = classes_.find(name);
  if (it != classes_.end())
    it->second = &cls;
  else
    classes_.emplace(std::string(name), &cls);
}

void ClassRegistry::Unregister(std::string_view name) {
  auto it = classes_.find(name);
  if (it != classes_.end()) classes_.erase(it);
}

const ClassInfo* ClassRegistry::Find(std::string_view name) const noexcept {
  auto it = classes_.find(name);
  return it == classes_.end() ? nullptr : it->second;
}

ClassRegistry& Classes() {
  static ClassRegistry registry;
  return registry;
}

}  // namespace pp::layout
