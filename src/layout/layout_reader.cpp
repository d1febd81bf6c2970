#include "layout/layout_reader.h"

#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

#include "layout/color_names.h"
#include "layout/layout_parser.h"
#include "layout/read_error.h"
#include "layout/reader_hooks.h"

namespace pp::layout {

namespace {

bool IsWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    if (x != b[i]) return false;
  }
  return true;
}

std::string_view KindName(Value::Kind kind) {
  switch (kind) {
    case Value::Kind::Integer: return "a number";
    case Value::Kind::String: return "a string";
    case Value::Kind::Identifier: return "an identifier";
    case Value::Kind::Set: return "a set";
    case Value::Kind::List: return "a list";
  }
  return "?";
}

struct Component {
  ObjectRef object;
  const ObjectNode* node;
};

struct Fixup {
  const PropertyInfo* info;
  void* self;
  std::string target;
  std::string path;
  std::string_view owner_name;
  int line;
};

class Reader {
 public:
  Reader(ObjectRef root, ComponentModel& model, std::string_view resource, const ReadOptions& options)
      : root_(root),
        model_(model),
        resource_(resource),
        options_(options),
        classes_(options.classes ? *options.classes : Classes()) {}

  void Run(const ObjectNode& layout) {
    CheckRootClass(layout);
    try {
      model_.BeginLoading(root_);
      model_.SetName(root_, layout.name);
      names_.emplace(Lower(layout.name), root_);
      ReadData(root_, layout);
      for (const Fixup& f : fixups_) Resolve(f);
      std::vector<ObjectRef> components;
      components.reserve(created_.size());
      for (const Component& c : created_) components.push_back(c.object);
      Guard(layout.line, layout.name, {}, [&] { model_.EndLoading(root_, components); });
    } catch (...) {
      for (auto it = created_.rbegin(); it != created_.rend(); ++it) model_.Destroy(it->object);
      created_.clear();
      throw;
    }
  }

