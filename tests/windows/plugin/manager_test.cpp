// The manager through the real export, with the simulated driver in System\: driver attempts,
// start-up, the registry override, Stop's order.
#include <gtest/gtest.h>

#include <fstream>

#include "plugin_host.h"

namespace pp::test {
namespace {

const char* const kPreferenceKey = "Software\\Veltrex2004\\Quillmark";

class ManagerTest : public ::testing::Test {
 protected:
  SimLog log;
};

// The override names the loop-back port of the simulated driver at 0x378.
class ManagerWithPortTest : public ManagerTest {
 protected:
  ScopedUserKey key{kPreferenceKey};
  ManagerWithPortTest() { key.SetDword("ParallelPortAddress", 0x378); }
};

TEST_F(ManagerTest, DriverThatNeverLoadsIsTriedTenTimes) {
  ScopedEnv fails("VEXIO_SIM_LOAD_FAILS", "1000");
  // The failure notice is silenced: shown, it would wait for a person.
  ScopedUserKey key(kPreferenceKey);
  key.SetDword("DontShowLoadParallerPortDriverFailed", 1);
  LoadedPlugin plugin;
  LONG count = -1;
  EXPECT_EQ(plugin.manager->GetPortCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(log.Count("LoadIODriver"), 10) << Join(log.Lines());
  EXPECT_EQ(log.Count("ActivateIo"), 0);
  EXPECT_EQ(plugin.manager->GetPortCount(&count), S_OK);
  EXPECT_EQ(log.Count("LoadIODriver"), 10) << "a started manager must not try again";

  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  ASSERT_NE(port, nullptr) << "the default port exists even without a driver";
}

TEST_F(ManagerTest, DriverThatLoadsAtTheTenthAttemptCountsAsStarted) {
  ScopedEnv fails("VEXIO_SIM_LOAD_FAILS", "9");
  LoadedPlugin plugin;
  BYTE available = 7;
  EXPECT_EQ(plugin.manager->Start(&available), S_OK);
  EXPECT_EQ(log.Count("LoadIODriver"), 10);
  EXPECT_EQ(log.Count("ActivateIo"), 1);
  EXPECT_EQ(available, 0) << "Wine has no parallel ports and no override is set";
}

TEST_F(ManagerWithPortTest, StartFindsTheOverridePortAndProbesIt) {
  LoadedPlugin plugin;
  BYTE available = 0;
  ASSERT_EQ(plugin.manager->Start(&available), S_OK);
  EXPECT_EQ(available, 1);
  LONG count = 0;
  ASSERT_EQ(plugin.manager->GetPortCount(&count), S_OK);
  EXPECT_EQ(count, 1);
  // The probe: 0x55 and 0xAA written and read back on the data register.
  const std::vector<std::string> lines = log.Lines();
  const std::vector<std::string> expected = {"attach", "LoadIODriver", "ActivateIo", "WriteByte 0378 55", "ReadByte 0378 55",
                                             "WriteByte 0378 AA", "ReadByte 0378 AA"};
  EXPECT_EQ(lines, expected) << Join(lines);

  IParallelPort* first = nullptr;
  IParallelPort* active = nullptr;
  ASSERT_EQ(plugin.manager->GetFirstPort(&first), S_OK);
  ASSERT_EQ(plugin.manager->GetActivePort(&active), S_OK);
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(active, first) << "the loop-back plug makes the first port the active one";
  IParallelPort* by_index = nullptr;
  ASSERT_EQ(plugin.manager->GetPort(0, &by_index), S_OK);
  EXPECT_EQ(by_index, first);
}

TEST_F(ManagerWithPortTest, StopTearsDownInOrderAndTheNextCallStartsAgain) {
  LoadedPlugin plugin;
  LONG count = 0;
  ASSERT_EQ(plugin.manager->GetPortCount(&count), S_OK);
  ASSERT_EQ(plugin.manager->Stop(), S_OK);
  std::vector<std::string> lines = log.Lines();
  ASSERT_GE(lines.size(), 3u);
  const std::vector<std::string> tail(lines.end() - 3, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"DeActivateIo", "UnLoadIODriver", "detach"})) << Join(lines);

  EXPECT_EQ(plugin.manager->Stop(), S_OK);
  EXPECT_EQ(log.Lines().size(), lines.size()) << "a second Stop must touch nothing";

  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetFirstPort(&port), S_OK);
  EXPECT_NE(port, nullptr);
  EXPECT_EQ(log.Count("LoadIODriver"), 2) << "the driver is loaded again after Stop";
}

