#include "forms/help_lookup.h"

#include <algorithm>

#include "hostenv/paths.h"

namespace pp::forms {

namespace {

// Id files may send a reference on to a file whose entry refers back; each step reads another
// file, so a cycle would never end. Deeper chains than this are not written by hand.
constexpr int kMaxReferenceDepth = 8;

std::int32_t Find(const std::string& key, const std::string& prefix, std::string& topic_key, HelpIdMap& map,
                  std::string& help_file, const HelpLookupServices& services, int depth);

std::int32_t Resolve(const std::string& reference, std::string& topic_key, std::string& help_file,
                     const HelpLookupServices& services, int depth) {
  if (depth >= kMaxReferenceDepth) return 0;
  const std::string name = services.file_for_reference ? services.file_for_reference(reference) : std::string();
  if (name.empty()) return 0;
  const std::string chm = ChangeFileExt(hostenv::FileNameOf(name), ".chm");
  help_file = services.resolve_help_path ? services.resolve_help_path(chm) : chm;
  if (!services.file_exists || !services.file_exists(help_file)) return 0;
  std::string key = reference;
  std::replace(key.begin(), key.end(), ':', '_');
  HelpIdMap fresh;
  return Find(key, "", topic_key, fresh, help_file, services, depth + 1);
}

std::int32_t Find(const std::string& key, const std::string& prefix, std::string& topic_key, HelpIdMap& map,
                  std::string& help_file, const HelpLookupServices& services, int depth) {
  if (map.Empty()) LoadHelpIdMap(map, help_file, services);
  topic_key = prefix.empty() ? key : "Dlg_" + prefix + "_" + key;
  const std::optional<std::int32_t> value = map.Find(topic_key);
  if (!value) return 0;
  if (*value >= 0) return *value;
  const std::int64_t index = -std::int64_t{*value} - 1;
  if (index >= map.ReferenceCount()) return 0;
  const std::string reference = map.Reference(static_cast<int>(index));
  return Resolve(reference, topic_key, help_file, services, depth);
}

}  // namespace

void LoadHelpIdMap(HelpIdMap& map, const std::string& help_file, const HelpLookupServices& services) {
  if (!services.read_file) return;
  if (const std::optional<std::string> text = services.read_file(ChangeFileExt(help_file, ".id"))) map.Load(*text);
}

std::int32_t FindHelpTopic(const std::string& key, const std::string& prefix, std::string& topic_key,
                           HelpIdMap& map, std::string& help_file, const HelpLookupServices& services) {
  return Find(key, prefix, topic_key, map, help_file, services, 0);
}

std::int32_t ResolveHelpReference(const std::string& reference, std::string& topic_key, std::string& help_file,
                                  const HelpLookupServices& services) {
  return Resolve(reference, topic_key, help_file, services, 0);
}

}  // namespace pp::forms
