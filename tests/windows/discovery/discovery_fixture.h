// Helpers for the discovery tests: a preference location of the tests' own, and the records
// of a list read back through the interfaces.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "ParallelPort.h"

namespace discovery_test {

// Redirects the preference location to Software\<name> for the scope (through
// Software\Veltrex2004\Preference Location, value "Application") so that the tests never touch
// the default preference key. Afterwards Software\<name> is deleted and the previous state of
// the redirection is put back.
class ScopedPreferenceLocation {
 public:
  explicit ScopedPreferenceLocation(std::string name = "PPDiscoveryTests");
  ~ScopedPreferenceLocation();
  ScopedPreferenceLocation(const ScopedPreferenceLocation&) = delete;
  ScopedPreferenceLocation& operator=(const ScopedPreferenceLocation&) = delete;

  // Creates the preference key (no values).
  void CreateKey() const;
  // Writes "ParallelPortAddress" with the given type and bytes, creating the key.
  void WriteAddress(DWORD type, const void* data, DWORD size) const;
  void WriteAddress(DWORD value) const { WriteAddress(REG_DWORD, &value, sizeof value); }

 private:
  std::string name_;
  bool had_old_ = false;
  std::string old_;
  bool created_section_ = false;
  bool created_root_ = false;
};

struct Record {
  std::string name;
  LONG start;
  LONG end;
  bool operator==(const Record&) const = default;
};
void PrintTo(const Record& r, std::ostream* os);

// Every record of the list, through GetCount, GetItem and the info operations; a failing
// status fails the test.
std::vector<Record> ReadRecords(IParallelPortList* list);

// Runs CreateParallelPortList, expects success, and returns the records.
std::vector<Record> Discover();

}  // namespace discovery_test
