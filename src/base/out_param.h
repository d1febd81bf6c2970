// Storing into a caller's out-parameter. A null pointer fails the operation at the point of the
// store, so the steps before it stay done, as they would with a write through a nil pointer.
#pragma once

#include "base/errors.h"

namespace pp {

[[noreturn]] void RaiseNullOut();

template <class T, class V>
void Store(T* out, V value) {
  if (!out) RaiseNullOut();
  *out = static_cast<T>(value);
}

}  // namespace pp
