// Windowed controls: lazy windows, message dispatch to handlers, the toolkit notifications and
// their propagation from parent to children.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/errors.h"
#include "toolkit_fixture.h"

namespace pp::toolkit::testing {
namespace {

TEST(WindowedControl, WindowIsMadeWhenFirstNeededAndChildrenFollowTheParent) {
  Owned<TForm> form(new TForm(nullptr));
  auto* panel = new Probe(form.get(), "Panel");
  panel->SetParent(form.get());
  auto* inner = new Probe(form.get(), "Inner");
  inner->SetParent(panel);
  EXPECT_FALSE(form->HandleAllocated()) << "expected no window before one is needed";
  HWND wnd = inner->Handle();
  ASSERT_TRUE(IsWindow(wnd));
  EXPECT_EQ(GetParent(wnd), panel->Handle());
  EXPECT_EQ(GetParent(panel->Handle()), form->Handle());
  EXPECT_EQ(FindControl(wnd), inner);
  form.reset();
  EXPECT_FALSE(IsWindow(wnd)) << "expected the child window destroyed with the form";
}

TEST(WindowedControl, RecreatedWindowKeepsTheObjectAndItsChildren) {
  Owned<TForm> form(new TForm(nullptr));
  auto* probe = new Probe(form.get(), "P");
  probe->SetParent(form.get());
  form->Show();
  HWND before = form->Handle();
  HWND child_before = probe->Handle();
  form->SetBorderStyle(bsDialog);  // a style change needs a new window
  EXPECT_NE(form->Handle(), before);
  EXPECT_FALSE(IsWindow(child_before));
  ASSERT_TRUE(probe->HandleAllocated()) << "expected the child's window made again";
  EXPECT_EQ(GetParent(probe->Handle()), form->Handle());
  EXPECT_TRUE(IsWindowVisible(probe->Handle()));
  EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST(WindowedControl, StateChangesSendTheirNotices) {
  Owned<TForm> form(new TForm(nullptr));
  auto* probe = new Probe(form.get(), "P");
  probe->SetParent(form.get());
  form->Show();
  struct Case {
    const char* what;
    std::function<void()> change;
    UINT notice;
  } cases[] = {
      {"SetEnabled(false)", [&] { probe->SetEnabled(false); }, CM_ENABLEDCHANGED},
      {"SetText", [&] { probe->SetText("x"); }, CM_TEXTCHANGED},
      {"Font().SetName", [&] { probe->Font().SetName("Tahoma"); }, CM_FONTCHANGED},
      {"SetColor", [&] { probe->SetColor(clYellow); }, CM_COLORCHANGED},
      {"SetVisible(false)", [&] { probe->SetVisible(false); }, CM_SHOWINGCHANGED},
  };
  for (const Case& c : cases) {
    probe->notices.clear();
    c.change();
    EXPECT_EQ(probe->Count(c.notice), 1) << c.what << ": expected one notice 0x" << std::hex << c.notice;
  }
  EXPECT_FALSE(IsWindowEnabled(probe->Handle()));
  EXPECT_FALSE(IsWindowVisible(probe->Handle()));
  char text[8] = {};
  GetWindowTextA(probe->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "x");
  probe->notices.clear();
  probe->SetText("x");  // unchanged
  EXPECT_EQ(probe->Count(CM_TEXTCHANGED), 0) << "expected no notice for an unchanged text";
}

TEST(WindowedControl, ParentFontAndColourReachOnlyChildrenThatFollowThem) {
  Owned<TForm> form(new TForm(nullptr));
  auto* follower = new Probe(form.get(), "Follower");
  follower->SetParent(form.get());
  follower->SetParentColor(true);
  auto* own = new Probe(form.get(), "Own");
  own->SetParent(form.get());
  own->Font().SetName("Courier New");  // clears ParentFont
  EXPECT_FALSE(own->ParentFont());
  form->Font().SetName("Tahoma");
  form->Font().SetHeight(-15);
  form->SetColor(clAqua);
  EXPECT_EQ(follower->Font().Name(), "Tahoma");
  EXPECT_EQ(follower->Font().Height(), -15);
  EXPECT_TRUE(follower->ParentFont()) << "expected a font taken from the parent to keep ParentFont";
  EXPECT_EQ(follower->Color(), clAqua);
  EXPECT_EQ(own->Font().Name(), "Courier New");
  EXPECT_NE(own->Color(), clAqua);
}

TEST(WindowedControl, ParentIsToldOfControlsJoiningAndLeaving) {
  struct Watcher : TForm {
    using TForm::TForm;
    std::vector<std::pair<UINT, LPARAM>> seen;
    void Dispatch(TMessage& m) override {
      if (m.Msg == CM_CONTROLCHANGE || m.Msg == CM_CONTROLLISTCHANGE) seen.emplace_back(m.Msg, m.LParam);
      TForm::Dispatch(m);
    }
  };
  Owned<Watcher> form(new Watcher(nullptr));
  auto* probe = new Probe(form.get(), "P");
  probe->SetParent(form.get());
  probe->SetParent(nullptr);
  const std::vector<std::pair<UINT, LPARAM>> expected{
      {CM_CONTROLLISTCHANGE, 1}, {CM_CONTROLCHANGE, 1}, {CM_CONTROLCHANGE, 0}, {CM_CONTROLLISTCHANGE, 0}};
  EXPECT_EQ(form->seen, expected);
  probe->Free();
}

TEST(WindowedControl, CommandIsReflectedToTheButtonThatSentIt) {
  Owned<TForm> form(new TForm(nullptr));
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  int clicks = 0;
  button->OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  };
  form->Show();
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);  // the system button sends WM_COMMAND to its parent
  EXPECT_EQ(clicks, 1);
  // A command from a window the toolkit did not make goes to the default handling, not to a child.
  HWND foreign = CreateWindowA("BUTTON", "f", WS_CHILD, 0, 0, 10, 10, form->Handle(), nullptr, nullptr, nullptr);
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(foreign));
  EXPECT_EQ(clicks, 1);
}

