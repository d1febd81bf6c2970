#include "plugin/port_manager.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "base/errors.h"
#include "support/scripted_io.h"

namespace pp::plugin {
namespace {

struct Record {
  std::u16string name;
  int32_t io_start;
};

class FakeList : public DiscoveredPorts {
 public:
  FakeList(std::vector<Record> records, int fail_at) : records_(std::move(records)), fail_at_(fail_at) {}
  int32_t Count() override { return static_cast<int32_t>(records_.size()); }
  std::u16string Name(int32_t i) override {
    if (i == fail_at_) throw std::runtime_error("record failed");
    return records_.at(i).name;
  }
  int32_t IoStart(int32_t i) override { return records_.at(i).io_start; }

 private:
  std::vector<Record> records_;
  int fail_at_;
};

// Counts the driver stages; LoadDriver and ActivateDriver fail a given number of times first.
class FakeDriverLibrary : public driver::DriverLibrary {
 public:
  int load_failures = 0, activate_failures = 0;
  std::vector<std::string> calls;
  bool LoadDriver() override {
    calls.push_back("load");
    return load_failures-- <= 0;
  }
  void UnloadDriver() override { calls.push_back("unload"); }
  bool ActivateDriver() override {
    calls.push_back("activate");
    return activate_failures-- <= 0;
  }
  void DeactivateDriver() override { calls.push_back("deactivate"); }
  void ReleaseLibrary() override { calls.push_back("release"); }
  int Count(const std::string& what) const { return static_cast<int>(std::count(calls.begin(), calls.end(), what)); }
};

// Ports answer at the addresses in `present` (the data register echoes); a port in `looped`
// carries the loop-back plug the activity test looks for.
class FakeServices : public PortManagerServices {
 public:
  FakeServices() {
    io.on_read = [this](uint16_t address) -> uint8_t {
      for (uint16_t base : present) {
        if (address == base) return io.LastWritten(base);
        if (address == base + 1) {
          if (!looped.count(base)) return 0x00;
          return (io.LastWritten(base) & 0x40) ? 0x20 : 0x80;
        }
      }
      return 0xFF;
    };
  }
  bool wow64 = false;
  std::vector<Record> records;
  int fail_record_at = -1;
  int notices = 0, lists_created = 0;
  std::set<uint16_t> present, looped;
  test::ScriptedIo io;

  bool IsWow64() override { return wow64; }
  std::unique_ptr<DiscoveredPorts> CreatePortList() override {
    ++lists_created;
    return std::make_unique<FakeList>(records, fail_record_at);
  }
  std::unique_ptr<port::ParallelPort> CreatePort(uint16_t base) override {
    return std::make_unique<port::ParallelPort>(io, base);
  }
  void ShowDriverFailureNotice() override { ++notices; }
};

class ManagerTest : public ::testing::Test {
 protected:
  FakeDriverLibrary library;
  driver::DriverControl driver{library};
  FakeServices services;
  PortManager manager{driver, services};

  int32_t Count() {
    int32_t count = -1;
    manager.GetPortCount(&count);
    return count;
  }
  std::vector<uint16_t> Bases() {
    std::vector<uint16_t> out;
    for (int32_t i = 0, n = Count(); i < n; ++i) {
      port::ParallelPort* p = nullptr;
      manager.GetPort(i, &p);
      out.push_back(p->BaseAddress());
    }
    return out;
  }
};

TEST_F(ManagerTest, DriverThatNeverLoadsIsTriedTenTimesAndToldOnce) {
  library.load_failures = 100;
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(library.Count("load"), 10);
  EXPECT_EQ(services.notices, 1);
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(library.Count("load"), 10) << "a started manager must not retry the driver";
  EXPECT_EQ(services.notices, 1);
  EXPECT_EQ(services.lists_created, 0) << "no discovery without a driver";
  manager.Stop();
  EXPECT_EQ(library.Count("unload"), 0) << "a driver that never loaded is not unloaded";
  EXPECT_EQ(library.Count("release"), 1) << "the library the attempts left loaded is let go";
}

TEST_F(ManagerTest, DriverAttempts) {
  struct Case { const char* name; int load_failures, activate_failures; int loads, activations, notices; };
  const Case cases[] = {
      {"starts at once", 0, 0, 1, 1, 0},
      {"loads at the 10th attempt", 9, 0, 10, 1, 0},
      {"activates at the 10th attempt", 0, 9, 1, 10, 0},
      {"never activates", 0, 100, 1, 10, 1},
  };
  for (const Case& c : cases) {
    FakeDriverLibrary lib;
    lib.load_failures = c.load_failures;
    lib.activate_failures = c.activate_failures;
    driver::DriverControl control(lib);
    FakeServices s;
    PortManager m(control, s);
    uint8_t available = 7;
    m.Start(&available);
    EXPECT_EQ(lib.Count("load"), c.loads) << c.name;
    EXPECT_EQ(lib.Count("activate"), c.activations) << c.name;
    EXPECT_EQ(s.notices, c.notices) << c.name;
    EXPECT_EQ(available, 0) << c.name << ": no ports discovered";
  }
}

TEST_F(ManagerTest, Wow64NeverTriesTheDriverButStillHasTheDefaultPort) {
  services.wow64 = true;
  port::ParallelPort* port = nullptr;
  manager.GetDefaultPort(&port);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->BaseAddress(), 0x378);
  EXPECT_TRUE(library.calls.empty());
  EXPECT_EQ(services.notices, 1);
}

TEST_F(ManagerTest, PortsAreKeptInLptOrderWhenPresent) {
  services.records = {{u"Printer Port (LPT2)", 0x278}, {u"Printer Port (LPT1)", 0x378}, {u"ECP Port (LPT3)", 0x3BC}};
  services.present = {0x278, 0x378};
  EXPECT_EQ(Bases(), (std::vector<uint16_t>{0x378, 0x278}));
  EXPECT_EQ(services.lists_created, 1);
}

TEST_F(ManagerTest, NameMatching) {
  struct Case { const char* name; std::vector<Record> records; std::vector<uint16_t> bases; };
  const Case cases[] = {
      // LPT1 must not be found inside LPT10: each name takes its own record's address.
      {"LPT10 before LPT1", {{u"(LPT10)", 0x1000}, {u"(LPT1)", 0x378}}, {0x378, 0x1000}},
      {"LPT1 found after its digit-followed sibling", {{u"LPT12 LPT1", 0x378}}, {0x378, 0x378}},
      {"lower case is another name", {{u"Port (lpt1)", 0x378}}, {}},
      {"a zero start yields no port, even with a later match", {{u"(LPT1)", 0}, {u"(LPT1)", 0x378}}, {}},
      {"starts above 0xFFFF keep their low 16 bits", {{u"(LPT1)", 0x10378}}, {0x378}},
  };
  for (const Case& c : cases) {
    FakeDriverLibrary lib;
    driver::DriverControl control(lib);
    FakeServices s;
    s.records = c.records;
    s.present = {0x378, 0x1000};
    PortManager m(control, s);
    std::vector<uint16_t> bases;
    int32_t count = 0;
    m.GetPortCount(&count);
    for (int32_t i = 0; i < count; ++i) {
      port::ParallelPort* p = nullptr;
      m.GetPort(i, &p);
      bases.push_back(p->BaseAddress());
    }
    EXPECT_EQ(bases, c.bases) << c.name;
  }
}

TEST_F(ManagerTest, GetPortOutsideTheList) {
  services.records = {{u"(LPT1)", 0x378}, {u"(LPT2)", 0x278}};
  services.present = {0x378, 0x278};
  for (int32_t index : {2, -1, 5}) {
    port::ParallelPort* port = reinterpret_cast<port::ParallelPort*>(1);
    try {
      manager.GetPort(index, &port);
      ADD_FAILURE() << "expected EListError for index " << index << ", got none";
    } catch (const EListError& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(index) + ")");
    }
    EXPECT_EQ(port, nullptr) << index;
  }
}

