// Builds components from a parsed layout: the root's own properties, then its components,
// created by class name, owned by the root and parented as nested; component references are
// resolved once everything exists, then the model runs Loaded on the root and each component.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "layout/class_registry.h"
#include "layout/layout_tree.h"
#include "layout/property_table.h"

namespace pp::layout {

// What the reader needs of the component classes beyond their property tables.
class ComponentModel {
 public:
  virtual ~ComponentModel() = default;
  virtual void SetName(ObjectRef component, std::string_view name) = 0;
  // Puts `child` on `parent` when both are controls; answers whether it did.
  virtual bool SetParent(ObjectRef child, ObjectRef parent) = 0;
  // Marks a component as being read (before any of its properties is set).
  virtual void BeginLoading(ObjectRef component) {}
  // Everything is read and every reference resolved: Loaded, once for the root and once for
  // each component created (in creation order), in the order the component classes expect.
  virtual void EndLoading(ObjectRef root, const std::vector<ObjectRef>& components) = 0;
  // Frees a component the reader created; its owner lets go of it.
  virtual void Destroy(ObjectRef component) noexcept = 0;
  // True when the model itself reports insertions (NotifyComponentInserted and
  // NotifyControlInserted); otherwise the reader reports the ones it makes.
  virtual bool ReportsInsertions() const noexcept { return false; }
};

struct ReadOptions {
  const ClassRegistry* classes = nullptr;  // Classes() when none
  bool standalone = false;                 // no owner: hooks see an empty root
  // Turns the layout's UTF-8 into the 8-bit strings String properties hold; unchanged when none.
  std::string (*ansi_from_utf8)(std::string_view utf8) = nullptr;
};

// Reads `layout` into `root`. On any fault the components created so far are destroyed (the
// last first) and EReadError propagates; the caller then discards root.
void ReadLayout(const ObjectNode& layout, ObjectRef root, ComponentModel& model, std::string_view resource,
                const ReadOptions& options = {});

// Parses `text` and reads it into `root`.
void ReadLayoutText(std::string_view text, ObjectRef root, ComponentModel& model, std::string_view resource,
                    const ReadOptions& options = {});

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);

}  // namespace pp::layout
