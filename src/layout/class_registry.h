// The classes a layout may name, by name. A class may be registered under another name (tests
// stand a plain class in for one that does not exist yet).
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "layout/property_table.h"

namespace pp::layout {

class ClassRegistry {
 public:
  void Register(const ClassInfo& cls) { Register(cls.Name(), cls); }
  void Register(std::string_view name, const ClassInfo& cls);
  void Unregister(std::string_view name);
  const ClassInfo* Find(std::string_view name) const noexcept;  // case ignored

 private:
  struct NoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
  };
  std::map<std::string, const ClassInfo*, NoCase> classes_;
};

// The registry the reader uses unless told otherwise.
ClassRegistry& Classes();

}  // namespace pp::layout
