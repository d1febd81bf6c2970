// Forced into GoogleTest and every test (see tests/windows/CMakeLists.txt). The cross compiler's
// win32-threads runtime has no std::mutex or std::condition_variable, which GoogleTest's
// Notification is built from; this one is the same thing over a Win32 event, and GoogleTest
// takes it instead of defining its own.
#pragma once
#ifdef __cplusplus  // C sources (a C host test) get nothing
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal
#endif
