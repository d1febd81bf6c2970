// The standard message dialog. In test mode it never shows: it writes one line to standard output
// and ends the process with exit code 1.
#pragma once

#include <string>

namespace pp::hostenv {

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Buttons, combined with |.
enum MsgDlgButton : unsigned {
  mbYes = 1u << 0, mbNo = 1u << 1, mbOK = 1u << 2, mbCancel = 1u << 3, mbAbort = 1u << 4,
  mbRetry = 1u << 5, mbIgnore = 1u << 6,
};

// Modal results (the same numbers as IDOK to IDNO).
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

// Shows Message with Caption, centred on the screen, and returns the modal result.
int ShowDialogWithCaption(const std::string& caption, const std::string& message, MsgDlgType type, unsigned buttons);

// An error dialog with an OK button; an empty caption becomes "Error".
int ShowErrorDialog(const std::string& message, const std::string& caption = "");

}  // namespace pp::hostenv
