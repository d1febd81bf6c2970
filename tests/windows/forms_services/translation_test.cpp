// Form texts through the host's translation manager while a layout is read, with the reader and
// the toolkit's real controls.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/form_services.h"
#include "forms/locale_fonts.h"
#include "forms/resource_translation.h"
#include "layout/form_loader.h"
#include "test_host.h"
#include "toolkit/form.h"
#include "toolkit/std_controls.h"

namespace pp::forms::test {
namespace {

using ::testing::ElementsAre;

// The form's layout name differs from its class: the section is the class name without the T.
constexpr char kLayout[] = R"(
object PortCheck: TForm
  Caption = "Port Check"
  object Label_Failed: TLabel
    Caption = "Failed To Load"
  end
  object Label_Quote: TLabel
    Caption = "It's"
  end
end
)";

class Translation : public ::testing::Test {
 protected:
  void SetUp() override {
    BindTestHost();
    Host().Reset();
    StartFormServices(false);
  }
  void TearDown() override { StopFormServices(); }

  // Reads the layout into a new form; the calls the host saw are in Host().calls.
  toolkit::Owned<toolkit::TForm> Read() {
    toolkit::Owned<toolkit::TForm> form(new toolkit::TForm(nullptr));
    layout::ClassRegistry classes;
    layout::RegisterToolkitClasses(classes);
    layout::ReadFormLayout(layout::DynamicRef(form.get()), kLayout, "PortCheck", classes);
    return form;
  }
  static toolkit::TLabel* Label(toolkit::TForm* form, const char* name) {
    return dynamic_cast<toolkit::TLabel*>(form->FindComponent(name));
  }
};

TEST_F(Translation, LocalizedDialogsTakeTheTranslationBySectionAndKey) {
  Host().localized_dialogs = true;
  Host().translations = {{{"Form", "Caption.'Port Check'"}, "Anschlusstest"},
                         {{"Label_Failed", "Caption.'Failed To Load'"}, "Laden fehlgeschlagen"},
                         {{"Label_Quote", "Caption.'It''s'"}, "C'est"}};
  auto form = Read();
  EXPECT_EQ(form->Caption(), "Anschlusstest");
  EXPECT_EQ(Label(form.get(), "Label_Failed")->Caption(), "Laden fehlgeschlagen");
  EXPECT_EQ(Label(form.get(), "Label_Quote")->Caption(), "C'est");
  EXPECT_EQ(Label(form.get(), "Label_Failed")->Hint(), "");
  EXPECT_THAT(Host().calls, ElementsAre("SetCurrentForm(Form)", "Translate(Form, Caption.'Port Check')",
                                        "Translate(Label_Failed, Caption.'Failed To Load')",
                                        "Translate(Label_Failed, Hint.'')", "Translate(Label_Quote, Caption.'It''s')",
                                        "Translate(Label_Quote, Hint.'')", "Translate(, Hint.'')", "SetCurrentForm()"));
}

TEST_F(Translation, OtherwiseCaptionsStayAndTheirTranslationsBecomeTooltips) {
  Host().translations = {{{"Label_Failed", "Caption.'Failed To Load'"}, "Laden fehlgeschlagen"},
                         {{"Label_Quote", "Hint.''"}, "A hint given by the translator"}};
  auto form = Read();
  toolkit::TLabel* failed = Label(form.get(), "Label_Failed");
  EXPECT_EQ(failed->Caption(), "Failed To Load");
  EXPECT_EQ(failed->Hint(), "Laden fehlgeschlagen");
  EXPECT_TRUE(failed->ShowHint());
  toolkit::TLabel* quote = Label(form.get(), "Label_Quote");
  EXPECT_EQ(quote->Caption(), "It's");
  EXPECT_EQ(quote->Hint(), "A hint given by the translator");
  EXPECT_TRUE(quote->ShowHint());
}

TEST_F(Translation, NoManagerTranslatesNothing) {
  Host().localized_dialogs = true;
  Host().translation_manager = false;
  auto form = Read();
  EXPECT_EQ(form->Caption(), "Port Check");
  EXPECT_EQ(Label(form.get(), "Label_Quote")->Hint(), "");
  EXPECT_TRUE(Host().calls.empty());
}

TEST_F(Translation, RefusingManagerFailsTheFormAndLeavesNoFormOpen) {
  Host().localized_dialogs = true;
  Host().fail_operation = "Translate";
  EXPECT_ANY_THROW(Read());
  EXPECT_EQ(FormReadingDepth(), 0) << "a failed read must not count as still reading";
  ASSERT_FALSE(Host().calls.empty());
  EXPECT_EQ(Host().calls.back(), "SetCurrentForm()") << "the host's current form is ended";
  // The next form reads normally.
  Host().Reset();
  Host().localized_dialogs = true;
  auto form = Read();
  EXPECT_EQ(form->Caption(), "Port Check");
  EXPECT_EQ(Host().calls.front(), "SetCurrentForm(Form)");
}

}  // namespace
}  // namespace pp::forms::test
