// The device walk, against a fake device list (Wine has no parallel ports). Every test also
// checks the books of the fake: each handle released exactly once, nothing released that was
// not given out, the device information set destroyed once.
#include <gtest/gtest.h>

#include "base/win_handles.h"
#include "discovery/parallel_ports.h"
#include "discovery_fixture.h"
#include "fake_devices.h"

namespace discovery_test {
namespace {

using Records = std::vector<Record>;
using Strings = std::vector<std::string>;
using F = DescriptorFault;

class DeviceWalk : public ::testing::Test {
 protected:
  // No override: the preference key does not exist.
  ScopedPreferenceLocation location_;

  static void ExpectBooksBalance(const FakeDeviceTable& table) {
    EXPECT_EQ(table.LiveHandles(), Strings{}) << "expected every handle released";
    EXPECT_EQ(table.misuse, Strings{}) << "expected no misuse of the device functions";
  }
};

TEST_F(DeviceWalk, NoDevicesGiveAnEmptyList) {
  FakeDeviceTable table;
  EXPECT_EQ(Discover(), Records{});
  EXPECT_EQ(table.class_devs_calls, 1);
  ExpectBooksBalance(table);
}

TEST_F(DeviceWalk, NoDeviceInfoSetGivesAnEmptyList) {
  FakeDeviceTable table({{"Ports", "Printer Port (LPT1)", std::vector<FakeRange>{{0x378, 0x37F}}, {}}});
  table.class_devs_fails = true;
  EXPECT_EQ(Discover(), Records{});
  EXPECT_EQ(table.sets_destroyed, 0) << "expected no destroy of a set that was never obtained";
  ExpectBooksBalance(table);
}

// Which devices count: "Ports" in any letter case, "(LPT" exactly; a device whose class or
// name cannot be read is passed over and the walk goes on.
TEST_F(DeviceWalk, KeepsPortsClassDevicesWithLptInTheirName) {
  const std::string fits(1023 - 6, 'x');    // with "(LPT6)" and the zero: exactly the buffer
  const std::string too_long(1024 - 6, 'x');  // one byte more than the buffer holds
  const auto io = [](DWORDLONG base) { return FakeConf(std::vector<FakeRange>{{base, base + 7}}); };
  FakeDeviceTable table({
      {"Ports", "ECP Printer Port (LPT1)", io(0x378), {}},
      {"ports", "Printer Port (LPT2)", io(0x278), {}},
      {"Ports", "Communications Port (COM1)", io(0x3F8), {}},
      {"PORTS", "(LPT3)", io(0x3BC), {}},
      {"Ports", "Printer Port (lpt4)", io(0x2BC), {}},
      {"Printer", "Printer on (LPT1)", io(0x100), {}},
      {std::nullopt, "Unreadable class (LPT5)", io(0x200), {}},
      {"Ports", std::nullopt, io(0x300), {}},
      {"Ports", fits + "(LPT6)", io(0x400), {}},
      {"Ports", too_long + "(LPT7)", io(0x500), {}},
      {"Ports", "No configuration (LPT8)", {}, {}},
      {"Ports", "Printer Port (LPT9)", io(0x600), {}},
  });
  EXPECT_EQ(Discover(), (Records{{"ECP Printer Port (LPT1)", 0x378, 0x37F},
                                 {"Printer Port (LPT2)", 0x278, 0x27F},
                                 {"(LPT3)", 0x3BC, 0x3C3},
                                 {fits + "(LPT6)", 0x400, 0x407},
                                 {"Printer Port (LPT9)", 0x600, 0x607}}));
  ExpectBooksBalance(table);
}

// One device, its configurations and descriptors: which records come out and which
// configurations are asked for.
TEST_F(DeviceWalk, RecordsFollowTheConfigurations) {
  const std::string name = "Printer Port (LPT1)";
  struct Case {
    const char* what;
    FakeConf allocated;
    FakeConf boot;
    Records records;
    Strings requests;
  };
  const Case cases[] = {
      {"two descriptors, in order", std::vector<FakeRange>{{888, 895}, {1912, 1914}}, std::nullopt,
       {{name, 888, 895}, {name, 1912, 1914}}, {"alloc 0"}},
      {"allocated without I/O: boot not read", std::vector<FakeRange>{}, std::vector<FakeRange>{{888, 895}}, {},
       {"alloc 0"}},
      {"boot when nothing allocated", std::nullopt, std::vector<FakeRange>{{956, 959}, {1980, 1983}},
       {{name, 956, 959}, {name, 1980, 1983}}, {"alloc 0", "boot 0"}},
      {"neither configuration", std::nullopt, std::nullopt, {}, {"alloc 0", "boot 0"}},
      {"size fails: walk ends, records kept", std::vector<FakeRange>{{888, 895}, {1, 2, F::SizeFails}, {3, 4}},
       std::nullopt, {{name, 888, 895}}, {"alloc 0"}},
      {"data fails: walk ends, records kept", std::vector<FakeRange>{{888, 895}, {1, 2, F::DataFails}, {3, 4}},
       std::nullopt, {{name, 888, 895}}, {"alloc 0"}},
      {"data shorter than its header", std::vector<FakeRange>{{1, 2, F::ShortData}, {888, 895}}, std::nullopt, {},
       {"alloc 0"}},
      {"low 32 bits of the 64-bit range", std::vector<FakeRange>{{0x100000378ull, 0xFFFFFFFFFFFFFFFFull}},
       std::nullopt, {{name, 0x378, -1}}, {"alloc 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeDeviceTable table({{"Ports", name, c.allocated, c.boot}});
    EXPECT_EQ(Discover(), c.records);
    EXPECT_EQ(table.conf_requests, c.requests);
    ExpectBooksBalance(table);
  }
}

// Friendly names arrive in the ANSI code page and leave as UTF-16: byte 0x80 is the euro sign
// in code page 1252, not U+0080.
TEST_F(DeviceWalk, FriendlyNameIsConvertedFromTheAnsiCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "needs ANSI code page 1252, this prefix has " << GetACP();
  FakeDeviceTable table({{"Ports", "Port \x80 (LPT1)", std::vector<FakeRange>{{888, 895}}, {}}});
  pp::win::ComPtr<IParallelPortList> list;
  ASSERT_EQ(pp::discovery::CreateParallelPortList(list.receive()), S_OK);
  pp::win::ComPtr<IParallelPortInfo> info;
  ASSERT_EQ(list->GetItem(0, info.receive()), S_OK);
  pp::win::UniqueBstr name;
  ASSERT_EQ(info->GetName(name.receive()), S_OK);
  EXPECT_EQ(std::wstring(name.get(), SysStringLen(name.get())), L"Port \u20AC (LPT1)");
}

TEST_F(DeviceWalk, EveryHandleGivenOutIsReleasedOnce) {
  FakeDeviceTable table({
      {"Ports", "Printer Port (LPT1)", std::vector<FakeRange>{{888, 895}, {1912, 1914}, {2000, 2007}}, std::nullopt},
      {"Ports", "Printer Port (LPT2)", std::nullopt, std::vector<FakeRange>{{632, 639}}},
  });
  EXPECT_EQ(Discover().size(), 4u);
  EXPECT_EQ(table.LogConfsGiven(), 2);
  EXPECT_EQ(table.ResDesGiven(), 4);
  EXPECT_EQ(table.sets_given, 1);
  ExpectBooksBalance(table);
}

}  // namespace
}  // namespace discovery_test

namespace discovery_test {
namespace {

// The system's own functions, as Wine provides them: the table's entries must be callable as
// declared. Wine lists no parallel ports, so whatever it lists must simply not break the walk.
TEST(SystemDeviceList, WalkSucceeds) {
  ScopedPreferenceLocation location;
  pp::win::ComPtr<IParallelPortList> list;
  ASSERT_EQ(pp::discovery::CreateParallelPortList(list.receive()), S_OK);
  LONG count = -1;
  EXPECT_EQ(list->GetCount(&count), S_OK);
  EXPECT_GE(count, 0);
}

}  // namespace
}  // namespace discovery_test
