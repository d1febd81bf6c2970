// The page control and its sheets under Wine: layout per look, selection by mouse and keys,
// the owner's veto, the page list through its strings, focus, and the errors it raises.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tab_fixture.h"
#include "toolkit/errors.h"

namespace pp::controls::tabtest {
namespace {

using namespace toolkit;

TEST(PageLayout, EmptyControlHasAThinStripAndNoSelection) {
  PageForm f({});
  EXPECT_EQ(f.pages->TabsRect().bottom - f.pages->TabsRect().top, 2);
  EXPECT_EQ(f.pages->TabIndex(), -1);
  EXPECT_EQ(f.pages->ActivePage(), nullptr);
  EXPECT_FALSE(f.pages->ScrollButtons().Visible());
}

TEST(PageLayout, TabWidthFollowsTheCaption) {
  PageForm f({"a", "Data Bit Outputs"}, 300);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, f.pages->Font().Handle());
  SIZE s{};
  GetTextExtentPoint32A(dc, "Data Bit Outputs", 16, &s);
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_EQ(f.pages->Strip().TabWidth(0), 42) << "a narrow caption";
  EXPECT_EQ(f.pages->Strip().TabWidth(1), s.cx + 12);
}

TEST(PageScroll, ButtonsAppearAndNeverScrollPastTheLastTab) {
  std::vector<std::string> captions;
  for (int i = 0; i < 10; ++i) captions.push_back("Page " + std::to_string(i));
  PageForm f(captions, 160);
  TXPScrollButtons& buttons = f.pages->ScrollButtons();
  ASSERT_TRUE(buttons.Visible()) << "ten tabs in 160 pixels";
  EXPECT_TRUE(IsWindowVisible(buttons.Handle()));
  const int s = f.pages->TabsRect().bottom - f.pages->TabsRect().top - 4;
  EXPECT_EQ(buttons.Left(), 160 - 2 * s);
  EXPECT_EQ(buttons.Width(), 2 * s);
  int previous = -1;
  for (int i = 0; i < 12 && f.pages->FirstVisibleTab() != previous; ++i) {
    previous = f.pages->FirstVisibleTab();
    Click(buttons, buttons.Width() - 3, 3);  // forward
  }
  const int first = f.pages->FirstVisibleTab();
  EXPECT_GT(first, 0);
  EXPECT_LE(f.pages->TabRect(9).right, buttons.Left()) << "the last tab shows";
  Click(buttons, 2, 3);  // back
  EXPECT_EQ(f.pages->FirstVisibleTab(), first - 1);
  EXPECT_EQ(f.pages->TabIndex(), 0) << "scrolling does not select";

  // Widened until everything fits: the buttons go and the strip starts at the first tab again.
  f.pages->SetWidth(900);
  Pump();
  EXPECT_FALSE(buttons.Visible());
  EXPECT_EQ(f.pages->FirstVisibleTab(), 0);
}

TEST(PageSelection, ClicksKeysAndAccelerators) {
  PageForm f({"&One", "&Two", "T&hree"}, 300);
  int changes = 0;
  f.pages->OnChange = [&](TComponent*) { ++changes; };
  RECT r = f.pages->TabRect(1);
  Click(*f.pages, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]);
  EXPECT_TRUE(IsWindowVisible(f.sheets[1]->Handle()));
  EXPECT_FALSE(IsWindowVisible(f.sheets[0]->Handle())) << "the previous page is hidden";
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(GetFocus(), f.pages->Handle()) << "a click focuses the tab control";
  EXPECT_TRUE(SendMessageA(f.pages->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);

  struct Step {
    WPARAM key;
    bool ctrl, shift;
    int expected;
  } steps[] = {
      {VK_RIGHT, false, false, 2}, {VK_RIGHT, false, false, 2},  // Right on the last does nothing
      {VK_TAB, true, false, 0},                                  // Ctrl+Tab wraps to the first
      {VK_TAB, true, true, 2},                                   // Ctrl+Shift+Tab back, wrapping
      {VK_LEFT, false, false, 1}, {VK_LEFT, false, false, 0}, {VK_LEFT, false, false, 0},
  };
  for (const Step& s : steps) {
    PressKey(s.key, s.ctrl, s.shift);
    EXPECT_EQ(f.pages->TabIndex(), s.expected) << "key " << s.key << (s.ctrl ? " with Ctrl" : "")
                                               << (s.shift ? " and Shift" : "");
  }
  // Alt+H, the third tab's accelerator.
  f.form->Perform(CM_DIALOGCHAR, 'h', 0);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[2]);
}

