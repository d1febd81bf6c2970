// The layout parser and reader on arbitrary bytes: they must never crash, read out of bounds or
// throw anything but a read error; a read that fails must leave no component alive, and the
// hooks must see every component's reading end (also when it failed).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../tests/native/layout/sample_classes.h"
#include "layout/layout_parser.h"
#include "layout/read_error.h"
#include "layout/reader_hooks.h"

namespace {

struct BalanceHooks : pp::layout::ReaderHooks {
  int depth = 0;
  void BeforeReadData(const pp::layout::ReadContext&) override { ++depth; }
  void AfterReadData(const pp::layout::ReadContext&, bool) override { --depth; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pp::layout;
  static const ClassRegistry registry = sample::MakeRegistry();
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  ObjectNode tree;
  try {
    tree = ParseLayout(text, "fuzz");
  } catch (const EReadError& e) {
    if (e.Line() < 1) std::abort();
    return 0;
  }

  const int live = sample::Component::live;
  BalanceHooks hooks;
  ScopedReaderHooks installed(hooks);
  auto* form = new sample::DialogForm(nullptr);
  sample::Model model;
  ReadOptions options;
  options.classes = &registry;
  bool failed = false;
  try {
    ReadLayout(tree, Ref(form), model, "fuzz", options);
  } catch (const EReadError&) {
    failed = true;
  }
  if (hooks.depth != 0) std::abort();
  if (failed && sample::Component::live != live + 1) std::abort();  // only the form itself
  delete form;
  if (sample::Component::live != live) std::abort();
  return 0;
}
