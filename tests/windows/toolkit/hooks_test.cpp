// The points where the dialog framework changes the toolkit's behaviour module-wide: a handler in
// front of a control's window procedure, and the hooks for inserted controls, form showing and
// window DCs.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

TEST(WindowProc, AHandlerInFrontSeesEveryMessageAndPassesOn) {
  Owned<TForm> form(new TForm(nullptr));
  auto* probe = new Probe(form.get(), "P");
  probe->SetParent(form.get());
  std::vector<UINT> seen;
  TControl::TWndMethod previous = probe->WindowProc;
  probe->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_USER + 7) {
      m.Result = 42;  // taken here: the control never sees it
      return;
    }
    previous(m);
  };
  probe->SetText("new");  // Perform
  EXPECT_EQ(SendMessageA(probe->Handle(), WM_USER + 7, 0, 0), 42);  // the real window procedure
  SendMessageA(probe->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_TEXTCHANGED), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_SETTEXT)), seen.end());
  EXPECT_EQ(probe->Count(CM_TEXTCHANGED), 1) << "expected the control to get what was passed on";
  probe->WindowProc = previous;
  seen.clear();
  probe->SetText("again");
  EXPECT_TRUE(seen.empty());
}

std::vector<std::pair<TWinControl*, TControl*>> g_inserted;
void RecordInsert(TWinControl* parent, TControl* control) { g_inserted.emplace_back(parent, control); }

TEST(Hooks, InsertControlHookSeesEachControlJoiningAParent) {
  InsertControlHook old = SetInsertControlHook(&RecordInsert);
  Owned<TForm> form(new TForm(nullptr));
  auto* probe = new Probe(form.get(), "P");
  probe->SetParent(form.get());
  auto* label = new TLabel(form.get());
  label->SetParent(probe);
  EXPECT_EQ(SetInsertControlHook(old), &RecordInsert);
  const std::vector<std::pair<TWinControl*, TControl*>> expected{{form.get(), probe}, {probe, label}};
  EXPECT_EQ(g_inserted, expected);
  g_inserted.clear();
}

std::vector<TCustomForm*> g_shown_by_hook;
bool ShowQuietly(TCustomForm* form) {
  g_shown_by_hook.push_back(form);
  ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
  return true;
}

TEST(Hooks, FormShowingHookCanTakeOverTheShowing) {
  FormShowingHook old = SetFormShowingHook(&ShowQuietly);
  Owned<TForm> form(new TForm(nullptr));
  form->SetPosition(poScreenCenter);
  form->SetBounds(10, 10, 100, 80);
  int on_show = 0;
  form->OnShow = [&](TComponent*) { ++on_show; };
  form->Show();
  SetFormShowingHook(old);
  EXPECT_EQ(g_shown_by_hook, std::vector<TCustomForm*>{form.get()});
  EXPECT_EQ(on_show, 0) << "expected the form's own showing skipped";
  EXPECT_EQ(form->Left(), 10) << "expected no positioning by the form";
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  g_shown_by_hook.clear();
}

HDC g_print_dc = nullptr;
HDC PrintRedirect(HWND) { return g_print_dc; }

TEST(Hooks, WindowDCHookReplacesAndIsNotReleased) {
  Owned<TForm> form(new TForm(nullptr));
  Dib dib(10, 10);
  g_print_dc = dib.dc();
  WindowDCHook old = SetWindowDCHook(&PrintRedirect);
  {
    WholeWindowDC dc(form->Handle());
    EXPECT_EQ(dc.get(), dib.dc());
  }
  EXPECT_EQ(GetObjectType(dib.dc()), static_cast<DWORD>(OBJ_MEMDC)) << "expected the print DC still alive";
  g_print_dc = nullptr;  // a hook that answers nothing leaves the system's DC
  {
    WholeWindowDC dc(form->Handle());
    EXPECT_NE(dc.get(), nullptr);
    EXPECT_NE(dc.get(), dib.dc());
  }
  SetWindowDCHook(old);
}

}  // namespace
}  // namespace pp::toolkit::testing
