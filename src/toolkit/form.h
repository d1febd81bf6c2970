// Forms: top-level windows that hold controls, keep track of the focused control, route dialog
// keys, and show modally with a nested message loop.
//
// A form is made empty (the constructor) and then filled, in code or by a layout reader
// (BeginLoad, create and set up the components, EndLoad: Loaded runs once for each and then
// OnCreate fires). A form built in code calls DoCreate itself when it is complete.
#pragma once

#include <functional>

#include "toolkit/win_control.h"

namespace pp::toolkit {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = SetOf<TBorderIcon>;
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter,
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStateMember { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = SetOf<TFormStateMember>;
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrAll = mrNo + 1;
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;
constexpr TModalResult mrClose = mrYesToAll + 1;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  const char* ClassName() const override { return "TCustomForm"; }

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TWindowState WindowState() const { return window_state_; }
  void SetWindowState(TWindowState state);
  TFormState FormState() const { return form_state_; }

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);
  // The window that owns this form (it stays below it, and is disabled while it is modal).
  HWND OwnerWindow() const { return ParentWindow(); }
  void SetOwnerWindow(HWND owner) { SetParentWindow(owner); }

  // Shows the form and runs a message loop until ModalResult is set and CloseQuery agrees.
  // Every other window of the thread is disabled meanwhile. Answers the modal result.
  virtual TModalResult ShowModal();
  void Close();
  virtual bool CloseQuery();
  void Release();  // frees the form once the messages already queued are handled
  void DoCreate();  // fires OnCreate, once

  // Focus bookkeeping, called by the controls.
  virtual bool SetFocusedControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  void DefocusControl(TWinControl* control, bool removing);

  RECT ClientRect() const override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  std::function<void(TComponent* sender, TCloseAction& action)> OnClose;
  std::function<void(TComponent* sender, bool& can_close)> OnCloseQuery;

  void Dispatch(TMessage& m) override;

 protected:
  void BeforeDestruction() override;
  void Loaded() override;
  void CreateParams(TCreateParams& params) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  void CMShowingChanged(TMessage& m) override;
  void CMDialogKey(TMessage& m) override;
  virtual void WMClose(TMessage& m);
  virtual void WMActivate(TMessage& m);
  void WMSetFocus(TMessage& m) override;
  void MoveToPosition();
  void SetWindowFocus();
  // For forms that show themselves their own way.
  void IncludeFormState(TFormStateMember m) { form_state_.Include(m); }
  void ExcludeFormState(TFormStateMember m) { form_state_.Exclude(m); }

 private:
  void CloseModal();

  TFormBorderStyle border_style_ = bsSizeable;
  TBorderIcons border_icons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TWindowState window_state_ = wsNormal;
  TFormState form_state_;
  TModalResult modal_result_ = mrNone;
  TWinControl* active_control_ = nullptr;
  TWinControl* focused_control_ = nullptr;
  bool created_ = false;
};

// Called when a form is about to become visible, before the form's own showing (OnShow,
// positioning, ShowWindow). A hook that answers true has shown the form its own way and the
// form's handling is skipped. Answers the hook it replaces.
using FormShowingHook = bool (*)(TCustomForm* form);
FormShowingHook SetFormShowingHook(FormShowingHook hook);

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
  const char* ClassName() const override { return "TForm"; }
};

}  // namespace pp::toolkit
