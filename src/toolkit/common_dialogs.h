// The system's standard dialogs as toolkit components: file open and font. Each runs with the
// toolkit's own hook procedure, owned by the window the caller gives (or the active form).
// Hook points let the dialog framework place them: one replaces Execute(), one sees every
// message of the hook procedure first, one sees the font dialog's messages after its own
// handling.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/component.h"
#include "toolkit/graphics.h"

namespace pp::toolkit {

class TCommonDialog : public TComponent {
 public:
  using TComponent::TComponent;
  const char* ClassName() const override { return "TCommonDialog"; }
  // Shows the dialog modally, owned by the active form's window (or the active window);
  // answers whether the user confirmed it. With an execute hook installed, the hook runs it.
  bool Execute();
  // Shows the dialog owned by `parent`.
  virtual bool Execute(HWND parent) = 0;
  HWND Handle() const { return handle_; }  // the dialog's window while it is open

  // The toolkit's hook procedure of every standard dialog it shows.
  static UINT_PTR CALLBACK DialogHook(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

 protected:
  // The dialog's own handling of a hook message (after the message hook had its turn).
  virtual UINT_PTR HookMessage(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  HWND handle_ = nullptr;
};

class TOpenDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  const char* ClassName() const override { return "TOpenDialog"; }
  using TCommonDialog::Execute;
  bool Execute(HWND parent) override;

  std::string FileName;
  std::string Filter;  // "Text files (*.txt)|*.txt|All files|*.*"
  int FilterIndex = 1;
  std::string InitialDir;
  std::string Title;
  std::string DefaultExt;
  DWORD Options = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
};

class TFontDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  const char* ClassName() const override { return "TFontDialog"; }
  using TCommonDialog::Execute;
  bool Execute(HWND parent) override;
  TFont& Font() { return font_; }

 protected:
  UINT_PTR HookMessage(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  TFont font_;
};

// Replaces TCommonDialog::Execute(): the hook shows `dialog` its own way (normally through
// Execute(HWND)) and answers its result. Answers the hook it replaces.
using CommonDialogExecuteHook = bool (*)(TCommonDialog& dialog);
CommonDialogExecuteHook SetCommonDialogExecuteHook(CommonDialogExecuteHook hook);

// Sees every message of a standard dialog's hook procedure first; answering true (with
// `result` set) keeps it from the dialog's own handling. Answers the hook it replaces.
using CommonDialogMessageHook = bool (*)(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR& result);
CommonDialogMessageHook SetCommonDialogMessageHook(CommonDialogMessageHook hook);

// Sees every message of the font dialog after its own handling. Answers the hook it replaces.
using FontDialogMessageHook = void (*)(TFontDialog& dialog, HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
FontDialogMessageHook SetFontDialogMessageHook(FontDialogMessageHook hook);

}  // namespace pp::toolkit
