#include "layout/layout_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "layout/read_error.h"
#include "layout/reader_hooks.h"
#include "sample_classes.h"

namespace pp::layout {
namespace {

using sample::Button;
using sample::CheckBox;
using sample::Control;
using sample::DialogForm;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class LayoutReader : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.classes = &registry_;
    live_before_ = sample::Component::live;
  }
  void Read(const std::string& text) { ReadLayoutText(text, Ref(form_.get()), model_, "TTestForm", options_); }
  template <class T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(form_->Find(name));
  }

  ClassRegistry registry_ = sample::MakeRegistry();
  ReadOptions options_;
  sample::Model model_;
  std::unique_ptr<DialogForm> form_ = std::make_unique<DialogForm>(nullptr);
  int live_before_ = 0;
};

const char kForm[] = R"(object TestForm: TDialogForm
  Caption = "Test"
  ActiveControl = Button1          // a reference to a component read later
  OnShow = FormShow
  object Panel1: TPanel
    Align = alBottom
    object Button1: TButton
      Left = 8
      ModalResult = mrOk
      OnClick = Button_UpdateDisplayClick
    end
  end
  object Box: TCheckBox
    Checked = True
  end
end
)";

TEST_F(LayoutReader, BuildsOwnedComponentsParentedAsNested) {
  Read(kForm);
  EXPECT_EQ(form_->Name(), "TestForm");
  EXPECT_EQ(form_->caption, "Test");
  ASSERT_EQ(form_->Owned().size(), 3u);  // creation order, all owned by the form
  EXPECT_EQ(form_->Owned()[0]->Name(), "Panel1");
  EXPECT_EQ(form_->Owned()[1]->Name(), "Button1");
  EXPECT_EQ(form_->Owned()[2]->Name(), "Box");
  auto* panel = Find<sample::Panel>("Panel1");
  auto* button = Find<Button>("Button1");
  ASSERT_TRUE(panel && button);
  EXPECT_EQ(panel->Parent(), form_.get());
  EXPECT_EQ(button->Parent(), panel);
  EXPECT_EQ(Find<CheckBox>("Box")->Parent(), form_.get());
  EXPECT_EQ(panel->align, sample::alBottom);
  EXPECT_EQ(button->left, 8);
  EXPECT_EQ(button->modal_result, 1);
  EXPECT_TRUE(Find<CheckBox>("Box")->checked);
  EXPECT_EQ(form_->active_control, button);

  // Events call the form's methods.
  ASSERT_TRUE(form_->on_show && button->on_click);
  form_->on_show(form_.get());
  button->on_click(button);
  EXPECT_THAT(form_->calls, ElementsAre("FormShow", "Button_UpdateDisplayClick"));

  // Loaded once each, after everything was read and resolved.
  EXPECT_THAT(model_.loaded, ElementsAre("Panel1", "Button1", "Box", "TestForm"));
  EXPECT_EQ(button->loaded_count, 1);
}

TEST_F(LayoutReader, SetsEveryPropertyKind) {
  options_.ansi_from_utf8 = [](std::string_view utf8) { return "<" + std::string(utf8) + ">"; };
  Read(R"(object TestForm: TDialogForm
  object L: TLabel
    Left = -5
    Color = clBtnFace
    Font.Color = 0x00FF8000
    Font.Charset = SHIFTJIS_CHARSET
    Font.Style = [fsBold, fsUnderline]
    Font.Name = "MS Sans Serif"
    Caption = "Caf\u00e9"
    WideText = "\u20AC \xC3\xA9"
    Lines = ("one" "two")
    AutoSize = false
    Layout = TLCENTER
    Visible = FALSE
  end
  object P: TPageControl
    ActivePage = S
    object S: TTabSheet end
  end
end
)");
  auto* label = Find<sample::Label>("L");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->left, -5);
  EXPECT_EQ(static_cast<std::uint32_t>(label->color), 0xFF00000Fu);
  EXPECT_EQ(label->font.color, 0x00FF8000);
  EXPECT_EQ(label->font.charset, 128);
  EXPECT_EQ(label->font.style.bits, 0b101u);
  EXPECT_EQ(label->font.name, "<MS Sans Serif>");
  EXPECT_EQ(label->caption, "<Caf\xC3\xA9>");
  EXPECT_EQ(label->wide_text, u"\u20AC \u00E9");  // wide strings skip the 8-bit conversion
  EXPECT_THAT(label->lines, ElementsAre("<one>", "<two>"));
  EXPECT_FALSE(label->auto_size);
  EXPECT_EQ(label->layout, sample::tlCenter);
  EXPECT_FALSE(label->visible);
  EXPECT_EQ(Find<sample::PageControl>("P")->active_page, Find<sample::TabSheet>("S"));
}

TEST_F(LayoutReader, AReferenceToNilClearsIt) {
  form_->active_control = form_.get();
  Read("object TestForm: TDialogForm\n  ActiveControl = nil\nend\n");
  EXPECT_EQ(form_->active_control, nullptr);
}

