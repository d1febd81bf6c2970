// Per-class property tables: run-time type information for the classes a layout can build.
//
// Each class describes itself once, next to nothing but its own published properties:
//
//   template <> const ClassInfo& ClassOf<TButton>() {
//     static const ClassInfo info = ClassBuilder<TButton, TWinControl>("TButton")
//         .Property("Default", &TButton::GetDefault, &TButton::SetDefault).Default(false)
//         .Property("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult).Names(kModalResults)
//         .Event("OnClick", &TButton::SetOnClick)
//         .Creatable<TComponent>()
//         .Build();
//     return info;
//   }
//
// The kind of a property follows from its setter's argument type (ValueTraits); setters and
// getters are member functions or callables taking the object first. Properties are found by
// name (without regard to case) through the class and its ancestors, and listed base first in
// declaration order.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <variant>
#include <vector>

#include "base/errors.h"

namespace pp::layout {

class ClassInfo;

// Defined (as an explicit specialization) by the module that describes T.
template <class T>
const ClassInfo& ClassOf();

// An object seen through its class description; ptr points at an object of the C++ type that
// `cls` describes.
struct ObjectRef {
  void* ptr = nullptr;
  const ClassInfo* cls = nullptr;

  explicit operator bool() const noexcept { return ptr != nullptr; }
  friend bool operator==(const ObjectRef& a, const ObjectRef& b) noexcept { return a.ptr == b.ptr; }

  // This object as a `target` (moving up the class chain); nullptr when it is not one.
  void* As(const ClassInfo& target) const noexcept;
  template <class T>
  T* As() const noexcept {
    return static_cast<T*>(As(ClassOf<T>()));
  }
};

// A reference through the static type of `object`.
template <class T>
ObjectRef Ref(T* object) {
  return object ? ObjectRef{object, &ClassOf<T>()} : ObjectRef{};
}
// A reference through the object's dynamic type when that type has a class description.
const ClassInfo* FindClassOfType(const std::type_info& type) noexcept;
template <class T>
ObjectRef DynamicRef(T* object) {
  if constexpr (std::is_polymorphic_v<T>) {
    if (object)
      if (const ClassInfo* cls = FindClassOfType(typeid(*object))) return {dynamic_cast<void*>(object), cls};
  }
  return Ref(object);
}

enum class PropertyType { Integer, Boolean, Enum, Set, Color, String, WideString, StringList, Reference, Event, Object };
std::string_view PropertyTypeName(PropertyType type) noexcept;

// An identifier that stands for an integer (mrOk = 1, clBtnFace = 0xFF00000F).
struct NamedConstant {
  std::string_view name;
  std::int64_t value;
};

struct EnumInfo {
  std::string_view type_name;
  std::vector<std::string_view> names;  // in ordinal order

