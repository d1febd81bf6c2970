// The standard message dialog: an icon for the kind of message, the text, and a row of buttons,
// built as a toolkit form.
#pragma once

#include <string>

#include "toolkit/form.h"
#include "toolkit/std_controls.h"

namespace pp::toolkit {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = SetOf<TMsgDlgBtn>;

class TMessageForm : public TForm {
 public:
  explicit TMessageForm(TComponent* owner);
  const char* ClassName() const override { return "TMessageForm"; }
  TLabel* Message() const { return message_; }
  TImage* Image() const { return image_; }
  TButton* ButtonFor(TMsgDlgBtn button) const;  // nullptr when the dialog has none

 private:
  friend TMessageForm* CreateMessageDialog(const std::string&, TMsgDlgType, TMsgDlgButtons);
  TLabel* message_ = nullptr;
  TImage* image_ = nullptr;
};

// A new dialog (the caller frees it): captioned after the type ("Warning", "Error",
// "Information", "Confirm"; mtCustom: the application title), centred on the screen. The
// default button is OK, or else Yes; Esc answers Cancel, or else No, or else OK.
TMessageForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);

// Shows the dialog modally and answers the modal result.
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int help_context = 0);

}  // namespace pp::toolkit