TEST_F(LayoutReader, FaultsLeaveNoComponentBehind) {
  struct Case {
    const char* body;  // inside the form, from line 2 on
    int line;
    const char* problem;
  };
  const Case cases[] = {
      {"  object B: TNoSuchClass\n  end\n", 2, "class TNoSuchClass is not registered"},
      {"  object B: TButton\n    Captoin = \"x\"\n  end\n", 3, "\"Captoin\" is not a property of B (TButton)"},
      {"  object B: TButton\n    Font.Nmae = \"x\"\n  end\n", 3, "\"Font.Nmae\" is not a property"},
      {"  object B: TButton\n    Left = \"8\"\n  end\n", 3, "\"Left\" (integer) needs a number, not a string"},
      {"  object B: TButton\n    Left = 3000000000\n  end\n", 3, "B.Left: 3000000000 is out of range"},
      {"  object B: TButton\n    Align = alMiddle\n  end\n", 3, "\"alMiddle\" is not a TAlign"},
      {"  object B: TButton\n    Visible = Yes\n  end\n", 3, "needs True or False"},
      {"  object B: TButton\n    Font.Style = [fsHuge]\n  end\n", 3, "\"fsHuge\" is not a TFontStyle"},
      {"  object B: TButton\n    Color = clPlaid\n  end\n", 3, "\"clPlaid\" is not a value of \"Color\""},
      {"  object B: TButton\n    Color = 0x100000000\n  end\n", 3, "does not fit in 32 bits"},
      {"  object B: TButton\n    ModalResult = mrMaybe\n  end\n", 3, "\"mrMaybe\" is not a value"},
      {"  object B: TButton\n    Font = \"Arial\"\n  end\n", 3, "\"Font\" is an object"},
      {"  object B: TButton\n    OnClick = NoSuchHandler\n  end\n", 3, "method NoSuchHandler is not published by TDialogForm"},
      {"  object B: TButton\n  end\n  object b: TButton\n  end\n", 4, "a component named b already exists"},
      {"  object B: TButton\n  end\n  ActiveControl = Nobody\n", 4, "names Nobody, which does not exist"},
      {"  object P: TPageControl\n    ActivePage = B\n  end\n  object B: TButton\n  end\n", 3,
       "P.ActivePage: the component named is not of the kind"},
      {"  object B: TLabel\n    Lines = (\"a\" 1)\n  end\n", 3, "holds strings only"},
      {"  object B: TButton\n    object C: TButton\n      Left = x\n    end\n  end\n", 4, "\"x\" is not a value of \"Left\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    form_ = std::make_unique<DialogForm>(nullptr);
    try {
      Read(std::string("object TestForm: TDialogForm\n") + c.body + "end\n");
      ADD_FAILURE() << "expected a read error";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Line(), c.line) << e.what();
      EXPECT_THAT(e.what(), HasSubstr(c.problem));
      EXPECT_THAT(e.what(), HasSubstr("TTestForm, line "));
    }
    EXPECT_TRUE(form_->Owned().empty());
    EXPECT_TRUE(form_->children.empty());
    EXPECT_EQ(sample::Component::live, live_before_);
  }
}

TEST_F(LayoutReader, RefusesALayoutForAnotherClass) {
  auto plain = std::make_unique<sample::Form>(nullptr);
  try {
    ReadLayoutText("object F: TDialogForm\nend\n", Ref(plain.get()), model_, "TF", options_);
    ADD_FAILURE() << "expected a read error";
  } catch (const EReadError& e) {
    EXPECT_THAT(e.what(), HasSubstr("TF, line 1: the layout is for class TDialogForm, not TForm"));
  }
  // A class name the registry does not know is matched against the root's own class chain.
  EXPECT_NO_THROW(ReadLayoutText("object F: TControl\nend\n", Ref(plain.get()), model_, "TF", options_));
}

// A setter that throws (the component refuses the value) fails the read at that line.
TEST_F(LayoutReader, ComponentErrorsBecomeReadErrorsAtTheLine) {
  static const ClassInfo refusing = ClassBuilder<CheckBox, Control>("TRefusing")
                                        .Property("Checked", nullptr, [](CheckBox&, bool) {
                                          Raise(Exception("checking is not allowed here"));
                                        })
                                        .Creatable<sample::Component>()
                                        .Build();
  registry_.Register(refusing);
  try {
    Read("object TestForm: TDialogForm\n  object A: TButton end\n  object R: TRefusing\n    Checked = True\n  end\nend\n");
    ADD_FAILURE() << "expected a read error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Line(), 4);
    EXPECT_THAT(e.what(), HasSubstr("R.Checked: checking is not allowed here"));
  }
  EXPECT_EQ(sample::Component::live, live_before_);
}

// Records what the reader tells its hooks.
class RecordingHooks : public ReaderHooks {
 public:
  std::vector<std::string> log;
  int depth = 0;