TEST(PageSelection, HotTabFollowsTheMouse) {
  PageForm f({"One", "Two", "Three"}, 240, 100);
  RECT r = f.pages->TabRect(1);
  SendMessageA(f.pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, r.top + 4));
  EXPECT_EQ(f.pages->HotTab(), 1);
  EXPECT_EQ(f.pages->TabDetail(1), 23) << "a middle tab, hot";
  SendMessageA(f.pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 60));
  EXPECT_EQ(f.pages->HotTab(), -1) << "over the pane";
  SendMessageA(f.pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, r.top + 4));
  f.pages->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(f.pages->HotTab(), -1);
}

TEST(PageSelection, RightArrowStopsAtTheLastVisibleTab) {
  PageForm f({"One", "Two", "Three"}, 300);
  f.sheets[2]->SetTabVisible(false);
  Pump();
  f.pages->SetVisibleTabIndex(1);
  f.pages->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]) << "a hidden tab after the last visible one does not wrap";
}

TEST(PageSelection, AVetoKeepsEverything) {
  PageForm f({"One", "Two", "Three"}, 300);
  int asked = 0, changes = 0;
  f.pages->OnChanging = [&](TComponent*, bool& allow) {
    ++asked;
    allow = false;
  };
  f.pages->OnChange = [&](TComponent*) { ++changes; };
  const int first = f.pages->FirstVisibleTab();
  RECT r = f.pages->TabRect(2);
  Click(*f.pages, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  f.pages->SetFocus();
  PressKey(VK_TAB, true);
  EXPECT_GE(asked, 2);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(f.pages->TabIndex(), 0);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[0]);
  EXPECT_EQ(f.pages->FirstVisibleTab(), first);
  EXPECT_FALSE(IsWindowVisible(f.sheets[2]->Handle()));
}

TEST(PageSelection, ChangesFromTheOwnersHandlersAreIgnored) {
  PageForm f({"One", "Two", "Three"}, 300);
  int changes = 0;
  f.pages->OnChanging = [&](TComponent*, bool&) { f.pages->SetTabIndex(2); };
  f.pages->OnChange = [&](TComponent*) {
    ++changes;
    f.pages->SetTabIndex(0);
  };
  f.pages->SetVisibleTabIndex(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]) << "re-entrant requests from OnChanging and OnChange";
  EXPECT_EQ(f.pages->SelectedTab(), 1);
}

TEST(PageSelection, LoadingAppliesTheFirstRequestWithoutAskingOrTelling) {
  PageForm f({"One", "Two", "Three"}, 300);
  int asked = 0, changes = 0;
  f.pages->OnChanging = [&](TComponent*, bool&) { ++asked; };
  f.pages->OnChange = [&](TComponent*) { ++changes; };
  f.pages->BeginLoad();
  f.pages->SetActivePage(f.sheets[2]);
  f.pages->SetVisibleTabIndex(1);  // a later request while loading: ignored
  EXPECT_EQ(f.pages->SelectedTab(), 0) << "parked until loading ends";
  f.pages->EndLoad();
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[2]);
  EXPECT_EQ(f.pages->SelectedTab(), 2);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(changes, 0);
}

TEST(PageSelection, TheOnlyTabClickedChangesNothing) {
  PageForm f({"Data Bit Outputs"});
  int asked = 0, changes = 0;
  f.pages->OnChanging = [&](TComponent*, bool&) { ++asked; };
  f.pages->OnChange = [&](TComponent*) { ++changes; };
  RECT r = f.pages->TabRect(0);
  Click(*f.pages, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[0]);
}

TEST(PageSelection, PassFocusOnChangeFocusesTheFirstControlOfThePage) {
  PageForm f({"One", "Two"}, 300);
  auto* first = new TButton(f.form);
  first->SetBounds(4, 4, 60, 20);
  first->SetParent(f.sheets[1]);
  auto* second = new TButton(f.form);
  second->SetBounds(4, 30, 60, 20);
  second->SetParent(f.sheets[1]);
  f.pages->SetPassFocusOnChange(true);
  RECT r = f.pages->TabRect(1);
  Click(*f.pages, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]);
  EXPECT_EQ(GetFocus(), first->Handle());

  // Back to a page without controls: the page itself takes the focus.
  r = f.pages->TabRect(0);
  Click(*f.pages, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(GetFocus(), f.sheets[0]->Handle());
}