  int Find(std::string_view name) const noexcept;  // ordinal, -1 when unknown (case ignored)
};

// Values as they travel between the reader, the queries and the typed setters. Integers, enums,
// Booleans, sets (bit i = ordinal i) and colours are integers (a colour as its signed 32-bit
// value: clBtnFace, 0xFF00000F, is negative); events are whatever the event property's setter
// takes, in an any.
using PropertyValue =
    std::variant<std::int64_t, std::string, std::u16string, std::vector<std::string>, ObjectRef, std::any>;

// ---- mapping C++ argument types to property kinds ----

// Describe an enum E: template <> struct EnumTraits<E> { static const EnumInfo& Info(); };
template <class E>
struct EnumTraits;
// Describe a set type S of enum elements E:
//   template <> struct SetTraits<S> { using Element = E;
//     static std::uint64_t ToMask(const S&); static S FromMask(std::uint64_t); };
template <class S>
struct SetTraits;

// Raised by a conversion that does not fit; the reader adds resource and line.
[[noreturn]] void RaiseBadValue(std::string problem);
std::int64_t CheckedInteger(const PropertyValue& v, std::int64_t min, std::int64_t max);

template <class T, class = void>
struct ValueTraits;  // no kind for T: describe it, or give the property a callable setter

template <class T>
struct ValueTraits<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>> {
  static constexpr PropertyType kType = PropertyType::Integer;
  static PropertyValue ToValue(T v) { return static_cast<std::int64_t>(v); }
  static T FromValue(const PropertyValue& v) {
    using L = std::numeric_limits<T>;
    return static_cast<T>(CheckedInteger(v, static_cast<std::int64_t>(L::min()),
                                         L::max() > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX
                                                                                          : static_cast<std::int64_t>(L::max())));
  }
};

template <>
struct ValueTraits<bool> {
  static constexpr PropertyType kType = PropertyType::Boolean;
  static PropertyValue ToValue(bool v) { return std::int64_t{v}; }
  static bool FromValue(const PropertyValue& v) { return std::get<std::int64_t>(v) != 0; }
};

template <class E>
struct ValueTraits<E, std::enable_if_t<std::is_enum_v<E>>> {
  static constexpr PropertyType kType = PropertyType::Enum;
  static const EnumInfo* Enum() { return &EnumTraits<E>::Info(); }
  static PropertyValue ToValue(E v) { return static_cast<std::int64_t>(v); }
  static E FromValue(const PropertyValue& v) {
    return static_cast<E>(CheckedInteger(v, 0, static_cast<std::int64_t>(Enum()->names.size()) - 1));
  }
};

template <>
struct ValueTraits<std::string> {
  static constexpr PropertyType kType = PropertyType::String;
  static PropertyValue ToValue(const std::string& v) { return v; }
  static std::string FromValue(const PropertyValue& v) { return std::get<std::string>(v); }
};

template <>
struct ValueTraits<std::u16string> {
  static constexpr PropertyType kType = PropertyType::WideString;
  static PropertyValue ToValue(const std::u16string& v) { return v; }
  static std::u16string FromValue(const PropertyValue& v) { return std::get<std::u16string>(v); }
};

template <>
struct ValueTraits<std::wstring> {  // UTF-16 code units on Windows
  static constexpr PropertyType kType = PropertyType::WideString;
  static PropertyValue ToValue(const std::wstring& v) { return std::u16string(v.begin(), v.end()); }
  static std::wstring FromValue(const PropertyValue& v) {
    const auto& s = std::get<std::u16string>(v);
    return std::wstring(s.begin(), s.end());
  }
};

template <>
struct ValueTraits<std::vector<std::string>> {
  static constexpr PropertyType kType = PropertyType::StringList;
  static PropertyValue ToValue(const std::vector<std::string>& v) { return v; }
  static std::vector<std::string> FromValue(const PropertyValue& v) { return std::get<std::vector<std::string>>(v); }
};

template <class T>
struct ValueTraits<T*> {
  static constexpr PropertyType kType = PropertyType::Reference;
  static const ClassInfo& Target() { return ClassOf<T>(); }
  static PropertyValue ToValue(T* v) { return DynamicRef(v); }
  static T* FromValue(const PropertyValue& v) {
    const ObjectRef& ref = std::get<ObjectRef>(v);
    if (!ref) return nullptr;
    T* p = ref.As<T>();
    if (!p) RaiseBadValue("the component named is not of the kind this property holds");
    return p;
  }
};

template <class T>
concept SetType = requires { typename SetTraits<T>::Element; };

template <SetType S>
struct ValueTraits<S> {
  static constexpr PropertyType kType = PropertyType::Set;
  static const EnumInfo* Enum() { return &EnumTraits<typename SetTraits<S>::Element>::Info(); }
  static PropertyValue ToValue(const S& v) { return static_cast<std::int64_t>(SetTraits<S>::ToMask(v)); }
  static S FromValue(const PropertyValue& v) {
    return SetTraits<S>::FromMask(static_cast<std::uint64_t>(std::get<std::int64_t>(v)));
  }
};

// ---- the tables ----

struct PropertyInfo {
  std::string name;
  PropertyType type = PropertyType::Integer;
  const EnumInfo* enum_info = nullptr;                  // Enum and Set members
  std::span<const NamedConstant> constants;             // identifiers an Integer or Color accepts
  const ClassInfo& (*target)() = nullptr;               // Reference and Object: the class held
  std::optional<PropertyValue> default_value;           // none: every value is stored
  bool stored = true;                                   // written to a layout at all
  std::function<void(void* self, const PropertyValue&)> set;   // empty for Object
  std::function<PropertyValue(void* self)> get;                 // may be empty
  std::function<void*(void* self)> object;                      // Object: the sub-object (not owned)

