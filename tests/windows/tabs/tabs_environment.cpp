#include <gtest/gtest.h>

#include "tab_fixture.h"

namespace {
class TabsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { pp::controls::tabtest::RecordHandledExceptions(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TabsEnvironment);
}  // namespace
