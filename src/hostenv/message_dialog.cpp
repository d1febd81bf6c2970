#include "hostenv/message_dialog.h"

#include <windows.h>

#include <cstdio>

#include "toolkit/message_dialog.h"

#include "hostenv/platform.h"
#include "hostenv/process_end.h"

namespace pp::hostenv {

namespace {

toolkit::TMsgDlgType DialogType(MsgDlgType type) {
  switch (type) {
    case MsgDlgType::Warning: return toolkit::mtWarning;
    case MsgDlgType::Error: return toolkit::mtError;
    case MsgDlgType::Information: return toolkit::mtInformation;
    case MsgDlgType::Confirmation: return toolkit::mtConfirmation;
    case MsgDlgType::Custom: break;
  }
  return toolkit::mtCustom;
}

toolkit::TMsgDlgButtons DialogButtons(unsigned buttons) {
  static constexpr struct {
    unsigned ours;
    toolkit::TMsgDlgBtn toolkit;
  } kMap[] = {{mbYes, toolkit::mbYes},     {mbNo, toolkit::mbNo},       {mbOK, toolkit::mbOK},
              {mbCancel, toolkit::mbCancel}, {mbAbort, toolkit::mbAbort}, {mbRetry, toolkit::mbRetry},
              {mbIgnore, toolkit::mbIgnore}};
  toolkit::TMsgDlgButtons set;
  for (const auto& m : kMap)
    if (buttons & m.ours) set.Include(m.toolkit);
  // A box without a button could only be left through its close box.
  if (set == toolkit::TMsgDlgButtons{}) set.Include(toolkit::mbOK);
  return set;
}

}  // namespace

int ShowDialogWithCaption(const std::string& caption, const std::string& message, MsgDlgType type, unsigned buttons) {
  if (IsTestMode()) {
    std::printf("ShowDialogWithCaption with%s %s\n", caption.c_str(), message.c_str());
    EndProcess(1);
  }
  // The toolkit's message form, centred on the screen; the dialog framework's showing rules
  // (test mode, the active monitor) apply to it as to every message box of the module.
  toolkit::Owned<toolkit::TMessageForm> form(toolkit::CreateMessageDialog(message, DialogType(type), DialogButtons(buttons)));
  form->SetCaption(caption);
  return form->ShowModal();
}

int ShowErrorDialog(const std::string& message, const std::string& caption) {
  return ShowDialogWithCaption(caption.empty() ? "Error" : caption, message, MsgDlgType::Error, mbOK);
}

}  // namespace pp::hostenv