 private:
  static std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
  }

  [[noreturn]] void Fail(int line, std::string_view problem) { RaiseReadError(resource_, line, problem); }

  void CheckRootClass(const ObjectNode& layout) {
    if (const ClassInfo* named = classes_.Find(layout.class_name)) {
      if (root_.cls->InheritsFrom(*named)) return;
    } else {
      for (const ClassInfo* c = root_.cls; c; c = c->Parent())
        if (IsWord(c->Name(), Lower(layout.class_name))) return;
    }
    Fail(layout.line, "the layout is for class " + layout.class_name + ", not " + std::string(root_.cls->Name()));
  }

  ReadContext Context(ObjectRef component, const ObjectNode& node) const {
    ReadContext context;
    context.resource = resource_;
    context.root = options_.standalone ? ObjectRef{} : root_;
    context.component = component;
    context.component_name = node.name;
    return context;
  }

  // One component's data: its properties, then its children, between the hooks.
  void ReadData(ObjectRef component, const ObjectNode& node) {
    ReaderHooks* hooks = InstalledReaderHooks();
    ReadContext context = Context(component, node);
    if (hooks) hooks->BeforeReadData(context);
    try {
      for (const PropertyLine& line : node.properties) SetProperty(component, node, line);
      for (const ObjectNode& child : node.children) ReadChild(component, child);
    } catch (...) {
      if (hooks) hooks->AfterReadData(context, true);
      throw;
    }
    if (hooks) hooks->AfterReadData(context, false);
  }

  void ReadChild(ObjectRef parent, const ObjectNode& node) {
    const ClassInfo* cls = classes_.Find(node.class_name);
    if (!cls) Fail(node.line, "class " + node.class_name + " is not registered");
    if (!cls->CanCreate()) Fail(node.line, "class " + node.class_name + " cannot be created by name");
    std::string key = Lower(node.name);
    if (names_.count(key)) Fail(node.line, "a component named " + node.name + " already exists");

    ObjectRef component;
    Guard(node.line, node.name, {}, [&] { component = cls->Create(root_); });
    created_.push_back({component, &node});
    names_.emplace(std::move(key), component);
    if (!model_.ReportsInsertions()) NotifyComponentInserted(root_, component);
    Guard(node.line, node.name, {}, [&] {
      model_.BeginLoading(component);
      model_.SetName(component, node.name);
      if (model_.SetParent(component, parent) && !model_.ReportsInsertions()) NotifyControlInserted(parent, component);
    });
    ReadData(component, node);
  }

  // Runs a step of the component model; its errors become read errors at `line`.
  template <class F>
  void Guard(int line, std::string_view who, std::string_view path, F step) {
    try {
      step();
    } catch (const EReadError&) {
      throw;
    } catch (const std::exception& e) {
      std::string where(who);
      if (!path.empty()) where += "." + std::string(path);
      Fail(line, where + ": " + e.what());
    }
  }

  void SetProperty(ObjectRef component, const ObjectNode& node, const PropertyLine& line) {
    ClassInfo::Found found;
    Guard(line.line, node.name, line.path, [&] { found = FindPropertyPath(component, line.path); });
    if (!found) {
      // Name the part of the path that is missing.
      Fail(line.line, "\"" + line.path + "\" is not a property of " + node.name + " (" +
                          std::string(component.cls->Name()) + ")");
    }
    const PropertyInfo& p = *found.info;
    if (p.type == PropertyType::Reference) {
      if (line.value.kind != Value::Kind::Identifier) Mismatch(line, p, "a component name");
      fixups_.push_back({&p, found.self, line.value.text, line.path, node.name, line.line});
      return;
    }
    ReadContext context = Context(component, node);
    context.property_path = line.path;
    PropertyValue value = Convert(p, line, context);
    Guard(line.line, node.name, line.path, [&] { p.set(found.self, value); });
  }

  [[noreturn]] void Mismatch(const PropertyLine& line, const PropertyInfo& p, std::string_view expected) {
    Fail(line.line, "\"" + line.path + "\" (" + std::string(PropertyTypeName(p.type)) + ") needs " +
                        std::string(expected) + ", not " + std::string(KindName(line.value.kind)));
  }

  std::int64_t Constant(const PropertyLine& line, const PropertyInfo& p, bool colour) {
    for (const NamedConstant& c : p.constants)
      if (c.name == line.value.text) return c.value;
    if (colour)
      if (auto v = ColorFromName(line.value.text)) return *v;
    Fail(line.line, "\"" + line.value.text + "\" is not a value of \"" + line.path + "\"");
  }

  PropertyValue Convert(const PropertyInfo& p, const PropertyLine& line, const ReadContext& context) {
    const Value& v = line.value;
    ReaderHooks* hooks = InstalledReaderHooks();
    switch (p.type) {
      case PropertyType::Integer:
        if (v.kind == Value::Kind::Integer) return v.integer;
        if (v.kind == Value::Kind::Identifier) return Constant(line, p, false);
        Mismatch(line, p, "a number");
      case PropertyType::Color:
        if (v.kind == Value::Kind::Identifier)
          return static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(Constant(line, p, true))));
        if (v.kind != Value::Kind::Integer) Mismatch(line, p, "a colour name or number");
        if (v.integer < std::numeric_limits<std::int32_t>::min() || v.integer > std::numeric_limits<std::uint32_t>::max())
          Fail(line.line, "colour " + std::to_string(v.integer) + " does not fit in 32 bits");
        // Colours travel as signed 32-bit values: 0xFF00000F arrives as a negative number.
        return static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v.integer)));
      case PropertyType::Boolean:
        if (v.kind == Value::Kind::Identifier && IsWord(v.text, "true")) return std::int64_t{1};
        if (v.kind == Value::Kind::Identifier && IsWord(v.text, "false")) return std::int64_t{0};
        Mismatch(line, p, "True or False");
      case PropertyType::Enum: {
        if (v.kind != Value::Kind::Identifier) Mismatch(line, p, "an identifier");
        int ordinal = p.enum_info->Find(v.text);
        if (ordinal < 0) Fail(line.line, "\"" + v.text + "\" is not a " + std::string(p.enum_info->type_name));
        return std::int64_t{ordinal};
      }
      case PropertyType::Set: {
        if (v.kind != Value::Kind::Set) Mismatch(line, p, "a set");
        std::uint64_t mask = 0;
        for (const std::string& member : v.members) {
          int ordinal = p.enum_info->Find(member);
          if (ordinal < 0 || ordinal >= 64) Fail(line.line, "\"" + member + "\" is not a " + std::string(p.enum_info->type_name));
          mask |= std::uint64_t{1} << ordinal;
        }
        return static_cast<std::int64_t>(mask);
      }
      case PropertyType::String:
        if (v.kind != Value::Kind::String) Mismatch(line, p, "a string");
        return ReadAnsi(hooks, context, v.text);
      case PropertyType::WideString:
        if (v.kind != Value::Kind::String) Mismatch(line, p, "a string");
        return hooks ? hooks->ReadWideString(context, Utf16FromUtf8(v.text)) : Utf16FromUtf8(v.text);
      case PropertyType::StringList: {
        if (v.kind != Value::Kind::List) Mismatch(line, p, "a list of strings");
        std::vector<std::string> items;
        items.reserve(v.items.size());
        for (const Value& item : v.items) {
          if (item.kind != Value::Kind::String) Fail(line.line, "\"" + line.path + "\" holds strings only");
          items.push_back(ReadAnsi(hooks, context, item.text));
        }
        return items;
      }
      case PropertyType::Event: {
        if (v.kind != Value::Kind::Identifier) Mismatch(line, p, "a method name");
        ClassInfo::FoundMethod method = root_.cls->FindMethod(root_.ptr, v.text);
        if (!method) Fail(line.line, "method " + v.text + " is not published by " + std::string(root_.cls->Name()));
        return method.info->bind(method.self);
      }
      case PropertyType::Reference:
        break;  // resolved after reading
      case PropertyType::Object:
        Fail(line.line, "\"" + line.path + "\" is an object; set its properties (\"" + line.path + ".Name = ...\")");
    }
    Fail(line.line, "\"" + line.path + "\" cannot be set");
  }

  std::string ReadAnsi(ReaderHooks* hooks, const ReadContext& context, const std::string& utf8) {
    std::string text = options_.ansi_from_utf8 ? options_.ansi_from_utf8(utf8) : utf8;
    return hooks ? hooks->ReadString(context, std::move(text)) : text;
  }

  void Resolve(const Fixup& f) {
    ObjectRef target;
    if (!IsWord(f.target, "nil")) {
      auto it = names_.find(Lower(f.target));
      if (it == names_.end()) Fail(f.line, "\"" + f.path + "\" names " + f.target + ", which does not exist");
      target = it->second;
    }
    Guard(f.line, f.owner_name, f.path, [&] { f.info->set(f.self, target); });
  }

  ObjectRef root_;
  ComponentModel& model_;
  std::string_view resource_;
  const ReadOptions& options_;
  const ClassRegistry& classes_;
  std::vector<Component> created_;
  std::unordered_map<std::string, ObjectRef> names_;
  std::vector<Fixup> fixups_;
};

}  // namespace

void ReadLayout(const ObjectNode& layout, ObjectRef root, ComponentModel& model, std::string_view resource,
                const ReadOptions& options) {
  if (!root) RaiseReadError(resource, 0, "nothing to read into");
  Reader(root, model, resource, options).Run(layout);
}

void ReadLayoutText(std::string_view text, ObjectRef root, ComponentModel& model, std::string_view resource,
                    const ReadOptions& options) {
  ReadLayout(ParseLayout(text, resource), root, model, resource, options);
}

std::u16string Utf16FromUtf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    std::uint32_t cp;
    size_t extra;
    if (b < 0x80) {
      cp = b, extra = 0;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F, extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F, extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07, extra = 3;
    } else {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    size_t j = 1;
    for (; j <= extra && i + j < s.size(); ++j) {
      auto c = static_cast<unsigned char>(s[i + j]);
      if ((c & 0xC0) != 0x80) break;
      cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr std::uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (j <= extra || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += u'\uFFFD';
      i += j;
      continue;
    }
    i += j;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

}  // namespace pp::layout