TEST(PageList, DeletingTheActivePageActivatesTheNextVisibleOne) {
  struct Case {
    int active, hidden, deleted;
    int expected;  // index of the page activated afterwards, among the original pages; -1 none
  } cases[] = {{1, -1, 1, 2}, {3, -1, 3, 0}, {1, 2, 1, 3}, {0, -1, 2, 3}};
  for (const Case& c : cases) {
    PageForm f({"A", "B", "C", "D"}, 300);
    if (c.hidden >= 0) f.sheets[c.hidden]->SetTabVisible(false);
    f.pages->SetActivePage(f.sheets[c.active]);
    TWinXPTabSheet* expected = c.expected >= 0 ? f.sheets[c.expected] : nullptr;
    f.pages->Tabs().Delete(c.deleted);
    Pump();
    EXPECT_EQ(f.pages->PageCount(), 3);
    EXPECT_EQ(f.pages->ActivePage(), expected) << "active " << c.active << ", deleted " << c.deleted;
    if (expected) {
      EXPECT_EQ(f.pages->SelectedTab(), f.pages->IndexOfPage(expected));
      EXPECT_TRUE(IsWindowVisible(expected->Handle()));
    }
  }
  PageForm one({"Only"});
  one.pages->Tabs().Delete(0);
  EXPECT_EQ(one.pages->ActivePage(), nullptr);
  EXPECT_EQ(one.pages->TabIndex(), -1);
}

TEST(PageList, StringsWriteThroughToThePages) {
  PageForm f({"A", "B"}, 300);
  TStrings& tabs = f.pages->Tabs();
  tabs.Insert(0, "First");
  ASSERT_EQ(f.pages->PageCount(), 3);
  TWinXPTabSheet* made = f.pages->Pages(0);
  EXPECT_EQ(made->Caption(), "First");
  EXPECT_EQ(made->Owner(), f.form) << "owned by the page control's owner";
  EXPECT_EQ(made->PageControl(), f.pages);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[0]) << "insertion keeps the active page";
  EXPECT_EQ(f.pages->SelectedTab(), 1);
  EXPECT_EQ(f.pages->TabRect(0).left, 2) << "the first tab";

  int tag = 7;
  tabs.PutObject(2, &tag);
  EXPECT_EQ(f.sheets[1]->TabData(), &tag);
  tabs.Put(2, "Bee");
  EXPECT_EQ(f.sheets[1]->Caption(), "Bee");
  EXPECT_EQ(tabs.Count(), 3);
  EXPECT_EQ(tabs.Get(2), "Bee");

  f.sheets[1]->SetPageIndex(0);
  EXPECT_EQ(f.pages->Pages(0), f.sheets[1]);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]) << "the moved page is selected";
  EXPECT_THROW(f.sheets[1]->SetPageIndex(-1), EListError);
  f.sheets[1]->SetPageIndex(99);
  EXPECT_EQ(f.sheets[1]->PageIndex(), 2);

  // Reordering through the strings moves the pages themselves, children and all.
  auto* child = new TButton(f.form);
  child->SetParent(f.sheets[0]);
  const std::vector<TWinXPTabSheet*> before{f.pages->Pages(0), f.pages->Pages(1), f.pages->Pages(2)};
  tabs.Move(0, 2);
  EXPECT_EQ(f.pages->Pages(2), before[0]);
  EXPECT_EQ(f.pages->Pages(0), before[1]);
  tabs.Exchange(0, 1);
  EXPECT_EQ(f.pages->Pages(0), before[2]);
  EXPECT_EQ(f.pages->Pages(1), before[1]);
  EXPECT_EQ(child->Parent(), f.sheets[0]) << "the page kept its controls";
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]) << "the active page stays active wherever it moves";

  tabs.Clear();
  EXPECT_EQ(f.pages->PageCount(), 0);
  EXPECT_EQ(f.pages->ActivePage(), nullptr);
  f.sheets.clear();
}

TEST(PageList, ImagesWidenTheTabsOfPagesThatShowOne) {
  PageForm f({"Data Bit Outputs", "Status Inputs"}, 300);
  const int plain = f.pages->Strip().TabWidth(0), plain1 = f.pages->Strip().TabWidth(1);
  TImageList images(16, 16);
  TBitmap strip;
  strip.SetSize(32, 16);
  images.AddMasked(strip, clFuchsia);
  f.pages->SetImages(&images);
  f.sheets[0]->SetImageIndex(1);
  f.sheets[1]->SetImageIndex(2);  // beyond the list
  ASSERT_EQ(images.Count(), 2);
  EXPECT_EQ(f.pages->Strip().TabWidth(0), plain + 18) << "the image's width and 2";
  EXPECT_EQ(f.pages->Strip().TabWidth(1), plain1) << "an image index beyond the list reserves nothing";
  f.pages->SetImages(nullptr);
  EXPECT_EQ(f.pages->Strip().TabWidth(0), plain);
}

