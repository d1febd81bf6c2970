// The utility window object, the jump patch and the clip save/restore, on real windows, real
// code and a real device context.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "hostenv/clip_region.h"
#include "hostenv/code_patch.h"
#include "hostenv/wnd_proc_object.h"
#include "base/errors.h"
#include "toolkit/application.h"

namespace pp::hostenv {
namespace {

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

TEST(CustomWndProcObject, WithoutHandlerTheDefaultProcedureAnswers) {
  TCustomWndProcObject object;
  ASSERT_TRUE(IsWindow(object.Handle()));
  // Only the default window procedure stores a window text.
  SendMessageA(object.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("stored by DefWindowProc"));
  char text[64] = {};
  GetWindowTextA(object.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "stored by DefWindowProc");
  EXPECT_FALSE(IsWindowVisible(object.Handle()));
}

TEST(CustomWndProcObject, HandlerAnswersOrPassesOn) {
  TCustomWndProcObject object;
  std::vector<UINT> seen;
  object.OnMessage = [&](TMessage& message, bool& handled) {
    seen.push_back(message.Msg);
    if (message.Msg == WM_USER + 7) {
      message.Result = static_cast<LRESULT>(message.WParam + message.LParam);
      handled = true;
    }
  };
  EXPECT_EQ(SendMessageA(object.Handle(), WM_USER + 7, 40, 2), 42);
  SendMessageA(object.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("passed on"));
  char text[32] = {};
  GetWindowTextA(object.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "passed on") << "an unhandled message must reach DefWindowProc";
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());
}

// An error in the handler reaches the application's exception handler (never the system's
// message dispatch); the message counts as handled, so the default procedure does not act.
TEST(CustomWndProcObject, HandlerErrorsGoToTheApplicationsHandler) {
  TCustomWndProcObject object;
  object.OnMessage = [](TMessage& message, bool&) {
    if (message.Msg == WM_SETTEXT) Raise(EConvertError("handler failed"));
  };
  std::vector<std::string> reported;
  toolkit::Application().OnException = [&](toolkit::TComponent*, const std::exception* error) {
    reported.push_back(error ? error->what() : "(unknown)");
  };
  SendMessageA(object.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("not stored"));
  toolkit::Application().OnException = nullptr;
  EXPECT_EQ(reported, std::vector<std::string>{"handler failed"});
  char text[32] = {};
  GetWindowTextA(object.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "") << "expected the failed message handled, got it passed on";
}

TEST(CustomWndProcObject, HearsBroadcasts) {
  // Broadcasts reach top-level windows only; WM_SYSCOLORCHANGE arrives this way.
  const UINT broadcast = RegisterWindowMessageA("ParallelPortHostEnvTestBroadcast");
  TCustomWndProcObject object;
  int heard = 0;
  object.OnMessage = [&](TMessage& message, bool&) { heard += message.Msg == broadcast; };
  SendMessageTimeoutA(HWND_BROADCAST, broadcast, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  PumpMessages();
  EXPECT_EQ(heard, 1);
}

TEST(CustomWndProcObject, DestroyReleasesTheWindow) {
  HWND handle;
  {
    TCustomWndProcObject object;
    handle = object.Handle();
    ASSERT_TRUE(IsWindow(handle));
  }
  EXPECT_FALSE(IsWindow(handle));
}

// The patched function must not be inlined or folded away, and must be long enough for five
// bytes of jump.
__attribute__((noinline)) int PatchTarget(int x) {
  volatile int y = x;
  return y * 3 + 1;
}
__attribute__((noinline)) int Replacement(int x) {
  volatile int y = x;
  return y + 1000;
}

TEST(JumpPatch, WritesARelativeJumpAndRestoresTheBytes) {
  auto* target = reinterpret_cast<uint8_t*>(&PatchTarget);
  uint8_t before[5];
  std::memcpy(before, target, 5);

  TJumpPatch patch;
  ASSERT_TRUE(PatchJump(target, reinterpret_cast<void*>(&Replacement), patch));
  EXPECT_EQ(patch.Target, target);
  EXPECT_EQ(std::memcmp(patch.SavedBytes, before, 5), 0);
  EXPECT_EQ(target[0], 0xE9);
  int32_t displacement;
  std::memcpy(&displacement, target + 1, 4);
  EXPECT_EQ(displacement, reinterpret_cast<intptr_t>(&Replacement) - reinterpret_cast<intptr_t>(target) - 5);
  // Not called before the patch, so no stale copy of the old code can run.
  int (*volatile call)(int) = &PatchTarget;
  EXPECT_EQ(call(5), 1005) << "the patched function did not jump to the replacement";

  UnpatchJump(patch);
  EXPECT_EQ(std::memcmp(target, before, 5), 0) << "the five original bytes were not restored";
  EXPECT_EQ(patch.Target, target) << "UnpatchJump leaves Target as it is";
}

// On a data buffer the patch can be read back byte for byte, including the bytes after the jump
// that must stay untouched. A second patch over the first saves the first jump, so the two are
// undone in reverse order.
TEST(JumpPatch, PatchesOverPatchesUndoInReverseOrder) {
  uint8_t bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  // Never called: only the displacement to it matters.
  auto* const replacement = reinterpret_cast<uint8_t*>(reinterpret_cast<uintptr_t>(bytes) + 0x100);
  TJumpPatch first, second;
  ASSERT_TRUE(PatchJump(bytes, replacement, first));
  const uint8_t jump[8] = {0xE9, 0xFB, 0x00, 0x00, 0x00, 6, 7, 8};  // 0x100 - 5
  EXPECT_EQ(std::memcmp(bytes, jump, 8), 0) << "expected E9 FB 00 00 00 and the rest untouched";

  ASSERT_TRUE(PatchJump(bytes, bytes, second));
  EXPECT_EQ(std::memcmp(second.SavedBytes, jump, 5), 0) << "expected the first jump saved by the second patch";
  UnpatchJump(second);
  EXPECT_EQ(std::memcmp(bytes, jump, 8), 0) << "expected the first jump back";
  UnpatchJump(first);
  const uint8_t original[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(std::memcmp(bytes, original, 8), 0) << "expected the original bytes back";
}

TEST(JumpPatch, WriteCodeRefusesPagesThatAreNotCommitted) {
  void* reserved = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
  ASSERT_NE(reserved, nullptr);
  const uint8_t jump[5] = {0xE9, 0, 0, 0, 0};
  EXPECT_FALSE(WriteCode(reserved, jump, sizeof jump));
  VirtualFree(reserved, 0, MEM_RELEASE);
}

// A 40 x 40 memory canvas; Fill paints all of it through the current clip area.
class ClipCanvas : public ::testing::Test {
 protected:
  void SetUp() override {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, 40, 40);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    Fill(RGB(255, 255, 255));
  }
  void TearDown() override {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  void Fill(COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all = {0, 0, 40, 40};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  bool Black(int x, int y) { return GetPixel(dc_, x, y) == RGB(0, 0, 0); }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_F(ClipCanvas, IntersectThenRestoreWithoutClipRegion) {
  HRGN saved = reinterpret_cast<HRGN>(1);
  SaveClipAndRestrict(dc_, RECT{10, 10, 20, 20}, saved, false);
  EXPECT_EQ(saved, nullptr) << "a DC without a clip region saves none";
  Fill(RGB(0, 0, 0));
  EXPECT_TRUE(Black(15, 15));
  EXPECT_FALSE(Black(5, 5)) << "drawing outside the rectangle got through";
  RestoreClip(dc_, saved);
  Fill(RGB(0, 0, 0));
  EXPECT_TRUE(Black(5, 5)) << "expected the clipping removed again";
  HRGN after = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc_, after), 0);
  DeleteObject(after);
}

TEST_F(ClipCanvas, ExcludeThenRestoreTheEarlierRegion) {
  HRGN earlier = CreateRectRgn(0, 0, 30, 30);
  SelectClipRgn(dc_, earlier);
  DeleteObject(earlier);

  HRGN saved = nullptr;
  SaveClipAndRestrict(dc_, RECT{10, 10, 20, 20}, saved, true);
  ASSERT_NE(saved, nullptr);
  Fill(RGB(0, 0, 0));
  EXPECT_FALSE(Black(15, 15)) << "the excluded rectangle was painted";
  EXPECT_TRUE(Black(5, 5));
  EXPECT_FALSE(Black(35, 35)) << "the earlier clip region was lost";

  RestoreClip(dc_, saved);
  Fill(RGB(255, 255, 255));
  Fill(RGB(0, 0, 0));
  EXPECT_TRUE(Black(15, 15));
  EXPECT_FALSE(Black(35, 35)) << "expected the earlier region (0,0)-(30,30) back";
  EXPECT_EQ(GetObjectType(saved), 0u) << "the saved region must be deleted";
}

}  // namespace
}  // namespace pp::hostenv
