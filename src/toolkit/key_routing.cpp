#include "toolkit/key_routing.h"

#include "toolkit/form.h"
#include "toolkit/messages.h"
#include "toolkit/win_control.h"

namespace pp::toolkit {

namespace {

UINT DialogCodeMask(WPARAM key) {
  switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
  }
  return 0;
}

LRESULT DialogCode(HWND focus, UINT message, WPARAM key, LPARAM key_data) {
  MSG msg{focus, message, key, key_data, static_cast<DWORD>(GetMessageTime()), {}};
  return SendMessageA(focus, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace

bool RouteKey(TWinControl* nearest, HWND focus, UINT message, WPARAM key, LPARAM key_data) {
  TCustomForm* form = GetParentForm(nearest);
  switch (message) {
    case WM_KEYDOWN: {
      if (nearest->Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(nearest))) return true;
      const UINT mask = DialogCodeMask(key);
      if (!mask) return false;
      if (FindControl(focus) == nearest && nearest->Perform(CM_WANTSPECIALKEY, key, key_data)) return false;
      if (DialogCode(focus, message, key, key_data) & mask) return false;
      return form && form->Perform(CM_DIALOGKEY, key, key_data) != 0;
    }
    case WM_CHAR:
      if (DialogCode(focus, message, key, key_data) & DLGC_WANTCHARS) return false;
      return form && form->Perform(CM_DIALOGCHAR, key, key_data) != 0;
    case WM_SYSCHAR:
      return form && form->Perform(CM_DIALOGCHAR, key, key_data) != 0;
  }
  return false;
}

}  // namespace pp::toolkit
