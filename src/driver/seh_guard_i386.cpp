#include "driver/seh_guard.h"

#include <windows.h>

// The registration record, as it lies on the stack while fn runs:
//   +0 previous record   +4 handler   +8 caller's ebp   +12 exception code (0 = none)
// On an exception the handler unwinds the frames above the record (RtlUnwind, so that handlers
// the driver installed itself see their unwind), notes the code, and jumps back into
// pp_guarded_call with esp at the record, as an __except block would.

extern "C" {
uint32_t __cdecl pp_guarded_call(pp::driver::GuardedFn fn, void* context);
int __cdecl pp_guard_handler(EXCEPTION_RECORD* record, void* frame, CONTEXT* context, void* dispatcher);

// Called by the handler with the dispatcher's stack still in place.
static const void* g_fault_address = nullptr;

void __cdecl pp_guard_catch(EXCEPTION_RECORD* record, void* frame) {
  g_fault_address = record->ExceptionAddress;
  RtlUnwind(frame, nullptr, record, nullptr);
  DWORD code = record->ExceptionCode;
  static_cast<DWORD*>(frame)[3] = code ? code : 0xFFFFFFFF;
}
}

asm(R"(
    .intel_syntax noprefix
    .text
    .globl _pp_guarded_call
_pp_guarded_call:
    push ebp
    mov ebp, esp
    push ebx
    push esi
    push edi
    sub esp, 16
    mov eax, dword ptr fs:[0]
    mov dword ptr [esp], eax
    mov dword ptr [esp+4], offset _pp_guard_handler
    mov dword ptr [esp+8], ebp
    mov dword ptr [esp+12], 0
    mov dword ptr fs:[0], esp
    push dword ptr [ebp+12]
    call dword ptr [ebp+8]
    add esp, 4
_pp_guard_resume:
    mov eax, dword ptr [esp]
    mov dword ptr fs:[0], eax
    mov eax, dword ptr [esp+12]
    add esp, 16
    pop edi
    pop esi
    pop ebx
    pop ebp
    ret

    .globl _pp_guard_handler
_pp_guard_handler:
    mov eax, dword ptr [esp+4]
    test dword ptr [eax+4], 6
    jnz 1f
    push dword ptr [esp+8]
    push eax
    call _pp_guard_catch
    add esp, 8
    mov eax, dword ptr [esp+8]
    mov ebp, dword ptr [eax+8]
    mov esp, eax
    jmp _pp_guard_resume
1:
    mov eax, 1
    ret
    .att_syntax
)");

namespace pp::driver {

uint32_t GuardedCall(GuardedFn fn, void* context) noexcept { return pp_guarded_call(fn, context); }
const void* LastGuardedFaultAddress() noexcept { return g_fault_address; }

}  // namespace pp::driver
