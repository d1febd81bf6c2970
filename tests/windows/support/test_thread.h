// A thread for tests that play the other side of a conversation (answering a box, serving DDE).
// The plug-in starts no threads, so it is built with a runtime that has no std::thread; tests
// use this small stand-in over CreateThread with the same shape.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>

namespace pp::test {

class TestThread {
 public:
  TestThread() = default;
  explicit TestThread(std::function<void()> body) {
    auto* owned = new std::function<void()>(std::move(body));
    handle_ = CreateThread(nullptr, 0, &Run, owned, 0, nullptr);
    if (!handle_) delete owned;
  }
  TestThread(TestThread&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TestThread& operator=(TestThread&& other) noexcept {
    if (this != &other) {
      join();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  TestThread(const TestThread&) = delete;
  TestThread& operator=(const TestThread&) = delete;
  ~TestThread() { join(); }

  bool joinable() const { return handle_ != nullptr; }
  void join() {
    if (!handle_) return;
    WaitForSingleObject(handle_, INFINITE);
    CloseHandle(std::exchange(handle_, nullptr));
  }

 private:
  static DWORD WINAPI Run(void* param) {
    std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(param));
    (*body)();
    return 0;
  }
  HANDLE handle_ = nullptr;
};

}  // namespace pp::test