TEST_F(ManagerTest, StopBeforeStartTouchesNothing) {
  LoadedPlugin plugin;
  EXPECT_EQ(plugin.manager->Stop(), S_OK);
  EXPECT_EQ(log.Count("LoadIODriver"), 0);
}

TEST_F(ManagerWithPortTest, GetPortOutsideTheListFailsAndLeavesErrorInformation) {
  LoadedPlugin plugin;
  for (LONG index : {1L, -1L, 5L}) {
    IParallelPort* port = reinterpret_cast<IParallelPort*>(1);
    EXPECT_EQ(plugin.manager->GetPort(index, &port), static_cast<HRESULT>(0x8000FFFF)) << index;
    EXPECT_EQ(port, nullptr) << index;
    IErrorInfo* info = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK) << index;
    ASSERT_NE(info, nullptr) << index;
    BSTR source = nullptr, description = nullptr;
    info->GetSource(&source);
    info->GetDescription(&description);
    EXPECT_STREQ(source, L"ParallelPort.dll") << index;
    EXPECT_EQ(std::wstring(description), L"List index out of bounds (" + std::to_wstring(index) + L")");
    SysFreeString(source);
    SysFreeString(description);
    info->Release();
  }
}

TEST_F(ManagerTest, NullOutParametersFailAtTheStoreAfterTheStepsBeforeIt) {
  LoadedPlugin plugin;
  const HRESULT kFail = static_cast<HRESULT>(0x8000FFFF);
  EXPECT_EQ(plugin.manager->Start(nullptr), kFail);
  EXPECT_EQ(log.Count("LoadIODriver"), 0) << "Start stores its default before anything else";
  EXPECT_EQ(plugin.manager->GetPortCount(nullptr), kFail);
  EXPECT_EQ(log.Count("LoadIODriver"), 1) << "GetPortCount starts the manager before storing";
  EXPECT_EQ(plugin.manager->GetFirstPort(nullptr), kFail);
  EXPECT_EQ(plugin.manager->GetActivePort(nullptr), kFail);
  EXPECT_EQ(plugin.manager->GetDefaultPort(nullptr), kFail);
  EXPECT_EQ(plugin.manager->GetPort(0, nullptr), kFail);
}

TEST_F(ManagerTest, OverrideStoredAsStringFailsWithoutCrashing) {
  ScopedUserKey key(kPreferenceKey);
  key.SetString("ParallelPortAddress", "888");
  LoadedPlugin plugin;
  BYTE available = 7;
  EXPECT_EQ(plugin.manager->Start(&available), static_cast<HRESULT>(0x8000FFFF));
  EXPECT_EQ(available, 0);
  IParallelPort* port = nullptr;
  EXPECT_EQ(plugin.manager->GetDefaultPort(&port), S_OK) << "what was built before the failure stays";
  EXPECT_NE(port, nullptr);
}

// The preference location moves the key the override is read from.
TEST_F(ManagerTest, OverrideFollowsThePreferenceLocation) {
  struct Case { const char* name; bool by_registry; };
  for (Case c : {Case{"registry", true}, Case{"PrefFolder.ini", false}}) {
    ScopedUserKey moved("Software\\PPTestLocation\\Quillmark");
    moved.SetDword("ParallelPortAddress", 0x378);
    ScopedUserKey root("Software\\Veltrex2004");
    const std::string ini = ExeFolder() + "System\\PrefFolder.ini";
    if (c.by_registry) {
      ScopedUserKey section("Software\\Veltrex2004\\Preference Location");
      section.SetString("Application", "PPTestLocation");
      LoadedPlugin plugin;
      LONG count = 0;
      EXPECT_EQ(plugin.manager->GetPortCount(&count), S_OK);
      EXPECT_EQ(count, 1) << c.name;
    } else {
      RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Veltrex2004");
      std::ofstream(ini) << "[Preference Location]\r\nApplication=PPTestLocation\r\n";
      LoadedPlugin plugin;
      LONG count = 0;
      EXPECT_EQ(plugin.manager->GetPortCount(&count), S_OK);
      EXPECT_EQ(count, 1) << c.name;
      DeleteFileA(ini.c_str());
    }
  }
}

}  // namespace
}  // namespace pp::test
