#include "toolkit/errors.h"

namespace pp::toolkit {

EStringListError EStringListError::IndexOutOfBounds(long index) {
  return EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

EStringListError EStringListError::Duplicate() {
  return EStringListError("String list does not allow duplicates");
}

EStringListError EStringListError::SortedInsert() {
  return EStringListError("Operation not allowed on sorted list");
}

EResNotFound EResNotFound::Named(const std::string& name) {
  return EResNotFound("Resource " + name + " not found");
}

}  // namespace pp::toolkit