  // Whether the value would be written to a layout: stored, and different from the default.
  bool IsStoredValue(void* self) const;
};

struct MethodInfo {
  std::string name;
  std::function<std::any(void* self)> bind;  // the event value that calls the method on self
};

class ClassInfo {
 public:
  struct Found {
    const PropertyInfo* info = nullptr;
    void* self = nullptr;  // the object as the class that declares the property
    explicit operator bool() const noexcept { return info != nullptr; }
  };
  struct FoundMethod {
    const MethodInfo* info = nullptr;
    void* self = nullptr;
    explicit operator bool() const noexcept { return info != nullptr; }
  };

  ClassInfo(ClassInfo&&) noexcept;
  ClassInfo(const ClassInfo&) = delete;
  ClassInfo& operator=(const ClassInfo&) = delete;
  ~ClassInfo();

  std::string_view Name() const noexcept { return name_; }
  const ClassInfo* Parent() const noexcept { return parent_ ? &parent_() : nullptr; }
  bool InheritsFrom(const ClassInfo& other) const noexcept;
  const std::type_info& Type() const noexcept { return *type_; }

  const std::vector<PropertyInfo>& OwnProperties() const noexcept { return properties_; }
  const PropertyInfo* FindOwnProperty(std::string_view name) const noexcept;
  // Searches this class, then its ancestors.
  Found FindProperty(void* self, std::string_view name) const noexcept;
  const PropertyInfo* FindProperty(std::string_view name) const noexcept;
  // Every property, the root class's first, each class's in declaration order.
  void ForEachProperty(void* self, const std::function<void(const PropertyInfo&, void* self)>& visit) const;
  FoundMethod FindMethod(void* self, std::string_view name) const noexcept;

  bool CanCreate() const noexcept { return static_cast<bool>(create_); }
  // A new instance owned by `owner` (which may be empty).
  ObjectRef Create(ObjectRef owner) const;

  // Moves a pointer to this class's type to its parent's type.
  void* ToParent(void* self) const noexcept { return to_parent_(self); }

 private:
  template <class T, class Base>
  friend class ClassBuilder;
  ClassInfo() = default;
  void Publish();

  std::string name_;
  const std::type_info* type_ = nullptr;
  const ClassInfo& (*parent_)() = nullptr;
  void* (*to_parent_)(void*) = nullptr;
  std::vector<PropertyInfo> properties_;
  std::vector<MethodInfo> methods_;
  std::function<void*(ObjectRef owner)> create_;
};

namespace detail {

template <class F>
struct SetterArg : SetterArg<decltype(&F::operator())> {};
template <class R, class C, class A>
struct SetterArg<R (C::*)(A)> { using type = std::remove_cvref_t<A>; };
template <class R, class C, class A>
struct SetterArg<R (C::*)(A) noexcept> { using type = std::remove_cvref_t<A>; };
template <class R, class L, class S, class A>
struct SetterArg<R (L::*)(S, A) const> { using type = std::remove_cvref_t<A>; };
template <class R, class S, class A>
struct SetterArg<R (*)(S, A)> { using type = std::remove_cvref_t<A>; };

template <class T>
struct Pointee { using type = std::remove_cvref_t<T>; };
template <class T>
struct Pointee<T*> { using type = T; };

}  // namespace detail

template <class T, class Base = void>
class ClassBuilder {
 public:
  explicit ClassBuilder(std::string_view name) {
    info_.name_ = std::string(name);
    info_.type_ = &typeid(T);
    if constexpr (!std::is_void_v<Base>) {
      static_assert(std::is_base_of_v<Base, T>);
      info_.parent_ = &ClassOf<Base>;
      info_.to_parent_ = [](void* self) -> void* { return static_cast<Base*>(static_cast<T*>(self)); };
    }
  }

  // A property read through `get` (nullptr: write-only) and written through `set`.
  template <class Getter, class Setter>
  ClassBuilder& Property(std::string_view name, Getter get, Setter set) {
    using V = typename detail::SetterArg<Setter>::type;
    using Traits = ValueTraits<V>;
    PropertyInfo& p = Add(name, Traits::kType);
    if constexpr (requires { Traits::Enum(); }) p.enum_info = Traits::Enum();
    if constexpr (requires { Traits::Target(); }) p.target = &Traits::Target;
    p.set = [set](void* self, const PropertyValue& v) { std::invoke(set, *static_cast<T*>(self), Traits::FromValue(v)); };
    if constexpr (!std::is_null_pointer_v<Getter>)
      p.get = [get](void* self) { return Traits::ToValue(std::invoke(get, *static_cast<T*>(self))); };
    return *this;
  }

