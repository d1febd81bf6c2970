// Keys the message loop takes aside before translating them, routed as a dialog does.
#pragma once

#include <windows.h>

namespace pp::toolkit {

class TWinControl;

// `focus` is the window the key was sent to, `nearest` the toolkit control that is it or holds
// it (a window the toolkit did not make is served by its nearest toolkit ancestor). For a key
// press: CM_CHILDKEY up the parent chain, then, for Tab, arrows, Enter and Esc that the focused
// window does not ask for through WM_GETDLGCODE, CM_DIALOGKEY to the form. For a character
// that the window does not want (DLGC_WANTCHARS) and for every Alt+character: CM_DIALOGCHAR to
// the form. True when someone took the key; the message is then not dispatched.
bool RouteKey(TWinControl* nearest, HWND focus, UINT message, WPARAM key, LPARAM key_data);

}  // namespace pp::toolkit
