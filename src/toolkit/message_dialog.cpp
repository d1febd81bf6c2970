#include "toolkit/message_dialog.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/screen.h"

namespace pp::toolkit {

namespace {

struct ButtonInfo {
  TMsgDlgBtn button;
  const char* caption;
  const char* name;
  TModalResult result;
};

const ButtonInfo kButtons[] = {
    {mbYes, "&Yes", "Yes", mrYes},          {mbNo, "&No", "No", mrNo},
    {mbOK, "OK", "OK", mrOk},               {mbCancel, "Cancel", "Cancel", mrCancel},
    {mbAbort, "&Abort", "Abort", mrAbort},  {mbRetry, "&Retry", "Retry", mrRetry},
    {mbIgnore, "&Ignore", "Ignore", mrIgnore}, {mbAll, "&All", "All", mrAll},
    {mbNoToAll, "N&o to All", "NoToAll", mrNoToAll}, {mbYesToAll, "Yes to &All", "YesToAll", mrYesToAll},
    {mbHelp, "&Help", "Help", mrNone},
};

const char* CaptionFor(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    default: return nullptr;
  }
}

LPCSTR IconFor(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return IDI_EXCLAMATION;
    case mtError: return IDI_HAND;
    case mtInformation: return IDI_ASTERISK;
    case mtConfirmation: return IDI_QUESTION;
    default: return nullptr;
  }
}

}  // namespace

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) Font().SetLogFont(ncm.lfMessageFont);
}

TButton* TMessageForm::ButtonFor(TMsgDlgBtn button) const {
  for (const ButtonInfo& b : kButtons)
    if (b.button == button) return dynamic_cast<TButton*>(FindComponent(b.name));
  return nullptr;
}

TMessageForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
  constexpr int kMargin = 12, kSpacing = 10, kButtonWidth = 75, kButtonHeight = 25, kButtonGap = 8;
  auto* form = new TMessageForm(nullptr);
  try {
    const char* caption = CaptionFor(type);
    form->SetCaption(caption ? caption : Application().Title());

    int text_left = kMargin;
    if (LPCSTR icon = IconFor(type)) {
      form->image_ = new TImage(form);
      form->image_->SetName("Image");
      form->image_->Icon().LoadSystemIcon(icon);
      form->image_->SetBounds(kMargin, kMargin, 32, 32);
      form->image_->SetParent(form);
      text_left += 32 + kSpacing;
    }

    // The text wraps at half the screen width and keeps the height it needs.
    form->message_ = new TLabel(form);
    form->message_->SetName("Message");
    form->message_->SetShowAccelChar(false);
    form->message_->SetWordWrap(true);
    form->message_->SetBounds(text_left, kMargin, Screen().Width() / 2, 0);
    form->message_->SetCaption(message);
    form->message_->SetParent(form);
    {
      ClientDC screen(nullptr);
      SelectedObject font(screen.get(), form->Font().Handle());
      RECT r{0, 0, Screen().Width() / 2, 0};
      DrawTextA(screen.get(), message.c_str(), static_cast<int>(message.size()), &r,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
      form->message_->SetAutoSize(false);
      form->message_->SetBounds(text_left, kMargin, r.right, r.bottom);
    }

    std::vector<const ButtonInfo*> chosen;
    for (const ButtonInfo& b : kButtons)
      if (buttons.Contains(b.button)) chosen.push_back(&b);
    const int row_width = static_cast<int>(chosen.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int text_bottom = std::max(form->message_->Top() + form->message_->Height(),
                                     form->image_ ? kMargin + 32 : 0);
    const int client_width = std::max(text_left + form->message_->Width(), row_width) + kMargin;
    const int buttons_top = text_bottom + kSpacing + kMargin / 2;
    form->SetClientSize(client_width, buttons_top + kButtonHeight + kMargin);

    const TMsgDlgBtn default_button = buttons.Contains(mbOK) ? mbOK : mbYes;
    const TMsgDlgBtn cancel_button = buttons.Contains(mbCancel) ? mbCancel : buttons.Contains(mbNo) ? mbNo : mbOK;
    int x = (client_width - row_width) / 2;
    for (const ButtonInfo* b : chosen) {
      auto* button = new TButton(form);
      button->SetName(b->name);
      button->SetCaption(b->caption);
      button->SetModalResult(b->result);
      button->SetDefault(b->button == default_button);
      button->SetCancel(b->button == cancel_button);
      button->SetBounds(x, buttons_top, kButtonWidth, kButtonHeight);
      button->SetParent(form);
      if (b->button == mbHelp) button->OnClick = [](TComponent* sender) {
        if (auto* c = dynamic_cast<TControl*>(sender)) Application().HelpContext(GetParentForm(c)->HelpContext());
      };
      if (b->button == default_button) form->SetActiveControl(button);
      x += kButtonWidth + kButtonGap;
    }
    form->DoCreate();
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int help_context) {
  Owned<TMessageForm> form(CreateMessageDialog(message, type, buttons));
  form->SetHelpContext(help_context);
  return form->ShowModal();
}

}  // namespace pp::toolkit
