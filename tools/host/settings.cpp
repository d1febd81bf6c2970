#include "settings.h"

#include <cstdlib>
#include <sstream>

namespace host {

std::string Setting(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value ? value : fallback;
}

unsigned long SettingNumber(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoul(value, nullptr, 0) : fallback;
}

std::string MapSetting(const char* name, const std::string& key, bool* found) {
  std::istringstream in(Setting(name));
  std::string pair;
  while (std::getline(in, pair, ';')) {
    const size_t eq = pair.find('=');
    if (eq != std::string::npos && pair.compare(0, eq, key) == 0) {
      if (found) *found = true;
      return pair.substr(eq + 1);
    }
  }
  if (found) *found = false;
  return {};
}

bool Fails(const char* operation) {
  std::istringstream in(Setting("PPHOST_FAIL"));
  std::string item;
  while (std::getline(in, item, ','))
    if (item == operation) return true;
  return false;
}

}  // namespace host
