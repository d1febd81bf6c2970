// For suites named *_looks, which tests/run starts once per look of the themed controls in a
// Wine prefix set up for it: the look to expect, from PP_LOOK (luna: Windows 2000 without
// visual styles; classic: Windows XP without; themed: Windows XP with Wine's light theme).
#pragma once

#include <optional>
#include <string>

#include "controls/xp_controls.h"

namespace pp::test {

std::string LookName();  // "luna", "classic", "themed", or "" outside a look run
// The look the set-up gives with UseLunaLook true; nullopt outside a look run.
std::optional<pp::controls::TXPLookMode> ExpectedLook();

// Starts the themed controls' library state for the test program (as the plug-in does at load)
// and ends it at exit; call from a suite's main or a gtest Environment.
void StartControlsForTests();

}  // namespace pp::test

// Skips the test when the suite is not running under one of the three looks.
#define PP_REQUIRE_LOOK()                                                   \
  do {                                                                      \
    if (!::pp::test::ExpectedLook()) GTEST_SKIP() << "PP_LOOK not set";     \
  } while (0)