  void BeforeReadData(const ReadContext& c) override {
    ++depth;
    log.push_back("before " + std::string(c.component_name) + (c.root ? "" : " (no owner)"));
  }
  void AfterReadData(const ReadContext& c, bool failed) override {
    --depth;
    log.push_back("after " + std::string(c.component_name) + (failed ? " failed" : ""));
  }
  std::string ReadString(const ReadContext& c, std::string text) override {
    log.push_back("string " + std::string(c.property_path) + " of " + Name(c.component) + " = " + text);
    return text == "translate me" ? "translated" : text;
  }
  std::u16string ReadWideString(const ReadContext& c, std::u16string text) override {
    log.push_back("wide " + std::string(c.property_path) + " of " + Name(c.component));
    return text + u"!";
  }
  void ComponentInserted(ObjectRef owner, ObjectRef component) override {
    log.push_back("insert " + Name(component) + " into " + Name(owner));
  }
  void ControlInserted(ObjectRef parent, ObjectRef control) override {
    log.push_back("parent " + Name(control) + " on " + Name(parent));
  }
  static std::string Name(ObjectRef c) {
    std::string n = c.As<sample::Component>()->Name();
    return n.empty() ? "(unnamed)" : n;
  }
};

TEST_F(LayoutReader, HooksSeeEachComponentStringAndInsertion) {
  RecordingHooks hooks;
  {
    ScopedReaderHooks installed(hooks);
    Read(R"(object TestForm: TDialogForm
  Caption = "translate me"
  object Panel1: TPanel
    Font.Name = "Tahoma"
    object L: TLabel
      WideText = "w"
    end
  end
end
)");
  }
  EXPECT_THAT(hooks.log, ElementsAre("before TestForm", "string Caption of TestForm = translate me",
                                     "insert (unnamed) into TestForm", "parent Panel1 on TestForm", "before Panel1",
                                     "string Font.Name of Panel1 = Tahoma", "insert (unnamed) into TestForm",
                                     "parent L on Panel1", "before L", "wide WideText of L", "after L", "after Panel1",
                                     "after TestForm"));
  EXPECT_EQ(form_->caption, "translated");
  EXPECT_EQ(Find<sample::Label>("L")->wide_text, u"w!");
  EXPECT_EQ(InstalledReaderHooks(), nullptr);
}

TEST_F(LayoutReader, AfterHooksRunWhenReadingFails) {
  RecordingHooks hooks;
  ScopedReaderHooks installed(hooks);
  EXPECT_THROW(Read("object TestForm: TDialogForm\n  object P: TPanel\n    Left = bad\n  end\nend\n"), EReadError);
  EXPECT_EQ(hooks.depth, 0);
  EXPECT_THAT(hooks.log, ElementsAre("before TestForm", "insert (unnamed) into TestForm", "parent P on TestForm",
                                     "before P", "after P failed", "after TestForm failed"));
}

TEST_F(LayoutReader, AStandaloneReadHasNoOwnerForTheHooks) {
  RecordingHooks hooks;
  ScopedReaderHooks installed(hooks);
  options_.standalone = true;
  Read("object TestForm: TDialogForm\nend\n");
  EXPECT_THAT(hooks.log, ElementsAre("before TestForm (no owner)", "after TestForm"));
}

TEST(ReaderHooks, InstallingAnswersThePreviousHooks) {
  struct Counting : ReaderHooks {
    int inserted = 0;
    void ComponentInserted(ObjectRef, ObjectRef) override { ++inserted; }
  } first, second;
  EXPECT_EQ(InstallReaderHooks(&first), nullptr);
  {
    ScopedReaderHooks scoped(second);
    EXPECT_EQ(InstalledReaderHooks(), &second);
    NotifyComponentInserted({}, {});
  }
  EXPECT_EQ(InstalledReaderHooks(), &first);
  EXPECT_EQ(InstallReaderHooks(nullptr), &first);
  NotifyComponentInserted({}, {});  // nothing installed: nobody is told
  EXPECT_EQ(first.inserted, 0);
  EXPECT_EQ(second.inserted, 1);
}

TEST(Utf16FromUtf8, DecodesAndReplacesMalformedSequences) {
  EXPECT_EQ(Utf16FromUtf8("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"A\u00E9\u20AC\U0001F600");
  EXPECT_EQ(Utf16FromUtf8("\xFF"), u"\uFFFD");
  EXPECT_EQ(Utf16FromUtf8("\xC3"), u"\uFFFD");             // cut short
  EXPECT_EQ(Utf16FromUtf8("\xC0\x80"), u"\uFFFD");          // overlong
  EXPECT_EQ(Utf16FromUtf8("\xED\xA0\x80x"), u"\uFFFDx");    // surrogate
  EXPECT_EQ(Utf16FromUtf8("\xE2\x82z"), u"\uFFFDz");
}

}  // namespace
}  // namespace pp::layout
