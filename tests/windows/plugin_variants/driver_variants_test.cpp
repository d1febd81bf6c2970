// The real plug-in over driver libraries that lack pieces: none at all, one without
// "LoadIODriver", one without "ActivateIo". The plug-in finds the driver in the System folder
// beside the host executable, so each case runs in a child process: this executable copied into
// a folder of its own with the plug-in and that case's System\Vexio.dll (or none). The child
// runs one of the disabled tests below; the parent only lays out the folder and reads the result.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../hostenv/hostenv_helpers.h"
#include "plugin_host.h"

namespace pp::test {
namespace {

const HRESULT kFail = static_cast<HRESULT>(0x8000FFFF);

struct Started {
  LoadedPlugin plugin;
  IParallelPort* port = nullptr;
  BYTE available = 7;
  LONG count = -1;
  Started() {
    if (!plugin.manager) return;
    EXPECT_EQ(plugin.manager->Start(&available), S_OK);
    EXPECT_EQ(plugin.manager->GetPortCount(&count), S_OK);
    EXPECT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  }
  BYTE LastData() {
    BYTE value = 0xEE;
    EXPECT_EQ(port->GetLastData(&value), S_OK);
    return value;
  }
};

// No driver library: nothing fails, reads yield 0, writes go nowhere, no port is found.
TEST(DISABLED_InVariantFolder, NoDriverLibrary) {
  Started s;
  ASSERT_NE(s.port, nullptr) << "expected the default port without a driver";
  EXPECT_EQ(s.available, 0);
  EXPECT_EQ(s.count, 0);
  EXPECT_EQ(GetModuleHandleA("Vexio.dll"), nullptr);
  EXPECT_EQ(s.port->WriteDataByte(0x5A), S_OK);
  EXPECT_EQ(s.port->ReadData(), S_OK);
  EXPECT_EQ(s.LastData(), 0x00) << "a read without driver yields 0";
  EXPECT_EQ(s.port->SetBusy(1), S_OK);
  EXPECT_EQ(s.port->ReadStatus(), S_OK);
  BYTE busy = 7, present = 7, active = 7;
  EXPECT_EQ(s.port->GetBusy(&busy), S_OK);
  EXPECT_EQ(busy, 0);
  EXPECT_EQ(s.port->ProbePort(&present), S_OK);
  EXPECT_EQ(present, 0);
  EXPECT_EQ(s.port->IsPortActive(&active), S_OK);
  EXPECT_EQ(active, 0);
  IParallelPort* none = reinterpret_cast<IParallelPort*>(1);
  EXPECT_EQ(s.plugin.manager->GetPort(5, &none), S_OK) << "no ports: any index is no error";
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(s.plugin.manager->Stop(), S_OK);
}

// "LoadIODriver" missing: the driver never counts as started, yet register access reaches the
// library, whose "ReadByte" and "WriteByte" were resolved.
TEST(DISABLED_InVariantFolder, NoLoadIODriver) {
  SimLog log;
  Started s;
  ASSERT_NE(s.port, nullptr);
  EXPECT_EQ(s.available, 0);
  EXPECT_EQ(s.count, 0);
  EXPECT_EQ(log.Count("ActivateIo"), 0) << "never activated: never loaded";
  EXPECT_EQ(log.Count("attach"), 1) << "ten attempts hold one reference to the library\n" << Join(log.Lines());
  EXPECT_EQ(s.port->WriteDataByte(0x5A), S_OK);
  EXPECT_EQ(log.Count("WriteByte 0378 5A"), 1) << Join(log.Lines());
  EXPECT_EQ(s.port->ReadData(), S_OK);
  EXPECT_EQ(s.LastData(), 0x5A) << "the read reached the driver";
  EXPECT_EQ(s.plugin.manager->Stop(), S_OK);
  EXPECT_EQ(log.Count("UnLoadIODriver"), 0) << "a driver that never loaded is not unloaded";
  EXPECT_EQ(log.Count("DeActivateIo"), 0);
  EXPECT_EQ(log.Count("detach"), 1) << "expected Stop to let the library go\n" << Join(log.Lines());
}

// "ActivateIo" missing: loaded once, activation tried ten times in vain, register access still
// reaches the driver; Stop unloads without deactivating.
TEST(DISABLED_InVariantFolder, NoActivateIo) {
  SimLog log;
  Started s;
  ASSERT_NE(s.port, nullptr);
  EXPECT_EQ(s.available, 0);
  EXPECT_EQ(log.Count("LoadIODriver"), 1) << "a loaded driver is not loaded again\n" << Join(log.Lines());
  EXPECT_EQ(s.port->WriteDataByte(0xA5), S_OK);
  EXPECT_EQ(s.port->ReadData(), S_OK);
  EXPECT_EQ(s.LastData(), 0xA5);
  EXPECT_EQ(s.plugin.manager->Stop(), S_OK);
  std::vector<std::string> lines = log.Lines();
  ASSERT_GE(lines.size(), 2u) << Join(lines);
  const std::vector<std::string> tail(lines.end() - 2, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"UnLoadIODriver", "detach"})) << Join(lines);
  EXPECT_EQ(log.Count("DeActivateIo"), 0);
}

// A folder laid out like the host's installation, with this executable as the host.
class VariantFolder {
 public:
  VariantFolder(const std::string& name, const char* driver) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "pp-variant-" + name + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "System").c_str(), nullptr);
    Copy(hostenv::test::ExePath(), exe());
    Copy(ExeFolder() + "ParallelPort.dll", folder_ + "ParallelPort.dll");
    if (driver) Copy(ExeFolder() + driver, folder_ + "System\\Vexio.dll");
  }
  ~VariantFolder() {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA((folder_ + "System").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string exe() const { return folder_ + "plugin_variants_tests.exe"; }

 private:
  void Copy(const std::string& from, const std::string& to) {
    EXPECT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << "copying " << from << ": error " << GetLastError();
    files_.push_back(to);
  }
  std::string folder_;
  std::vector<std::string> files_;
};

TEST(DriverVariants, ThroughTheRealPlugin) {
  struct Case {
    const char* name;
    const char* driver;  // below the install folder; nullptr: no driver library
    const char* test;
  };
  const Case cases[] = {
      {"none", nullptr, "NoDriverLibrary"},
      {"no-load", "simdriver-variants\\no-load\\Vexio.dll", "NoLoadIODriver"},
      {"no-activate", "simdriver-variants\\no-activate\\Vexio.dll", "NoActivateIo"},
  };
  // The notice that the driver did not start is silenced, so that no dialog waits for a user.
  ScopedUserKey key("Software\\Veltrex2004\\Quillmark");
  key.SetDword("DontShowLoadParallerPortDriverFailed", 1);
  for (const Case& c : cases) {
    VariantFolder folder(c.name, c.driver);
    const hostenv::test::ChildResult child = hostenv::test::RunChild(
        "\"" + folder.exe() + "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_InVariantFolder." + c.test);
    EXPECT_EQ(child.exitCode, 0u) << c.name << ":\n" << child.output;
    EXPECT_NE(child.output.find("[  PASSED  ] 1 test"), std::string::npos) << c.name << ":\n" << child.output;
  }
}

}  // namespace
}  // namespace pp::test
