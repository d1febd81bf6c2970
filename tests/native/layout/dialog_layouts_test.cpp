// The two dialog layouts, read through stand-in classes registered under the names they use:
// every component, bound and setting of the dialog tables.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "sample_classes.h"

namespace pp::layout {
namespace {

using namespace sample;
using ::testing::ElementsAreArray;

std::string LayoutText(const char* file) {
  std::ifstream in(std::string(PP_SOURCE_DIR) + "/resources/forms/" + file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Bounds {
  int left, top, width, height;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};
Bounds BoundsOf(const Control* c) { return {c->left, c->top, c->width, c->height}; }
void PrintTo(const Bounds& b, std::ostream* os) { *os << b.left << ", " << b.top << ", " << b.width << ", " << b.height; }

class DialogLayouts : public ::testing::Test {
 protected:
  void Read(const char* file, const char* resource) {
    ReadOptions options;
    options.classes = &registry_;
    ReadLayoutText(LayoutText(file), Ref(form_.get()), model_, resource, options);
  }
  template <class T = Control>
  T* Get(const char* name) {
    auto* c = dynamic_cast<T*>(form_->Find(name));
    if (!c) ADD_FAILURE() << "expected a component " << name << " of the right kind";
    return c;
  }
  void ExpectDialogFont() {
    EXPECT_EQ(form_->font.name, "MS Sans Serif");
    EXPECT_EQ(form_->font.height, -11);
    EXPECT_EQ(form_->font.charset, 1);
    EXPECT_EQ(static_cast<std::uint32_t>(form_->font.color), 0xFF000008u);  // clWindowText
    EXPECT_EQ(static_cast<std::uint32_t>(form_->color), 0xFF00000Fu);       // clBtnFace
    EXPECT_EQ(form_->border_style, bsDialog);
  }

  ClassRegistry registry_ = MakeRegistry();
  Model model_;
  std::unique_ptr<DialogForm> form_ = std::make_unique<DialogForm>(nullptr);
};

TEST_F(DialogLayouts, StatusControlDialog) {
  Read("ParallelPortForm.layout", "TParallelPortForm");
  EXPECT_EQ(form_->caption, "Parallel-Port Status/Control");
  EXPECT_EQ(form_->client_width, 439);
  EXPECT_EQ(form_->client_height, 263);
  EXPECT_EQ(form_->left, 155);
  EXPECT_EQ(form_->top, 233);
  ExpectDialogFont();
  ASSERT_TRUE(form_->on_show);
  form_->on_show(form_.get());
  EXPECT_EQ(form_->calls.back(), "FormShow");

  struct Sheet {
    const char* page_control;
    Bounds bounds;
    int tab_order;
    const char* sheet;
    const char* caption;
    int box_left;
    bool ticked;
    const char* on_click;
    std::vector<std::pair<const char*, const char*>> boxes;
  };
  const Sheet sheets[] = {
      {"PageControl_Data", {8, 8, 121, 209}, 0, "TabSheet_Data", "Data Bit Outputs", 8, true, "CheckBox_DataBitsClick",
       {{"CheckBox_D7", "D7"}, {"CheckBox_D6", "D6"}, {"CheckBox_D5", "D5"}, {"CheckBox_D4", "D4"},
        {"CheckBox_D3", "D3"}, {"CheckBox_D2", "D2"}, {"CheckBox_D1", "D1"}, {"CheckBox_D0", "D0"}}},
      {"PageControl_Status", {136, 8, 121, 209}, 1, "TabSheet_Status", "Status Inputs", 4, false, nullptr,
       {{"CheckBox_Busy", "Busy"}, {"CheckBox_Ack", "ACK"}, {"CheckBox_PaperOut", "Paper Out"},
        {"CheckBox_SelectIn", "Select In"}, {"CheckBox_Error", "Error"}, {"CheckBox_IRQ", "IRQ"},
        {"CheckBox_Reserved1", "Reserved"}, {"CheckBox_Reserved2", "Reserved"}}},
      {"PageControl_Control", {264, 8, 169, 209}, 2, "TabSheet_Control", "Control Outputs", 8, true,
       "CheckBox_ControlDataBitsClick",
       {{"CheckBox_UnUsed1", "Unused"}, {"CheckBox_Unused2", "Unused"},
        {"CheckBox_EnableBidirectional", "Enable Bidirectional Port"},
        {"CheckBox_EnableIrqViaAck", "Enable IRQ Via ACK Line"}, {"CheckBox_SelectPrinter", "Select Printer"},
        {"CheckBox_InitializePrinter", "Initialize Printer"}, {"CheckBox_AutoLineFeed", "Auto Linefeed"},
        {"CheckBox_Strobe", "Strobe"}}},
  };
  const int tops[] = {8, 28, 49, 69, 90, 110, 131, 152};
  for (const Sheet& s : sheets) {
    SCOPED_TRACE(s.page_control);
    auto* pc = Get<PageControl>(s.page_control);
    auto* sheet = Get<TabSheet>(s.sheet);
    ASSERT_TRUE(pc && sheet);
    EXPECT_EQ(pc->Parent(), form_.get());
    EXPECT_EQ(BoundsOf(pc), s.bounds);
    EXPECT_EQ(pc->tab_order, s.tab_order);
    EXPECT_EQ(pc->active_page, sheet);
    EXPECT_EQ(sheet->Parent(), pc);
    EXPECT_EQ(sheet->caption, s.caption);
    ASSERT_EQ(sheet->children.size(), 8u);
    for (int i = 0; i < 8; ++i) {
      SCOPED_TRACE(s.boxes[i].first);
      auto* box = dynamic_cast<CheckBox*>(sheet->children[i]);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->Name(), s.boxes[i].first);
      EXPECT_EQ(box->caption, s.boxes[i].second);
      EXPECT_EQ(BoundsOf(box), (Bounds{s.box_left, tops[i], 150, 17}));
      EXPECT_EQ(box->tab_order, i);
      EXPECT_EQ(box->checked, s.ticked);
      EXPECT_EQ(static_cast<bool>(box->on_click), s.on_click != nullptr);
      if (box->on_click) {
        box->on_click(box);
        EXPECT_EQ(form_->calls.back(), s.on_click);
      }
    }
  }

  auto* panel = Get<Panel>("Panel_Buttons");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(BoundsOf(panel), (Bounds{0, 224, 439, 39}));
  EXPECT_EQ(panel->align, alBottom);
  EXPECT_EQ(panel->kind, epkGradient);
  EXPECT_FALSE(panel->transparent);
  struct ButtonCase {
    const char* name;
    Bounds bounds;
    const char* caption;
    int tab_order;
    bool default_and_cancel;
    int modal_result;
  };
  for (const ButtonCase& b : {ButtonCase{"Button_UpdateDisplay", {8, 8, 145, 26}, "&Read and Update Display", 0, false, 0},
                              ButtonCase{"Button_OK", {358, 8, 75, 26}, "OK", 1, true, 1}}) {
    SCOPED_TRACE(b.name);
    auto* button = Get<Button>(b.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Parent(), panel);
    EXPECT_EQ(BoundsOf(button), b.bounds);
    EXPECT_EQ(button->caption, b.caption);
    EXPECT_EQ(button->tab_order, b.tab_order);
    EXPECT_EQ(button->is_default, b.default_and_cancel);
    EXPECT_EQ(button->cancel, b.default_and_cancel);
    EXPECT_EQ(button->modal_result, b.modal_result);
    ASSERT_TRUE(button->on_click);
    button->on_click(button);
    EXPECT_EQ(form_->calls.back(), "Button_UpdateDisplayClick");
  }

  // Every component of the dialog, and nothing else, owned by the form.
  std::vector<std::string> names;
  for (Component* c : form_->Owned()) names.push_back(c->Name());
  std::sort(names.begin(), names.end());
  std::vector<std::string> expected = {
      "PageControl_Data", "TabSheet_Data", "PageControl_Status", "TabSheet_Status", "PageControl_Control",
      "TabSheet_Control", "CheckBox_UnUsed1", "CheckBox_Unused2", "CheckBox_EnableBidirectional",
      "CheckBox_EnableIrqViaAck", "CheckBox_SelectPrinter", "CheckBox_InitializePrinter", "CheckBox_AutoLineFeed",
      "CheckBox_Strobe", "CheckBox_Busy", "CheckBox_Ack", "CheckBox_PaperOut", "CheckBox_SelectIn", "CheckBox_Error",
      "CheckBox_IRQ", "CheckBox_Reserved1", "CheckBox_Reserved2", "CheckBox_D7", "CheckBox_D6", "CheckBox_D5",
      "CheckBox_D4", "CheckBox_D3", "CheckBox_D2", "CheckBox_D1", "CheckBox_D0", "Panel_Buttons",
      "Button_UpdateDisplay", "Button_OK"};
  std::sort(expected.begin(), expected.end());
  EXPECT_THAT(names, ElementsAreArray(expected));
}

TEST_F(DialogLayouts, DriverFailureNotice) {
  Read("InstallConfirmForm.layout", "TInstallConfirmForm");
  EXPECT_EQ(form_->caption, "Error");
  EXPECT_EQ(form_->client_width, 241);
  EXPECT_EQ(form_->client_height, 121);
  EXPECT_EQ(form_->position, poOwnerFormCenter);
  ExpectDialogFont();
  ASSERT_TRUE(form_->on_create);
  form_->on_create(form_.get());
  EXPECT_EQ(form_->calls.back(), "FormCreate");

  std::vector<std::string> order;
  for (Component* c : form_->Owned()) order.push_back(c->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"Label1", "Image1", "chxDontShow", "Button1"}));

