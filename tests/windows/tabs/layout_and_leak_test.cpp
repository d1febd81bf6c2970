// Page controls from a layout (as the Status/Control dialog has them), and nothing leaks when
// page controls are made, drawn and freed again and again.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include "controls/tabs/tab_classes.h"
#include "layout/form_loader.h"
#include "tabs_fixture.h"

namespace pp::controls::testing {
namespace {

using namespace toolkit;

constexpr const char* kLayout = R"(object Form_Pages: TForm
  Left = 200
  Top = 200
  Width = 300
  Height = 240
  BorderStyle = bsNone
  object PageControl_Data: TWinXPPageControl
    Left = 8
    Top = 8
    Width = 200
    Height = 209
    ActivePage = TabSheet_Second
    TabOrder = 0
    object TabSheet_First: TWinXPTabSheet
      Caption = "Data Bit Outputs"
      object Button_Inside: TButton
        Left = 8
        Top = 8
        Width = 80
        Height = 20
        TabOrder = 0
      end
    end
    object TabSheet_Second: TWinXPTabSheet
      Caption = "Status Inputs"
    end
  end
end
)";

layout::ClassRegistry& Registry() {
  static layout::ClassRegistry r = [] {
    layout::ClassRegistry registry;
    layout::RegisterToolkitClasses(registry);
    layout::RegisterTabClasses(registry);
    return registry;
  }();
  return r;
}

TEST(PageLayoutReading, SheetsAttachAndTheLayoutsActivePageWins) {
  Owned<TForm> form(new TForm(nullptr));
  layout::ReadFormLayout(layout::DynamicRef(form.get()), kLayout, "Form_Pages", Registry());
  auto* pages = dynamic_cast<TWinXPPageControl*>(form->FindComponent("PageControl_Data"));
  auto* first = dynamic_cast<TWinXPTabSheet*>(form->FindComponent("TabSheet_First"));
  auto* second = dynamic_cast<TWinXPTabSheet*>(form->FindComponent("TabSheet_Second"));
  ASSERT_TRUE(pages && first && second);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->Pages(0), first);
  EXPECT_EQ(first->Parent(), pages);
  EXPECT_EQ(pages->ActivePage(), second);
  EXPECT_EQ(pages->TabIndex(), 1);
  EXPECT_FALSE(first->Visible());
  EXPECT_TRUE(second->Visible());
  EXPECT_EQ(first->Owner(), form.get());
  form->Show();
  Pump();
  EXPECT_TRUE(IsWindowVisible(second->Handle()));
  EXPECT_EQ(second->Left(), 4);
}

TEST(PageLayoutReading, ASheetOutsideAPageControlFailsTheLayout) {
  const char* bad = R"(object Form_Bad: TForm
  object TabSheet_Lost: TWinXPTabSheet
    Caption = "Lost"
  end
end
)";
  Owned<TForm> form(new TForm(nullptr));
  try {
    layout::ReadFormLayout(layout::DynamicRef(form.get()), bad, "Form_Bad", Registry());
    ADD_FAILURE() << "expected a read error";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("TWinXPTabSheet can be inserted only in TWinXPPageControl."), std::string::npos)
        << e.what();
  }
}

long WineGdiObjects() {
  const uint8_t* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));  // the TEB's ProcessEnvironmentBlock
  auto* table = *reinterpret_cast<const uint8_t* const*>(peb + 0x94);
  if (!table) return -1;
  long live = 0;
  for (int i = 0; i < 0x4000; ++i) live += table[i * 24 + 14] != 0;
  return live;
}

long GdiObjects() {
  long n = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  return n ? n : WineGdiObjects();
}

BOOL CALLBACK CountWindows(HWND w, LPARAM data) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "IME") != 0) ++*reinterpret_cast<long*>(data);
  return TRUE;
}

long ThreadWindows() {
  long n = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindows, reinterpret_cast<LPARAM>(&n));
  return n;
}

TEST(PageLeaks, MadeDrawnAndFreedLeavesNothing) {
  auto cycle = [](TabLook l) {
    LookScope look(l);
    PageForm f({"One", "Two", "Three", "Four", "Five", "Six"}, 160, 100);
    f.pages->SetVisibleTabIndex(4);
    f.pages->Tabs().Delete(1);
    Dib d(160, 100);
    SendMessageA(f.pages->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(d.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    RedrawWindow(f.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  for (TabLook l : {TabLook::Classic, TabLook::Luna, TabLook::Themed}) cycle(l);  // caches settle
  const long gdi = GdiObjects(), windows = ThreadWindows();
  for (int i = 0; i < 60; ++i) cycle(static_cast<TabLook>(i % 3));
  EXPECT_EQ(GdiObjects(), gdi);
  EXPECT_EQ(ThreadWindows(), windows);
}

}  // namespace
}  // namespace pp::controls::testing
