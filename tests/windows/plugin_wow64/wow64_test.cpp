// A 32-bit plug-in on 64-bit Windows: the driver cannot serve it, so it is never tried; the
// manager still hands out its default port. Runs in the 64-bit Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "hostenv/platform.h"
#include "plugin_host.h"

namespace pp::test {
namespace {

TEST(Wow64, ThePrefixReallyIsWow64) {
  BOOL wow64 = FALSE;
  ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
  ASSERT_TRUE(wow64) << "expected a 64-bit prefix";
  EXPECT_TRUE(hostenv::IsWow64());
}

TEST(Wow64, DriverIsNeverAttemptedAndTheDefaultPortStillExists) {
  SimLog log;
  ScopedUserKey key("Software\\Veltrex2004\\Quillmark");
  key.SetDword("ParallelPortAddress", 0x378);
  key.SetDword("DontShowLoadParallerPortDriverFailed", 1);  // the notice would wait for a person
  LoadedPlugin plugin;
  ASSERT_NE(plugin.manager, nullptr);

  BYTE available = 7;
  EXPECT_EQ(plugin.manager->Start(&available), S_OK);
  EXPECT_EQ(available, 0);
  LONG count = -1;
  EXPECT_EQ(plugin.manager->GetPortCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  ASSERT_NE(port, nullptr);
  WORD base = 0;
  port->GetBaseAddress(&base);
  EXPECT_EQ(base, 0x378);
  EXPECT_TRUE(log.Lines().empty()) << "expected the driver library untouched, got: " << Join(log.Lines());
  EXPECT_EQ(GetModuleHandleA("Vexio.dll"), nullptr);
}

}  // namespace
}  // namespace pp::test
