// Building the Status/Control dialog's component tree (no windows): from its layout text
// (parse and read), from the already parsed layout (read only), and in code, setting the same
// properties and handlers directly. The in-code build is the baseline of the ratio.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "../tests/native/layout/sample_classes.h"
#include "layout/layout_parser.h"

namespace {

using namespace pp::layout;
using namespace pp::layout::sample;

std::string StatusDialogText() {
  auto path = std::filesystem::path(__FILE__).parent_path() / "../resources/forms/ParallelPortForm.layout";
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const ClassRegistry& Registry() {
  static const ClassRegistry registry = MakeRegistry();
  return registry;
}

void BM_StatusDialogFromLayout(benchmark::State& state) {
  const std::string text = StatusDialogText();
  Model model;
  ReadOptions options;
  options.classes = &Registry();
  for (auto _ : state) {
    auto form = std::make_unique<DialogForm>(nullptr);
    ReadLayoutText(text, Ref(form.get()), model, "TParallelPortForm", options);
    model.loaded.clear();
    benchmark::DoNotOptimize(form.get());
  }
}
BENCHMARK(BM_StatusDialogFromLayout);

void BM_StatusDialogFromParsedLayout(benchmark::State& state) {
  const ObjectNode tree = ParseLayout(StatusDialogText(), "TParallelPortForm");
  Model model;
  ReadOptions options;
  options.classes = &Registry();
  for (auto _ : state) {
    auto form = std::make_unique<DialogForm>(nullptr);
    ReadLayout(tree, Ref(form.get()), model, "TParallelPortForm", options);
    model.loaded.clear();
    benchmark::DoNotOptimize(form.get());
  }
}
BENCHMARK(BM_StatusDialogFromParsedLayout);

// The same tree, written out as a programmer would without a layout.
struct BoxSpec {
  const char* name;
  const char* caption;
};
constexpr int kTops[] = {8, 28, 49, 69, 90, 110, 131, 152};

TabSheet* Page(DialogForm& form, const char* pc_name, int left, int width, int order, const char* sheet_name,
               const char* caption, const BoxSpec (&boxes)[8], int box_left, bool ticked, Notify click) {
  auto* pc = new PageControl(&form);
  pc->SetName(pc_name);
  pc->SetParent(&form);
  pc->left = left, pc->top = 8, pc->width = width, pc->height = 209, pc->tab_order = order;
  auto* sheet = new TabSheet(&form);
  sheet->SetName(sheet_name);
  sheet->SetParent(pc);
  sheet->caption = caption;
  for (int i = 0; i < 8; ++i) {
    auto* box = new CheckBox(&form);
    box->SetName(boxes[i].name);
    box->SetParent(sheet);
    box->left = box_left, box->top = kTops[i], box->width = 150, box->height = 17;
    box->caption = boxes[i].caption;
    box->checked = ticked;
    box->tab_order = i;
    box->on_click = click;
  }
  pc->active_page = sheet;
  return sheet;
}

void BuildInCode(DialogForm& f) {
  f.SetName("ParallelPortForm");
  f.left = 155, f.top = 233;
  f.border_style = bsDialog;
  f.caption = "Parallel-Port Status/Control";
  f.client_height = 263, f.client_width = 439;
  f.color = static_cast<std::int32_t>(0xFF00000F);
  f.font.charset = 1;
  f.font.color = static_cast<std::int32_t>(0xFF000008);
  f.font.height = -11;
  f.font.name = "MS Sans Serif";
  f.font.style = {};
  f.on_show = [&f](Component* s) { f.FormShow(s); };
  Notify data = [&f](Component* s) { f.CheckBox_DataBitsClick(s); };
  Notify control = [&f](Component* s) { f.CheckBox_ControlDataBitsClick(s); };
  Page(f, "PageControl_Data", 8, 121, 0, "TabSheet_Data", "Data Bit Outputs",
       {{"CheckBox_D7", "D7"}, {"CheckBox_D6", "D6"}, {"CheckBox_D5", "D5"}, {"CheckBox_D4", "D4"},
        {"CheckBox_D3", "D3"}, {"CheckBox_D2", "D2"}, {"CheckBox_D1", "D1"}, {"CheckBox_D0", "D0"}},
       8, true, data);
  Page(f, "PageControl_Status", 136, 121, 1, "TabSheet_Status", "Status Inputs",
       {{"CheckBox_Busy", "Busy"}, {"CheckBox_Ack", "ACK"}, {"CheckBox_PaperOut", "Paper Out"},
        {"CheckBox_SelectIn", "Select In"}, {"CheckBox_Error", "Error"}, {"CheckBox_IRQ", "IRQ"},
        {"CheckBox_Reserved1", "Reserved"}, {"CheckBox_Reserved2", "Reserved"}},
       4, false, nullptr);
  Page(f, "PageControl_Control", 264, 169, 2, "TabSheet_Control", "Control Outputs",
       {{"CheckBox_UnUsed1", "Unused"}, {"CheckBox_Unused2", "Unused"},
        {"CheckBox_EnableBidirectional", "Enable Bidirectional Port"},
        {"CheckBox_EnableIrqViaAck", "Enable IRQ Via ACK Line"}, {"CheckBox_SelectPrinter", "Select Printer"},
        {"CheckBox_InitializePrinter", "Initialize Printer"}, {"CheckBox_AutoLineFeed", "Auto Linefeed"},
        {"CheckBox_Strobe", "Strobe"}},
       8, true, control);
  auto* panel = new Panel(&f);
  panel->SetName("Panel_Buttons");
  panel->SetParent(&f);
  panel->left = 0, panel->top = 224, panel->width = 439, panel->height = 39;
  panel->align = alBottom;
  panel->kind = epkGradient;
  panel->transparent = false;
  Notify update = [&f](Component* s) { f.Button_UpdateDisplayClick(s); };
  auto* read = new Button(&f);
  read->SetName("Button_UpdateDisplay");
  read->SetParent(panel);
  read->left = 8, read->top = 8, read->width = 145, read->height = 26;
  read->caption = "&Read and Update Display";
  read->tab_order = 0;
  read->on_click = update;
  auto* ok = new Button(&f);
  ok->SetName("Button_OK");
  ok->SetParent(panel);
  ok->left = 358, ok->top = 8, ok->width = 75, ok->height = 26;
  ok->caption = "OK";
  ok->cancel = ok->is_default = true;
  ok->modal_result = 1;
  ok->tab_order = 1;
  ok->on_click = update;
  for (Component* c : f.Owned()) c->Loaded();
  f.Loaded();
}

void BM_StatusDialogInCode(benchmark::State& state) {
  for (auto _ : state) {
    auto form = std::make_unique<DialogForm>(nullptr);
    BuildInCode(*form);
    benchmark::DoNotOptimize(form.get());
  }
}
BENCHMARK(BM_StatusDialogInCode);

}  // namespace
