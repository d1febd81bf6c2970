// Page controls from a layout, as the Status/Control dialog has them.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/tabs/tab_classes.h"
#include "layout/form_loader.h"
#include "tab_fixture.h"

namespace pp::controls::tabtest {
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

}  // namespace
}  // namespace pp::controls::tabtest
