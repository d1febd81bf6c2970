// The per-user override "ParallelPortAddress", written into the Wine prefix's registry under a
// preference location of the tests' own.
#include <gtest/gtest.h>

#include <cstdint>

#include "base/errors.h"
#include "base/win_handles.h"
#include "discovery/parallel_port_data.h"
#include "discovery/parallel_ports.h"
#include "discovery_fixture.h"
#include "fake_devices.h"

namespace discovery_test {
namespace {

using Records = std::vector<Record>;
const char kUserDefined[] = "User Defined Paralell Port (LPT1)";

// A machine with a parallel port of its own, so that a walk of the device list shows.
std::vector<FakeDevice> MachineWithAPort() {
  return {{"Ports", "ECP Printer Port (LPT1)", std::vector<FakeRange>{{0x3BC, 0x3BF}}, std::nullopt}};
}

TEST(UserDefinedPort, OverrideReplacesTheDeviceList) {
  struct Case {
    DWORD stored;
    LONG start;
    LONG end;
  };
  // Taken as stored, no range check; the end wraps in 32 bits.
  const Case cases[] = {
      {888, 888, 895},
      {0, 0, 7},
      {0x12345678, 0x12345678, 0x1234567F},
      {0xFFFFFFFF, -1, 6},
      {0x7FFFFFFF, 0x7FFFFFFF, static_cast<LONG>(0x80000006u)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    ScopedPreferenceLocation location;
    location.WriteAddress(c.stored);
    FakeDeviceTable table(MachineWithAPort());
    EXPECT_EQ(Discover(), (Records{{kUserDefined, c.start, c.end}}));
    EXPECT_EQ(table.class_devs_calls, 0) << "expected the device list not to be walked";
  }
}

TEST(UserDefinedPort, WithoutOverrideTheDeviceListIsWalked) {
  struct Case {
    const char* what;
    bool create_key;
  };
  for (const Case& c : {Case{"no preference key", false}, Case{"key without the value", true}}) {
    SCOPED_TRACE(c.what);
    ScopedPreferenceLocation location;
    if (c.create_key) location.CreateKey();
    FakeDeviceTable table(MachineWithAPort());
    EXPECT_EQ(Discover(), (Records{{"ECP Printer Port (LPT1)", 0x3BC, 0x3BF}}));
    EXPECT_EQ(table.class_devs_calls, 1);
  }
}

std::string g_raised;
void RecordRaise(const pp::Exception& e) { g_raised = e.Message(); }

// A value that is not a 32-bit integer fails discovery: no list, no walk of the device list,
// no record left alive, and the error goes through the raise hook.
TEST(UserDefinedPort, ValueOfAnotherTypeFailsDiscovery) {
  struct Case {
    const char* what;
    DWORD type;
    std::vector<BYTE> data;
  };
  const Case cases[] = {
      {"string", REG_SZ, {'8', '8', '8', 0}},
      {"binary", REG_BINARY, {0x78, 0x03, 0x00, 0x00}},
      {"qword", REG_QWORD, {0x78, 0x03, 0, 0, 0, 0, 0, 0}},
      {"short dword", REG_DWORD, {0x78, 0x03}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedPreferenceLocation location;
    location.WriteAddress(c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    FakeDeviceTable table(MachineWithAPort());
    const LONG records_before = pp::discovery::TParallelPortData::LiveInstances();
    const LONG lists_before = pp::discovery::TParallelPorts::LiveInstances();
    g_raised.clear();
    const pp::RaiseHook previous = pp::SetRaiseHook(RecordRaise);

    IParallelPortList* list = reinterpret_cast<IParallelPortList*>(0x1);  // must come back null
    EXPECT_EQ(pp::discovery::CreateParallelPortList(&list), E_UNEXPECTED);
    pp::SetRaiseHook(previous);

    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(g_raised, "Invalid data type for 'ParallelPortAddress'");
    EXPECT_EQ(table.class_devs_calls, 0) << "expected the device list not to be walked";
    EXPECT_EQ(pp::discovery::TParallelPortData::LiveInstances(), records_before);
    EXPECT_EQ(pp::discovery::TParallelPorts::LiveInstances(), lists_before);
  }
}

}  // namespace
}  // namespace discovery_test