TEST(PageList, HidingTheOnlyTabKeepsItsPage) {
  PageForm f({"Only"});
  f.sheets[0]->SetTabVisible(false);
  Pump();
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[0]);
  EXPECT_TRUE(IsWindowVisible(f.sheets[0]->Handle()));
  EXPECT_FALSE(f.sheets[0]->TabShowing());
  EXPECT_EQ(f.pages->TabIndex(), -1) << "no tab shows";
  EXPECT_EQ(f.pages->TabRect(0).right - f.pages->TabRect(0).left, 0);
}

TEST(PageList, AnotherControlsPageIsIgnored) {
  PageForm f({"A", "B"}, 300);
  auto* other = new TWinXPPageControl(f.form);
  other->SetBounds(0, 0, 100, 100);
  other->SetParent(f.form);
  auto* foreign = new TWinXPTabSheet(f.form);
  foreign->SetPageControl(other);
  f.pages->SetActivePage(foreign);
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[0]);
  EXPECT_EQ(foreign->PageControl(), other);

  // Moving a sheet between controls.
  f.sheets[1]->SetPageControl(other);
  EXPECT_EQ(f.pages->PageCount(), 1);
  EXPECT_EQ(other->PageCount(), 2);
  EXPECT_EQ(f.sheets[1]->Parent(), other);
}

TEST(PageWindow, ResizingKeepsOnlyWhatDoesNotMove) {
  PageForm f({"One"}, 200, 100);
  HWND w = f.pages->Handle();
  RECT window;
  GetWindowRect(w, &window);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&window), 2);
  NCCALCSIZE_PARAMS p{};
  WINDOWPOS pos{};
  p.lppos = &pos;
  p.rgrc[0] = RECT{window.left, window.top, window.left + 250, window.top + 100};  // wider
  p.rgrc[1] = window;
  p.rgrc[2] = RECT{window.left, window.top, window.right, window.bottom};
  const LRESULT r = SendMessageA(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
  EXPECT_EQ(r, WVR_VALIDRECTS);
  const int edge = f.pages->Strip().PaneEdgeBottom;
  EXPECT_EQ(p.rgrc[1].right - p.rgrc[1].left, 200 - edge) << "the pane's right edge is drawn anew";
  EXPECT_EQ(p.rgrc[1].bottom - p.rgrc[1].top, 100) << "the height did not change";
  EXPECT_EQ(f.pages->CachedWidth(), 250);
  EXPECT_EQ(f.pages->CachedHeight(), 100);
  // Put the cached size back as it is.
  SetWindowPos(w, nullptr, 0, 0, 201, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(w, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(f.pages->CachedWidth(), 200);
}

TEST(PageErrors, ForeignControlsAndSheetsOutOfPlace) {
  PageForm f({"A"});
  auto* button = new TButton(f.form);
  try {
    button->SetParent(f.pages);
    ADD_FAILURE() << "expected an error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "TButton can't be inserted into TWinXPPageControl.");
  }
  EXPECT_EQ(button->Parent(), nullptr);
  EXPECT_EQ(f.pages->ControlCount(), 2) << "the sheet and the scroll buttons";

  auto* sheet = new TWinXPTabSheet(f.form);
  try {
    sheet->SetParent(f.form);
    ADD_FAILURE() << "expected an error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "TWinXPTabSheet can be inserted only in TWinXPPageControl.");
  }
  EXPECT_EQ(sheet->Parent(), nullptr);
}

TEST(PageEvents, ShowAndHideWithAFailingHandler) {
  PageForm f({"A", "B"}, 300);
  std::vector<std::string> log;
  f.sheets[0]->OnHide = [&](TComponent*) { log.push_back("hide A"); };
  f.sheets[1]->OnShow = [&](TComponent*) {
    log.push_back("show B");
    throw std::runtime_error("show failed");
  };
  HandledExceptions().clear();
  f.pages->SetActivePage(f.sheets[1]);
  Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"show B", "hide A"}));
  EXPECT_EQ(HandledExceptions(), (std::vector<std::string>{"show failed"}));
  EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]) << "the change happened all the same";
}

}  // namespace
}  // namespace pp::controls::tabtest