TEST(WindowedControl, AlignmentFillsTheClientAreaInOrder) {
  Owned<TForm> form(new TForm(nullptr));
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 200, 100);
  auto* top = new Probe(form.get(), "Top");
  top->SetHeight(10);
  top->SetAlign(alTop);
  top->SetParent(form.get());
  auto* bottom = new Probe(form.get(), "Bottom");
  bottom->SetHeight(20);
  bottom->SetAlign(alBottom);
  bottom->SetParent(form.get());
  auto* client = new Probe(form.get(), "Client");
  client->SetAlign(alClient);
  client->SetParent(form.get());
  form->Show();
  auto bounds = [](TControl* c) {
    RECT r = c->BoundsRect();
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom);
  };
  EXPECT_EQ(bounds(top), "0,0,200,10");
  EXPECT_EQ(bounds(bottom), "0,80,200,100");
  EXPECT_EQ(bounds(client), "0,10,200,80");
  form->SetBounds(0, 0, 300, 150);
  EXPECT_EQ(bounds(client), "0,10,300,130") << "expected client alignment to follow a resize";
  RECT r;
  GetWindowRect(client->Handle(), &r);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.bottom, 130) << "expected the window moved with the object";
}

TEST(WindowedControl, TabOrderFromALayoutHoldsWhateverTheSequence) {
  Owned<TForm> form(new TForm(nullptr));
  form->BeginLoad();
  // As a layout gives them: out of order, some before the parent is known.
  const struct {
    const char* name;
    int order;
    bool parent_first;
  } items[] = {{"A", 2, true}, {"B", 0, false}, {"C", 1, true}, {"D", 3, false}};
  for (const auto& it : items) {
    auto* p = new Probe(form.get(), it.name);
    p->BeginLoad();
    if (it.parent_first) p->SetParent(form.get());
    p->SetTabOrder(it.order);
    if (!it.parent_first) p->SetParent(form.get());
  }
  form->EndLoad();
  auto tab_sequence = [&] {
    std::string order;
    TWinControl* c = nullptr;
    for (int i = 0; i < 4; ++i) {
      c = form->FindNextControl(c, true, true, false);
      if (c) order += c->Name();
    }
    return order;
  };
  form->Show();
  EXPECT_EQ(tab_sequence(), "BCAD");
  // Set in code afterwards: the control moves and the others close up.
  static_cast<TWinControl*>(form->FindComponent("D"))->SetTabOrder(0);
  EXPECT_EQ(tab_sequence(), "DBCA");
  EXPECT_EQ(static_cast<TWinControl*>(form->FindComponent("A"))->TabOrder(), 3);
}

TEST(WindowedControl, BorderWidthKeepsAlignedChildrenInside) {
  Owned<TForm> form(new TForm(nullptr));
  auto* sheet = new Probe(form.get(), "Sheet");
  sheet->SetBounds(0, 0, 100, 60);
  sheet->SetParent(form.get());
  auto* inner = new Probe(form.get(), "Inner");
  inner->SetAlign(alClient);
  inner->SetParent(sheet);
  sheet->SetBorderWidth(5);
  RECT r = inner->BoundsRect();
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.top, 5);
  EXPECT_EQ(r.right, 95);
  EXPECT_EQ(r.bottom, 55);
}

TEST(WindowedControl, ControlWithoutParentWindowCannotMakeOne) {
  Owned<Probe> orphan(new Probe(nullptr, "Orphan"));
  EXPECT_THROW(orphan->Handle(), EInvalidOperation);
}

}  // namespace
}  // namespace pp::toolkit::testing
