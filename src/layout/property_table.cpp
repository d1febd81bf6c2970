#include "layout/property_table.h"

#include <map>

namespace pp::layout {

namespace {

bool SameName(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The class description of each C++ type that has one, for DynamicRef.
std::map<std::type_index, const ClassInfo*>& TypeTable() {
  static std::map<std::type_index, const ClassInfo*> table;
  return table;
}

}  // namespace

void RaiseBadValue(std::string problem) { Raise(EConvertError(std::move(problem))); }

std::int64_t CheckedInteger(const PropertyValue& v, std::int64_t min, std::int64_t max) {
  std::int64_t i = std::get<std::int64_t>(v);
  if (i < min || i > max)
    RaiseBadValue(std::to_string(i) + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
  return i;
}

std::string_view PropertyTypeName(PropertyType type) noexcept {
  switch (type) {
    case PropertyType::Integer: return "integer";
    case PropertyType::Boolean: return "Boolean";
    case PropertyType::Enum: return "enumeration";
    case PropertyType::Set: return "set";
    case PropertyType::Color: return "colour";
    case PropertyType::String: return "string";
    case PropertyType::WideString: return "wide string";
    case PropertyType::StringList: return "string list";
    case PropertyType::Reference: return "component reference";
    case PropertyType::Event: return "event";
    case PropertyType::Object: return "object";
  }
  return "?";
}

int EnumInfo::Find(std::string_view name) const noexcept {
  for (size_t i = 0; i < names.size(); ++i)
    if (SameName(names[i], name)) return static_cast<int>(i);
  return -1;
}

void* ObjectRef::As(const ClassInfo& target) const noexcept {
  void* p = ptr;
  for (const ClassInfo* c = cls; c && p; c = c->Parent()) {
    if (c == &target) return p;
    if (!c->Parent()) break;
    p = c->ToParent(p);
  }
  return nullptr;
}

const ClassInfo* FindClassOfType(const std::type_info& type) noexcept {
  auto& table = TypeTable();
  auto it = table.find(std::type_index(type));
  return it == table.end() ? nullptr : it->second;
}

bool PropertyInfo::IsStoredValue(void* self) const {
  if (!stored || type == PropertyType::Object || type == PropertyType::Event) return stored;
  if (!default_value || !get) return true;
  PropertyValue current = get(self);
  if (current.index() != default_value->index()) return true;
  if (const auto* i = std::get_if<std::int64_t>(&current)) {
    std::int64_t d = std::get<std::int64_t>(*default_value);
    if (type == PropertyType::Color) return static_cast<std::uint32_t>(*i) != static_cast<std::uint32_t>(d);
    return *i != d;
  }
  if (const auto* s = std::get_if<std::string>(&current)) return *s != std::get<std::string>(*default_value);
  if (const auto* w = std::get_if<std::u16string>(&current)) return *w != std::get<std::u16string>(*default_value);
  if (const auto* l = std::get_if<std::vector<std::string>>(&current))
    return *l != std::get<std::vector<std::string>>(*default_value);
  if (const auto* r = std::get_if<ObjectRef>(&current)) return !(*r == std::get<ObjectRef>(*default_value));
  return true;
}

ClassInfo::ClassInfo(ClassInfo&& o) noexcept
    : name_(std::move(o.name_)),
      type_(o.type_),
      parent_(o.parent_),
      to_parent_(o.to_parent_),
      properties_(std::move(o.properties_)),
      methods_(std::move(o.methods_)),
      create_(std::move(o.create_)) {
  if (type_) {
    auto it = TypeTable().find(std::type_index(*type_));
    if (it != TypeTable().end() && it->second == &o) it->second = this;
  }
}

ClassInfo::~ClassInfo() {
  if (!type_) return;
  auto it = TypeTable().find(std::type_index(*type_));
  if (it != TypeTable().end() && it->second == this) TypeTable().erase(it);
}

void ClassInfo::Publish() { TypeTable()[std::type_index(*type_)] = this; }

bool ClassInfo::InheritsFrom(const ClassInfo& other) const noexcept {
  for (const ClassInfo* c = this; c; c = c->Parent())
    if (c == &other) return true;
  return false;
}

const PropertyInfo* ClassInfo::FindOwnProperty(std::string_view name) const noexcept {
  for (const PropertyInfo& p : properties_)
    if (SameName(p.name, name)) return &p;
  return nullptr;
}

ClassInfo::Found ClassInfo::FindProperty(void* self, std::string_view name) const noexcept {
  for (const ClassInfo* c = this; c; c = c->Parent()) {
    if (const PropertyInfo* p = c->FindOwnProperty(name)) return {p, self};
    if (c->Parent()) self = c->ToParent(self);
  }
  return {};
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const noexcept {
  for (const ClassInfo* c = this; c; c = c->Parent())
    if (const PropertyInfo* p = c->FindOwnProperty(name)) return p;
  return nullptr;
}

void ClassInfo::ForEachProperty(void* self, const std::function<void(const PropertyInfo&, void*)>& visit) const {
  if (const ClassInfo* parent = Parent()) parent->ForEachProperty(self ? ToParent(self) : nullptr, visit);
  for (const PropertyInfo& p : properties_) visit(p, self);
}

ClassInfo::FoundMethod ClassInfo::FindMethod(void* self, std::string_view name) const noexcept {
  for (const ClassInfo* c = this; c; c = c->Parent()) {
    for (const MethodInfo& m : c->methods_)
      if (SameName(m.name, name)) return {&m, self};
    if (c->Parent()) self = c->ToParent(self);
  }
  return {};
}

ObjectRef ClassInfo::Create(ObjectRef owner) const {
  if (!create_) Raise(EConvertError("class " + name_ + " cannot be created by name"));
  return {create_(owner), this};
}

ClassInfo::Found FindPropertyPath(ObjectRef object, std::string_view path) {
  void* self = object.ptr;
  const ClassInfo* cls = object.cls;
  for (;;) {
    if (!self || !cls) return {};
    size_t dot = path.find('.');
    ClassInfo::Found found = cls->FindProperty(self, path.substr(0, dot));
    if (!found || dot == std::string_view::npos) return found;
    if (found.info->type != PropertyType::Object) return {};
    self = found.info->object(found.self);
    cls = &found.info->target();
    path = path.substr(dot + 1);
  }
}

bool HasProperty(ObjectRef object, std::string_view name) { return static_cast<bool>(FindPropertyPath(object, name)); }

bool SetStringProperty(ObjectRef object, std::string_view name, const std::string& value) {
  ClassInfo::Found found = FindPropertyPath(object, name);
  if (!found || found.info->type != PropertyType::String) return false;
  found.info->set(found.self, value);
  return true;
}

bool SetBooleanProperty(ObjectRef object, std::string_view name, bool value) {
  ClassInfo::Found found = FindPropertyPath(object, name);
  if (!found || found.info->type != PropertyType::Boolean) return false;
  found.info->set(found.self, std::int64_t{value});
  return true;
}

std::vector<ObjectRef> ObjectPropertiesOf(ObjectRef object, const ClassInfo& base) {
  std::vector<ObjectRef> result;
  if (!object) return result;
  object.cls->ForEachProperty(object.ptr, [&](const PropertyInfo& p, void* self) {
    if (p.type != PropertyType::Object || !p.target().InheritsFrom(base)) return;
    if (void* sub = p.object(self)) result.push_back({sub, &p.target()});
  });
  return result;
}

}  // namespace pp::layout
