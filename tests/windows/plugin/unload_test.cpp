// Unloading the plug-in while the driver is up: the host may free the library without Stop, and
// what runs then runs inside the loader lock, where nothing may call into or free another
// library.
#include <gtest/gtest.h>

#include "plugin_host.h"

namespace pp::test {
namespace {

TEST(PluginUnload, WithoutStopLeavesTheDriverAsItIsAndLoadingAgainWorks) {
  SimLog log;
  ScopedUserKey key("Software\\Veltrex2004\\Quillmark");
  key.SetDword("ParallelPortAddress", 0x378);

  HMODULE plugin = LoadLibraryA((ExeFolder() + "ParallelPort.dll").c_str());
  ASSERT_NE(plugin, nullptr);
  auto entry = reinterpret_cast<PFN_GetParallelPortManager>(
      reinterpret_cast<void*>(GetProcAddress(plugin, "GetParallelPortManager")));
  ASSERT_NE(entry, nullptr);
  IParallelPortManager* manager = nullptr;
  ASSERT_EQ(entry(&manager), S_OK);
  BYTE available = 0;
  ASSERT_EQ(manager->Start(&available), S_OK);
  ASSERT_EQ(available, 1);
  const std::vector<std::string> started = log.Lines();

  ASSERT_TRUE(FreeLibrary(plugin));
  EXPECT_EQ(GetModuleHandleA("ParallelPort.dll"), nullptr) << "expected the plug-in unloaded";
  EXPECT_EQ(log.Lines(), started) << "expected no call into the driver library at unload, got\n" << Join(log.Lines());
  HMODULE driver = GetModuleHandleA("Vexio.dll");
  EXPECT_NE(driver, nullptr) << "expected the driver library still loaded";

  {
    LoadedPlugin again;
    ASSERT_NE(again.manager, nullptr);
    available = 0;
    ASSERT_EQ(again.manager->Start(&available), S_OK);
    EXPECT_EQ(available, 1);
    IParallelPort* port = nullptr;
    ASSERT_EQ(again.manager->GetFirstPort(&port), S_OK);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->WriteDataByte(0x3C), S_OK);
    EXPECT_EQ(log.Count("WriteByte 0378 3C"), 1) << Join(log.Lines());
  }  // Stop: deactivated, unloaded, and the new reference freed

  EXPECT_EQ(log.Count("DeActivateIo"), 1) << Join(log.Lines());
  EXPECT_EQ(log.Count("UnLoadIODriver"), 1) << Join(log.Lines());
  // The reference the first plug-in left behind keeps the library loaded; give it back so the
  // next test starts with a fresh driver.
  if (driver && GetModuleHandleA("Vexio.dll")) FreeLibrary(driver);
  EXPECT_EQ(log.Count("detach"), 1) << Join(log.Lines());
}

}  // namespace
}  // namespace pp::test
