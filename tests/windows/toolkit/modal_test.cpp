// Modal show: the nested loop, the modal result, close query, owner windows, and exceptions
// that escape a handler while the loop runs.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/errors.h"
#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

// A dialog with OK and Cancel, owned by a plain window the toolkit did not make.
struct ModalFixture : ::testing::Test {
  HWND owner = nullptr;
  Owned<TForm> form;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;

  void SetUp() override {
    owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                            nullptr, nullptr, nullptr);
    form.reset(new TForm(nullptr));
    form->SetOwnerWindow(owner);
    form->SetBorderStyle(bsDialog);
    form->SetBounds(100, 100, 240, 120);
    ok = new TButton(form.get());
    ok->SetCaption("&OK");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->SetBounds(10, 50, 75, 25);
    ok->SetParent(form.get());
    cancel = new TButton(form.get());
    cancel->SetCaption("Cancel");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    cancel->SetBounds(100, 50, 75, 25);
    cancel->SetParent(form.get());
    HandledExceptions().clear();
  }
  void TearDown() override {
    form.reset();
    DestroyWindow(owner);
  }
  void ClickWithMouse(TWinControl* c) {
    PostMessageA(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(c->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
};

TEST_F(ModalFixture, ButtonModalResultEndsTheLoopAndOwnerIsDisabledMeanwhile) {
  bool owner_enabled_during = true;
  bool modal_during = false;
  TModalResult r = RunModal(*form, [&] {
    owner_enabled_during = IsWindowEnabled(owner);
    modal_during = form->FormState().Contains(fsModal);
    ClickWithMouse(ok);
  });
  EXPECT_EQ(r, mrOk);
  EXPECT_FALSE(owner_enabled_during) << "expected the owner disabled while the form is modal";
  EXPECT_TRUE(modal_during);
  EXPECT_TRUE(IsWindowEnabled(owner)) << "expected the owner enabled again afterwards";
  EXPECT_FALSE(form->FormState().Contains(fsModal));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), owner);
}

TEST_F(ModalFixture, CloseBoxAnswersCancel) {
  TModalResult r = RunModal(*form, [&] { PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(r, mrCancel);
}

TEST_F(ModalFixture, CloseQueryCanRefuseAndOnCloseSeesTheResult) {
  int queries = 0;
  std::vector<TModalResult> closed_with;
  form->OnCloseQuery = [&](TComponent*, bool& can_close) { can_close = ++queries > 1; };
  form->OnClose = [&](TComponent*, TCloseAction& action) { closed_with.push_back(form->ModalResult()); };
  bool still_modal_after_refusal = false;
  TModalResult r = RunModal(*form, {[&] { SendMessageA(cancel->Handle(), BM_CLICK, 0, 0); },
                                    [&] {
                                      still_modal_after_refusal = form->FormState().Contains(fsModal) &&
                                                                  form->ModalResult() == mrNone;
                                      SendMessageA(ok->Handle(), BM_CLICK, 0, 0);
                                    }});
  EXPECT_TRUE(still_modal_after_refusal) << "expected a refused close to keep the form open with no result";
  EXPECT_EQ(r, mrOk);
  EXPECT_EQ(queries, 2);
  EXPECT_EQ(closed_with, std::vector<TModalResult>{mrOk});
}

TEST_F(ModalFixture, ExceptionInAHandlerReachesTheApplicationAndTheLoopGoesOn) {
  ok->SetModalResult(mrNone);
  ok->OnClick = [](TComponent*) { Raise(EInvalidOperation("handler failed")); };
  int shown_after = -1;
  TModalResult r = RunModal(*form, {[&] { ClickWithMouse(ok); },
                                    [&] {
                                      shown_after = IsWindowVisible(form->Handle()) &&
                                                    form->FormState().Contains(fsModal);
                                      SendMessageA(cancel->Handle(), BM_CLICK, 0, 0);
                                    }});
  EXPECT_EQ(shown_after, 1) << "expected the form still modal after the exception";
  EXPECT_EQ(r, mrCancel);
  EXPECT_EQ(HandledExceptions(), std::vector<std::string>{"handler failed"});
}

TEST_F(ModalFixture, ShowModalOfAVisibleFormIsRefused) {
  form->Show();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(ModalFixture, QuitDuringTheLoopEndsItAndIsHandedBack) {
  TModalResult r = RunModal(*form, [] { PostQuitMessage(7); });
  EXPECT_EQ(r, mrCancel);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "expected WM_QUIT posted again for the caller";
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_FALSE(Application().Terminated());
}

TEST_F(ModalFixture, OnShowRunsBeforeTheWindowIsVisible) {
  int visible_in_on_show = -1;
  bool showing_flag = false;
  form->OnShow = [&](TComponent*) {
    visible_in_on_show = IsWindowVisible(form->Handle());
    showing_flag = form->FormState().Contains(fsShowing);
  };
  RunModal(*form, [&] { form->SetModalResult(mrAbort); });
  EXPECT_EQ(visible_in_on_show, 0);
  EXPECT_TRUE(showing_flag) << "expected fsShowing during OnShow";
  EXPECT_FALSE(form->FormState().Contains(fsShowing));
}

}  // namespace
}  // namespace pp::toolkit::testing
