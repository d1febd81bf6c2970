// A parsed layout: a tree of objects, each with its class, its property lines and its children,
// every piece remembering the line it came from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pp::layout {

struct Value {
  enum class Kind { Integer, String, Identifier, Set, List };

  Kind kind = Kind::Integer;
  std::int64_t integer = 0;          // Integer
  std::string text;                  // String (UTF-8, escapes resolved) or Identifier
  std::vector<std::string> members;  // Set: identifiers between the brackets
  std::vector<Value> items;          // List: strings, integers or identifiers (never lists)
};

struct PropertyLine {
  std::string path;  // "Caption", "Font.Name"
  Value value;
  int line = 0;
};

struct ObjectNode {
  std::string name;
  std::string class_name;
  std::vector<PropertyLine> properties;
  std::vector<ObjectNode> children;
  int line = 0;
};

}  // namespace pp::layout
