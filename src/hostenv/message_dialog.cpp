#include "hostenv/message_dialog.h"

#include <windows.h>

#include <cstdio>

#include "hostenv/platform.h"
#include "hostenv/process_end.h"

namespace pp::hostenv {

namespace {

// Until the dialog framework draws its own, the system message box stands in for the message
// dialog; it takes the button sets that it has.
UINT ButtonStyle(unsigned buttons) {
  if ((buttons & (mbAbort | mbRetry | mbIgnore)) == (mbAbort | mbRetry | mbIgnore)) return MB_ABORTRETRYIGNORE;
  if ((buttons & (mbYes | mbNo | mbCancel)) == (mbYes | mbNo | mbCancel)) return MB_YESNOCANCEL;
  if ((buttons & (mbYes | mbNo)) == (mbYes | mbNo)) return MB_YESNO;
  if ((buttons & (mbRetry | mbCancel)) == (mbRetry | mbCancel)) return MB_RETRYCANCEL;
  if ((buttons & (mbOK | mbCancel)) == (mbOK | mbCancel)) return MB_OKCANCEL;
  return MB_OK;
}

UINT IconStyle(MsgDlgType type) {
  switch (type) {
    case MsgDlgType::Warning: return MB_ICONWARNING;
    case MsgDlgType::Error: return MB_ICONERROR;
    case MsgDlgType::Information: return MB_ICONINFORMATION;
    case MsgDlgType::Confirmation: return MB_ICONQUESTION;
    case MsgDlgType::Custom: break;
  }
  return 0;
}

}  // namespace

int ShowDialogWithCaption(const std::string& caption, const std::string& message, MsgDlgType type, unsigned buttons) {
  if (IsTestMode()) {
    std::printf("ShowDialogWithCaption with%s %s\n", caption.c_str(), message.c_str());
    EndProcess(1);
  }
  // No owner: the box is centred on the screen.
  return MessageBoxA(nullptr, message.c_str(), caption.c_str(),
                     ButtonStyle(buttons) | IconStyle(type) | MB_TASKMODAL | MB_SETFOREGROUND);
}

int ShowErrorDialog(const std::string& message, const std::string& caption) {
  return ShowDialogWithCaption(caption.empty() ? "Error" : caption, message, MsgDlgType::Error, mbOK);
}

}  // namespace pp::hostenv
