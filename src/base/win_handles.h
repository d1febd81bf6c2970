// One RAII owner per Win32 handle kind that the core layers hold: registry keys, modules,
// BSTRs and COM references. (GDI and window owners live with the toolkit.)
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace pp::win {

// Owns a handle of type H, released with Close(H); Invalid is the empty value.
template <class H, auto Close, H Invalid = H{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) noexcept : h_(h) {}
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Invalid)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, Invalid));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  H get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != Invalid; }
  H release() noexcept { return std::exchange(h_, Invalid); }
  void reset(H h = Invalid) noexcept {
    H old = std::exchange(h_, h);
    if (old != Invalid) Close(old);
  }
  // For APIs that return the handle through an out-parameter.
  H* receive() noexcept {
    reset();
    return &h_;
  }

 private:
  H h_ = Invalid;
};

inline void CloseKey(HKEY k) noexcept { RegCloseKey(k); }
inline void CloseModule(HMODULE m) noexcept { FreeLibrary(m); }

using UniqueKey = UniqueHandle<HKEY, CloseKey>;
using UniqueModule = UniqueHandle<HMODULE, CloseModule>;

// A BSTR we own; release() hands it to a caller who then owns it.
class UniqueBstr {
 public:
  UniqueBstr() = default;
  explicit UniqueBstr(BSTR s) noexcept : s_(s) {}
  UniqueBstr(UniqueBstr&& o) noexcept : s_(std::exchange(o.s_, nullptr)) {}
  UniqueBstr& operator=(UniqueBstr&& o) noexcept {
    if (this != &o) reset(std::exchange(o.s_, nullptr));
    return *this;
  }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { reset(); }

  BSTR get() const noexcept { return s_; }
  BSTR release() noexcept { return std::exchange(s_, nullptr); }
  void reset(BSTR s = nullptr) noexcept {
    if (BSTR old = std::exchange(s_, s)) SysFreeString(old);
  }
  BSTR* receive() noexcept {
    reset();
    return &s_;
  }

 private:
  BSTR s_ = nullptr;
};

// A counted COM reference.
template <class I>
class ComPtr {
 public:
  ComPtr() = default;
  // Adopts a reference the caller already holds.
  static ComPtr Adopt(I* p) noexcept {
    ComPtr c;
    c.p_ = p;
    return c;
  }
  ComPtr(const ComPtr& o) noexcept : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComPtr() { reset(); }

  I* get() const noexcept { return p_; }
  I* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  void reset() noexcept {
    if (I* old = std::exchange(p_, nullptr)) old->Release();
  }
  I** receive() noexcept {
    reset();
    return &p_;
  }
  I* release() noexcept { return std::exchange(p_, nullptr); }

 private:
  I* p_ = nullptr;
};

}  // namespace pp::win
