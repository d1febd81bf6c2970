// The status convention at the binary interface: S_OK on success, E_UNEXPECTED (0x8000FFFF)
// for whatever went wrong. No exception ever crosses an interface method.
#pragma once

#include <windows.h>

#include "base/errors.h"
#include "base/handler_hooks.h"

namespace pp::win {

template <class F>
HRESULT CallWithStatus(F&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (...) {
    NotifyUnraised();  // out of memory and the like leave error information too
    TakenException taken;
    return E_UNEXPECTED;
  }
}

}  // namespace pp::win
