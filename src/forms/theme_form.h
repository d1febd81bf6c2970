// The window frame we draw ourselves in the emulated XP look (the look is asked for and the
// system draws no visual styles): caption band, borders, caption buttons.
#pragma once

namespace pp::forms {

class TServerDialog;

// Gives the dialog the drawn frame when the emulated XP look is in force; otherwise nothing.
void AttachThemedFrame(TServerDialog* dialog);

}  // namespace pp::forms
