// A small set of enumeration members, for the style and state sets of components and controls.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace pp::toolkit {

template <class E>
class SetOf {
 public:
  constexpr SetOf() = default;
  constexpr SetOf(std::initializer_list<E> members) {
    for (E m : members) bits_ |= Bit(m);
  }
  constexpr bool Contains(E m) const { return (bits_ & Bit(m)) != 0; }
  constexpr SetOf& Include(E m) {
    bits_ |= Bit(m);
    return *this;
  }
  constexpr SetOf& Exclude(E m) {
    bits_ &= ~Bit(m);
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr uint64_t Bits() const { return bits_; }
  friend constexpr bool operator==(SetOf a, SetOf b) { return a.bits_ == b.bits_; }

 private:
  static constexpr uint64_t Bit(E m) { return uint64_t{1} << static_cast<unsigned>(m); }
  uint64_t bits_ = 0;
};

}  // namespace pp::toolkit
