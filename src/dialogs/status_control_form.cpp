#include "dialogs/status_control_form.h"

#include <oleauto.h>

#include <string>

#include "base/errors.h"
#include "dialogs/status_control_dialog.h"
#include "layout/toolkit_classes.h"

namespace pp::dialogs {

using namespace toolkit;

namespace {

using Getter = HRESULT (STDMETHODCALLTYPE IParallelPort::*)(BYTE*);
using Setter = HRESULT (STDMETHODCALLTYPE IParallelPort::*)(BYTE);

struct Line {
  const char* box;
  Getter get;
  Setter set;  // none for the status inputs
};

// Each register's boxes in the order they are shown, refreshed and written.
constexpr Line kDataLines[8] = {
    {"CheckBox_D7", &IParallelPort::GetD7, &IParallelPort::SetD7},
    {"CheckBox_D6", &IParallelPort::GetD6, &IParallelPort::SetD6},
    {"CheckBox_D5", &IParallelPort::GetD5, &IParallelPort::SetD5},
    {"CheckBox_D4", &IParallelPort::GetD4, &IParallelPort::SetD4},
    {"CheckBox_D3", &IParallelPort::GetD3, &IParallelPort::SetD3},
    {"CheckBox_D2", &IParallelPort::GetD2, &IParallelPort::SetD2},
    {"CheckBox_D1", &IParallelPort::GetD1, &IParallelPort::SetD1},
    {"CheckBox_D0", &IParallelPort::GetD0, &IParallelPort::SetD0},
};
constexpr Line kStatusLines[8] = {
    {"CheckBox_Busy", &IParallelPort::GetBusy, nullptr},
    {"CheckBox_Ack", &IParallelPort::GetAck, nullptr},
    {"CheckBox_PaperOut", &IParallelPort::GetPaperOut, nullptr},
    {"CheckBox_SelectIn", &IParallelPort::GetSelectIn, nullptr},
    {"CheckBox_Error", &IParallelPort::GetError, nullptr},
    {"CheckBox_IRQ", &IParallelPort::GetIrq, nullptr},
    {"CheckBox_Reserved1", &IParallelPort::GetReserved1, nullptr},
    {"CheckBox_Reserved2", &IParallelPort::GetReserved2, nullptr},
};
constexpr Line kControlLines[8] = {
    {"CheckBox_UnUsed1", &IParallelPort::GetUnused1, &IParallelPort::SetUnused1},
    {"CheckBox_Unused2", &IParallelPort::GetUnused2, &IParallelPort::SetUnused2},
    {"CheckBox_EnableBidirectional", &IParallelPort::GetBidirectional, &IParallelPort::SetBidirectional},
    {"CheckBox_EnableIrqViaAck", &IParallelPort::GetIrqViaAck, &IParallelPort::SetIrqViaAck},
    {"CheckBox_SelectPrinter", &IParallelPort::GetSelectPrinter, &IParallelPort::SetSelectPrinter},
    {"CheckBox_InitializePrinter", &IParallelPort::GetInitializePrinter, &IParallelPort::SetInitializePrinter},
    {"CheckBox_AutoLineFeed", &IParallelPort::GetAutoLineFeed, &IParallelPort::SetAutoLineFeed},
    {"CheckBox_Strobe", &IParallelPort::GetStrobe, &IParallelPort::SetStrobe},
};

// A failed port operation ends the handler. The port left the reason as error information;
// that text is what the user is shown.
void Check(HRESULT status) {
  if (SUCCEEDED(status)) return;
  std::string message = "Catastrophic failure";
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) == S_OK && info) {
    BSTR description = nullptr;
    if (SUCCEEDED(info->GetDescription(&description)) && description && *description) {
      const int n = WideCharToMultiByte(CP_ACP, 0, description, -1, nullptr, 0, nullptr, nullptr);
      if (n > 1) {
        message.assign(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, 0, description, -1, message.data(), n, nullptr, nullptr);
        message.resize(static_cast<size_t>(n - 1));
      }
    }
    SysFreeString(description);
    info->Release();
  }
  Raise(EOSError(static_cast<unsigned long>(status), message));
}

