// The help id-map parser and the topic lookup on arbitrary bytes: never a crash or an
// out-of-bounds read; every key of a line with '=' is found again; each line whose value holds a
// comma adds one reference; following references always ends, also when every
// reference leads back to the same file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "forms/help_id_map.h"
#include "forms/help_lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pp::forms;
  const std::string text(reinterpret_cast<const char*>(data), size);
  HelpIdMap map;
  map.Load(text);

  int references = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + start, end - start);
    if (const size_t eq = line.find('='); eq != std::string_view::npos) {
      if (!map.Find(line.substr(0, eq))) std::abort();
      references += line.substr(eq + 1).find(',') != std::string_view::npos;
    }
    start = end + 1;
  }
  if (references != map.ReferenceCount()) std::abort();  // one reference per line with a comma

  HelpLookupServices services{
      .read_file = [&](const std::string&) { return std::optional<std::string>(text); },
      .file_exists = [](const std::string&) { return true; },
      .file_for_reference = [](const std::string& reference) { return reference + ".hlp"; },
      .resolve_help_path = [](const std::string& name) { return name; },
  };
  for (int i = 0; i < map.ReferenceCount() && i < 4; ++i) {
    std::string key, file = "X.chm";
    HelpIdMap fresh;
    FindHelpTopic(map.Reference(i), "", key, fresh, file, services);
    ResolveHelpReference(map.Reference(i), key, file, services);
  }
  return 0;
}