TEST_F(ManagerTest, GetPortWithoutPortsIsNoError) {
  port::ParallelPort* port = reinterpret_cast<port::ParallelPort*>(1);
  manager.GetPort(5, &port);
  EXPECT_EQ(port, nullptr);
}

TEST_F(ManagerTest, ActivePortIsTheFirstThatPassesAndLaterOnesAreNotTested) {
  services.records = {{u"(LPT1)", 0x378}, {u"(LPT2)", 0x278}, {u"(LPT3)", 0x3BC}};
  services.present = {0x378, 0x278, 0x3BC};
  port::ParallelPort* port = nullptr;
  manager.GetActivePort(&port);
  EXPECT_EQ(port, nullptr) << "no port carries the plug";

  services.looped = {0x278, 0x3BC};
  services.io.log.clear();
  manager.GetActivePort(&port);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->BaseAddress(), 0x278);
  for (const test::Access& a : services.io.log) EXPECT_LT(a.address, 0x3BC) << "LPT3 must not be tested";
}

TEST_F(ManagerTest, StopFreesAndTheNextOperationStartsAfresh) {
  manager.Stop();
  manager.Stop();
  EXPECT_TRUE(library.calls.empty()) << "Stop before Start touches nothing";

  services.records = {{u"(LPT1)", 0x378}};
  services.present = {0x378};
  EXPECT_EQ(Count(), 1);
  manager.Stop();
  EXPECT_EQ(library.calls, (std::vector<std::string>{"load", "activate", "deactivate", "unload"}));
  EXPECT_FALSE(manager.Started());

  port::ParallelPort* port = nullptr;
  manager.GetFirstPort(&port);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(library.Count("load"), 2);
  EXPECT_EQ(services.lists_created, 2);
}

TEST_F(ManagerTest, StopWithOnlyTheLoadStageUnloadsWithoutDeactivating) {
  library.activate_failures = 100;
  EXPECT_EQ(Count(), 0);
  manager.Stop();
  EXPECT_EQ(library.Count("deactivate"), 0);
  EXPECT_EQ(library.Count("unload"), 1);
  EXPECT_EQ(library.Count("release"), 0) << "unloading frees the library already";
}

TEST_F(ManagerTest, FailureDuringStartKeepsWhatWasBuilt) {
  services.records = {{u"(LPT1)", 0x378}, {u"(LPT2)", 0x278}};
  services.present = {0x378, 0x278};
  services.fail_record_at = 1;  // LPT1 is found in record 0; LPT2's search reaches record 1
  uint8_t available = 7;
  EXPECT_ANY_THROW(manager.Start(&available));
  EXPECT_EQ(available, 0);
  EXPECT_TRUE(manager.Started());
  EXPECT_EQ(Count(), 1) << "a later Start only reports the ports appended so far";
  EXPECT_EQ(services.lists_created, 1);
}

TEST_F(ManagerTest, NullOutParameters) {
  EXPECT_THROW(manager.Start(nullptr), Exception);
  EXPECT_FALSE(manager.Started()) << "Start stores its default before doing anything";
  EXPECT_THROW(manager.GetPortCount(nullptr), Exception);
  EXPECT_TRUE(manager.Started()) << "GetPortCount starts before it stores";
}

}  // namespace
}  // namespace pp::plugin
