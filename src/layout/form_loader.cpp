#include "layout/form_loader.h"

#include <vector>

#include "layout/reader_hooks.h"
#include "toolkit/control.h"
#include "toolkit/errors.h"
#include "toolkit/win_control.h"

namespace pp::layout {

namespace {

// The reader's view of the toolkit: names, parents, the toolkit's loading protocol, Free.
class ToolkitModel : public ComponentModel {
 public:
  void SetName(ObjectRef c, std::string_view name) override {
    c.As<toolkit::TComponent>()->SetName(std::string(name));
  }
  bool SetParent(ObjectRef child, ObjectRef parent) override {
    auto* control = child.As<toolkit::TControl>();
    auto* container = parent.As<toolkit::TWinControl>();
    if (!control || !container) return false;
    control->SetParent(container);
    return true;
  }
  void BeginLoading(ObjectRef c) override { c.As<toolkit::TComponent>()->BeginLoad(); }
  // EndLoad runs Loaded on every owned component still loading (the ones just read), then the root.
  void EndLoading(ObjectRef root, const std::vector<ObjectRef>&) override { root.As<toolkit::TComponent>()->EndLoad(); }
  void Destroy(ObjectRef c) noexcept override { c.As<toolkit::TComponent>()->Free(); }
  // The toolkit reports every insertion through its own hook points (see ToolkitInsertionBridge).
  bool ReportsInsertions() const noexcept override { return true; }
};

toolkit::InsertComponentHook g_previous_component_hook = nullptr;
toolkit::InsertControlHook g_previous_control_hook = nullptr;

void ComponentJoined(toolkit::TComponent* owner, toolkit::TComponent* component) {
  if (g_previous_component_hook) g_previous_component_hook(owner, component);
  NotifyComponentInserted(DynamicRef(owner), DynamicRef(component));
}

void ControlJoined(toolkit::TWinControl* parent, toolkit::TControl* control) {
  if (g_previous_control_hook) g_previous_control_hook(parent, control);
  NotifyControlInserted(DynamicRef(parent), DynamicRef(control));
}

}  // namespace

ToolkitInsertionBridge::ToolkitInsertionBridge() noexcept {
  g_previous_component_hook = toolkit::SetInsertComponentHook(&ComponentJoined);
  g_previous_control_hook = toolkit::SetInsertControlHook(&ControlJoined);
}

ToolkitInsertionBridge::~ToolkitInsertionBridge() {
  toolkit::SetInsertComponentHook(g_previous_component_hook);
  toolkit::SetInsertControlHook(g_previous_control_hook);
}

std::string_view LayoutResource(HMODULE module, const char* name) {
  HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) Raise(toolkit::EResNotFound::Named(name));
  return {static_cast<const char*>(bytes), SizeofResource(module, info)};
}

std::string AnsiFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  int wide_size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(wide_size));
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wide_size);
  int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_size, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

void ReadFormLayout(ObjectRef form, std::string_view text, std::string_view resource, const ClassRegistry& classes) {
  ToolkitModel model;
  ReadOptions options;
  options.classes = &classes;
  options.ansi_from_utf8 = [](std::string_view utf8) { return AnsiFromUtf8(utf8); };
  ReadLayoutText(text, form, model, resource, options);
}

}  // namespace pp::layout
