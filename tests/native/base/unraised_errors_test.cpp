#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/errors.h"

namespace pp {
namespace {

std::vector<std::string> g_seen;
void Record(const Exception& error) { g_seen.push_back(error.what()); }

// What the raise hook sees of one error caught by a catch-all that calls NotifyUnraised: a
// raised error once (at its raise), a standard one once (at the catch), anything else never.
TEST(NotifyUnraised, EachErrorReachesTheHookExactlyOnce) {
  struct Case {
    const char* what;
    void (*thrower)();
    std::vector<std::string> seen;
  };
  const Case cases[] = {
      {"raised", [] { Raise(EConvertError("raised once")); }, {"raised once"}},
      {"bad_alloc", [] { throw std::bad_alloc(); }, {"Out of memory"}},
      {"length_error", [] { throw std::length_error("too long"); }, {"too long"}},
      {"not an exception class", [] { throw 42; }, {}},
  };
  const RaiseHook previous = SetRaiseHook(&Record);
  for (const Case& c : cases) {
    g_seen.clear();
    try {
      c.thrower();
    } catch (...) {
      NotifyUnraised();
    }
    EXPECT_EQ(g_seen, c.seen) << c.what;
  }
  SetRaiseHook(previous);
}

}  // namespace
}  // namespace pp