void Refresh(IParallelPort* port, const TParallelPortForm::Boxes& boxes, const Line (&lines)[8]) {
  for (size_t i = 0; i < 8; ++i) {
    BYTE value = 0;
    Check((port->*lines[i].get)(&value));
    SetChecked(*boxes[i], value != 0);
  }
}

void Write(IParallelPort* port, const TParallelPortForm::Boxes& boxes, const Line (&lines)[8]) {
  for (size_t i = 0; i < 8; ++i) Check((port->*lines[i].set)(IsChecked(*boxes[i]) ? 1 : 0));
}

}  // namespace

TParallelPortForm::TParallelPortForm(TComponent* owner, IParallelPort* port) : TDialogBase(owner) {
  if (port) port->AddRef();
  port_ = win::ComPtr<IParallelPort>::Adopt(port);
}

TParallelPortForm::~TParallelPortForm() = default;  // the reference goes with port_

Owned<TParallelPortForm> TParallelPortForm::Create(IParallelPort* port) {
  if (!port) Raise(Exception("The Status/Control dialog needs a port"));
  Owned<TParallelPortForm> form(new TParallelPortForm(nullptr, port));
  ReadDialogLayout(*form, "TPARALLELPORTFORM");
  return form;
}

void TParallelPortForm::Loaded() {
  TDialogBase::Loaded();
  auto bind = [&](Boxes& boxes, const Line (&lines)[8]) {
    for (size_t i = 0; i < 8; ++i) boxes[i] = &RequiredComponent(*this, lines[i].box);
  };
  bind(data_, kDataLines);
  bind(status_, kStatusLines);
  bind(control_, kControlLines);
}

// Opens with the boxes as the layout has them; the port is not read until asked.
void TParallelPortForm::FormShow(TComponent*) {}

void TParallelPortForm::Button_UpdateDisplayClick(TComponent*) {
  Check(port_->ReadData());
  Check(port_->ReadStatus());
  Check(port_->ReadControl());
  UpdateDisplay();
}

void TParallelPortForm::UpdateDisplay() {
  // Setting a box fires its click; the handlers see Refreshing and leave the port alone. It is
  // lowered on every way out: a refresh that failed half-way must not leave the outputs dead.
  struct Guard {
    bool& flag;
    explicit Guard(bool& f) : flag(f) { flag = true; }
    ~Guard() { flag = false; }
  } guard(refreshing_);
  Refresh(port_.get(), data_, kDataLines);
  Refresh(port_.get(), status_, kStatusLines);
  Refresh(port_.get(), control_, kControlLines);
}

// Whichever box was toggled, all eight bits go to the port, then the register.
void TParallelPortForm::CheckBox_DataBitsClick(TComponent*) {
  if (refreshing_) return;
  Write(port_.get(), data_, kDataLines);
  Check(port_->WriteData());
}

void TParallelPortForm::CheckBox_ControlDataBitsClick(TComponent*) {
  if (refreshing_) return;
  Write(port_.get(), control_, kControlLines);
  Check(port_->WriteControl());
}

bool ShowParallelPortDialog(IParallelPort* port) {
  win::ComPtr<IParallelPort> hold;
  if (port) port->AddRef();
  hold = win::ComPtr<IParallelPort>::Adopt(port);
  Owned<TParallelPortForm> form = TParallelPortForm::Create(port);
  return form->ShowModal() == mrOk;
}

int ShowStatusControlDialog(IParallelPort* port) { return ShowParallelPortDialog(port) ? mrOk : mrCancel; }

}  // namespace pp::dialogs

namespace pp::layout {

template <>
const ClassInfo& ClassOf<dialogs::TParallelPortForm>() {
  using F = dialogs::TParallelPortForm;
  using E = toolkit::TNotifyEvent;
  static const ClassInfo info = ClassBuilder<F, toolkit::TForm>("TParallelPortForm")
                                    .Method<E>("FormShow", &F::FormShow)
                                    .Method<E>("Button_UpdateDisplayClick", &F::Button_UpdateDisplayClick)
                                    .Method<E>("CheckBox_DataBitsClick", &F::CheckBox_DataBitsClick)
                                    .Method<E>("CheckBox_ControlDataBitsClick", &F::CheckBox_ControlDataBitsClick)
                                    .Build();
  return info;
}

}  // namespace pp::layout
