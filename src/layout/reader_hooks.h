// Hook points of the layout reader and the component model. With no hooks installed the reader
// behaves plainly; the dialog framework installs its own to translate texts and adapt fonts.
#pragma once

#include <string>
#include <string_view>

#include "layout/property_table.h"

namespace pp::layout {

struct ReadContext {
  std::string_view resource;
  ObjectRef root;                   // the component read into (the reader's owner); empty when standalone
  ObjectRef component;              // the component whose data is being read
  std::string_view component_name;  // its name in the layout
  std::string_view property_path;   // the property being set ("Font.Name"); empty between properties
};

class ReaderHooks {
 public:
  virtual ~ReaderHooks() = default;
  // Around the reading of one component's data: its properties, then its child components
  // (each of them nested inside). After runs also when reading failed.
  virtual void BeforeReadData(const ReadContext& context) {}
  virtual void AfterReadData(const ReadContext& context, bool failed) {}
  // Every string read, as read; the answer is what the property gets.
  virtual std::string ReadString(const ReadContext& context, std::string text) { return text; }
  virtual std::u16string ReadWideString(const ReadContext& context, std::u16string text) { return text; }
  // After a component got an owner, and after a control got a parent, reading or not.
  virtual void ComponentInserted(ObjectRef owner, ObjectRef component) {}
  virtual void ControlInserted(ObjectRef parent, ObjectRef control) {}
};

// Installs `hooks` (nullptr: none) and answers the hooks they replace, so that an installer can
// hand on to its predecessor and put it back when it is removed.
ReaderHooks* InstallReaderHooks(ReaderHooks* hooks) noexcept;
ReaderHooks* InstalledReaderHooks() noexcept;

// Installed for the lifetime of the object, then the previous hooks again.
class ScopedReaderHooks {
 public:
  explicit ScopedReaderHooks(ReaderHooks& hooks) noexcept : previous_(InstallReaderHooks(&hooks)) {}
  ~ScopedReaderHooks() { InstallReaderHooks(previous_); }
  ScopedReaderHooks(const ScopedReaderHooks&) = delete;
  ScopedReaderHooks& operator=(const ScopedReaderHooks&) = delete;

 private:
  ReaderHooks* previous_;
};

// The component model reports insertions here; the installed hooks see them.
void NotifyComponentInserted(ObjectRef owner, ObjectRef component);
void NotifyControlInserted(ObjectRef parent, ObjectRef control);

}  // namespace pp::layout
