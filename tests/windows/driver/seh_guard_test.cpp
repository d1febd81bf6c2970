// The structured-exception guard around calls into the driver library: what it catches, what
// it leaves in order behind it (the fs:[0] chain, callee-saved registers, the stack).
#include "driver/seh_guard.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pp::driver {
namespace {

// fs:[0], the head of the thread's registration chain, read directly: GCC 12 takes the
// header's NtCurrentTeb for an access to an empty array.
void* ExceptionListHead() {
  void* head = nullptr;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}

void Returns(void* context) { *static_cast<int*>(context) = 42; }
void Raises(void* context) { RaiseException(*static_cast<DWORD*>(context), 0, 0, nullptr); }
void WritesThroughNull(void*) { *static_cast<volatile int*>(nullptr) = 1; }

// Clobbers every callee-saved register, then faults: the guard must hand the caller its own
// register values back.
extern "C" void __cdecl ClobberAndFault(void*);
asm(R"(
    .intel_syntax noprefix
    .text
_ClobberAndFault:
    mov ebx, 0xDEAD0001
    mov esi, 0xDEAD0002
    mov edi, 0xDEAD0003
    mov ebp, 0xDEAD0004
    mov dword ptr [0], eax
    ret
    .att_syntax
)");

void NestedGuard(void* context) {
  auto* inner = static_cast<uint32_t*>(context);
  *inner = GuardedCall(WritesThroughNull, nullptr);
}

TEST(SehGuard, WhatComesBack) {
  int value = 0;
  EXPECT_EQ(GuardedCall(Returns, &value), 0u);
  EXPECT_EQ(value, 42);

  DWORD code = 0xE0001234;
  EXPECT_EQ(GuardedCall(Raises, &code), 0xE0001234u);

  // Wine reports a real access violation as C0000005; running under an emulated i386 loader
  // it may arrive as another code. Either way it must be caught and be non-zero.
  EXPECT_NE(GuardedCall(WritesThroughNull, nullptr), 0u);
}

TEST(SehGuard, LeavesTheChainAndRegistersAsItFoundThem) {
  void* head = ExceptionListHead();
  uint32_t ebx0, esi0, edi0, ebx1, esi1, edi1;
  asm volatile("mov %%ebx, %0\n\tmov %%esi, %1\n\tmov %%edi, %2" : "=m"(ebx0), "=m"(esi0), "=m"(edi0));
  const uint32_t code = GuardedCall(ClobberAndFault, nullptr);
  asm volatile("mov %%ebx, %0\n\tmov %%esi, %1\n\tmov %%edi, %2" : "=m"(ebx1), "=m"(esi1), "=m"(edi1));
  EXPECT_NE(code, 0u);
  EXPECT_EQ(ebx1, ebx0);
  EXPECT_EQ(esi1, esi0);
  EXPECT_EQ(edi1, edi0);
  EXPECT_EQ(ExceptionListHead(), head) << "the guard's record must be off the chain";
}

TEST(SehGuard, InnerGuardCatchesAndTheOuterSeesANormalReturn) {
  void* head = ExceptionListHead();
  uint32_t inner = 0;
  EXPECT_EQ(GuardedCall(NestedGuard, &inner), 0u);
  EXPECT_NE(inner, 0u);
  EXPECT_EQ(ExceptionListHead(), head);
}

TEST(SehGuard, ManyFaultsInARowKeepTheStackWhole) {
  char* stack_before = static_cast<char*>(__builtin_frame_address(0));
  for (int i = 0; i < 2000; ++i) {
    DWORD code = 0xE0000000 | i;
    ASSERT_EQ(GuardedCall(Raises, &code), code);
  }
  EXPECT_EQ(static_cast<char*>(__builtin_frame_address(0)), stack_before);
  // A C++ exception thrown after a caught fault still unwinds normally.
  EXPECT_THROW(throw 1, int);
}

}  // namespace
}  // namespace pp::driver
