// Finding a help topic through id maps: the key of a control or container in the map of its help
// file, and a reference entry followed to the help file that the host names for it.
//
// Portable: the file system and the host come in through HelpLookupServices.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "forms/help_id_map.h"

namespace pp::forms {

struct HelpLookupServices {
  // The whole text of a file, or none when it cannot be read.
  std::function<std::optional<std::string>(const std::string& path)> read_file;
  std::function<bool(const std::string& path)> file_exists;
  // The host's help file for a reference text ("" when it names none or there is no host).
  std::function<std::string(const std::string& reference)> file_for_reference;
  // Places a bare help file name in the help folders.
  std::function<std::string(const std::string& name)> resolve_help_path;
};

// Fills `map` from the id file of `help_file` (the help file's name with ".id").
void LoadHelpIdMap(HelpIdMap& map, const std::string& help_file, const HelpLookupServices& services);

// The topic of `key` (with a prefix: "Dlg_" + prefix + "_" + key) in `map`, loading the map from
// the id file of `help_file` when it is empty; 0 when there is none. `topic_key` gets the key
// looked up. Following a reference changes `help_file` to the file the host named.
std::int32_t FindHelpTopic(const std::string& key, const std::string& prefix, std::string& topic_key,
                           HelpIdMap& map, std::string& help_file, const HelpLookupServices& services);

// Follows a reference ("Server:Topic"): the host names a help file, whose own id map is asked for
// "Server_Topic". `help_file` becomes that file even when it does not exist.
std::int32_t ResolveHelpReference(const std::string& reference, std::string& topic_key, std::string& help_file,
                                  const HelpLookupServices& services);

}  // namespace pp::forms