  // An object property (Font): `get` answers the sub-object, whose own properties are set by path.
  template <class Getter>
  ClassBuilder& Object(std::string_view name, Getter get) {
    using R = std::invoke_result_t<Getter, T&>;
    using U = typename detail::Pointee<std::remove_reference_t<R>>::type;
    PropertyInfo& p = Add(name, PropertyType::Object);
    p.target = &ClassOf<U>;
    p.object = [get](void* self) -> void* {
      if constexpr (std::is_pointer_v<R>)
        return std::invoke(get, *static_cast<T*>(self));
      else
        return &std::invoke(get, *static_cast<T*>(self));
    };
    p.get = [get](void* self) -> PropertyValue {
      if constexpr (std::is_pointer_v<R>)
        return Ref<U>(std::invoke(get, *static_cast<T*>(self)));
      else
        return Ref<U>(&std::invoke(get, *static_cast<T*>(self)));
    };
    return *this;
  }

  // An event: the layout names a method of the form being read, which must produce the value
  // type the setter takes.
  template <class Setter>
  ClassBuilder& Event(std::string_view name, Setter set) {
    using E = typename detail::SetterArg<Setter>::type;
    PropertyInfo& p = Add(name, PropertyType::Event);
    p.set = [set](void* self, const PropertyValue& v) {
      const auto* handler = std::any_cast<E>(&std::get<std::any>(v));
      if (!handler) RaiseBadValue("the method does not fit this event");
      std::invoke(set, *static_cast<T*>(self), *handler);
    };
    return *this;
  }

  // Overrides the kind deduced from the setter (an integer that is a colour).
  ClassBuilder& As(PropertyType type) {
    info_.properties_.back().type = type;
    return *this;
  }
  template <class V>
  ClassBuilder& Default(const V& value) {
    PropertyInfo& p = info_.properties_.back();
    if constexpr (std::is_enum_v<V>)
      p.default_value = static_cast<std::int64_t>(value);
    else if constexpr (std::is_convertible_v<V, std::string_view>)
      p.default_value = std::string(value);
    else
      p.default_value = ValueTraits<V>::ToValue(value);
    return *this;
  }
  ClassBuilder& NotStored() {
    info_.properties_.back().stored = false;
    return *this;
  }
  ClassBuilder& Names(std::span<const NamedConstant> constants) {
    info_.properties_.back().constants = constants;
    return *this;
  }

  // A method an event of a layout can name; Event is the event value type it produces.
  template <class EventType, class M>
  ClassBuilder& Method(std::string_view name, M method) {
    info_.methods_.push_back({std::string(name), [method](void* self) -> std::any {
                                T* object = static_cast<T*>(self);
                                return EventType([object, method](auto&&... args) {
                                  return std::invoke(method, *object, std::forward<decltype(args)>(args)...);
                                });
                              }});
    return *this;
  }

  // Instances can be created by name: new T(owner as OwnerT*).
  template <class OwnerT>
  ClassBuilder& Creatable() {
    info_.create_ = [](ObjectRef owner) -> void* { return new T(owner.As<OwnerT>()); };
    return *this;
  }
  // Instances are created by `create` (owner → new T).
  template <class F>
  ClassBuilder& CreatedBy(F create) {
    info_.create_ = [create](ObjectRef owner) -> void* { return static_cast<T*>(create(owner)); };
    return *this;
  }

  ClassInfo Build() {
    info_.Publish();
    return std::move(info_);
  }

 private:
  PropertyInfo& Add(std::string_view name, PropertyType type) {
    PropertyInfo& p = info_.properties_.emplace_back();
    p.name = std::string(name);
    p.type = type;
    return p;
  }

  ClassInfo info_;
};

// ---- run-time queries ----

// The property at `path` ("Font.Name") of `object`, with the object it belongs to.
ClassInfo::Found FindPropertyPath(ObjectRef object, std::string_view path);
bool HasProperty(ObjectRef object, std::string_view name);
// Sets a published property by name; answers false when there is none of that kind.
bool SetStringProperty(ObjectRef object, std::string_view name, const std::string& value);
bool SetBooleanProperty(ObjectRef object, std::string_view name, bool value);
// Every Object property whose class is `base` or descends from it, in declaration order, with
// the sub-object (properties whose getter answers none are skipped).
std::vector<ObjectRef> ObjectPropertiesOf(ObjectRef object, const ClassInfo& base);

}  // namespace pp::layout