  auto* label = Get<Label>("Label1");
  auto* image = Get<Image>("Image1");
  auto* box = Get<CheckBox>("chxDontShow");
  auto* button = Get<Button>("Button1");
  ASSERT_TRUE(label && image && box && button);
  EXPECT_EQ(BoundsOf(label), (Bounds{48, 8, 185, 32}));
  EXPECT_EQ(label->caption, "Failed To Load Parallel Port Driver");
  EXPECT_FALSE(label->auto_size);
  EXPECT_TRUE(label->word_wrap);
  EXPECT_EQ(label->layout, tlCenter);
  EXPECT_EQ(BoundsOf(image), (Bounds{8, 8, 32, 32}));
  EXPECT_TRUE(image->auto_size);
  EXPECT_EQ(BoundsOf(box), (Bounds{8, 56, 209, 17}));
  EXPECT_EQ(box->caption, "&Don't show this message anymore");
  EXPECT_EQ(box->tab_order, 0);
  EXPECT_FALSE(box->checked);
  EXPECT_EQ(BoundsOf(button), (Bounds{88, 88, 75, 25}));
  EXPECT_EQ(button->caption, "OK");
  EXPECT_EQ(button->tab_order, 1);
  EXPECT_TRUE(button->is_default);
  EXPECT_TRUE(button->cancel);
  EXPECT_EQ(button->modal_result, 1);
  EXPECT_EQ(form_->active_control, button);
  for (Component* c : form_->Owned()) EXPECT_EQ(static_cast<Control*>(c)->Parent(), form_.get());
}

}  // namespace
}  // namespace pp::layout
