// Long use of the real plug-in over the simulated driver: many Start/Stop cycles (each loads,
// activates, probes, deactivates and frees the driver library) and many port operations. The
// process's private bytes, handles and GDI objects are sampled before and after; they must stay
// where they were. The figures are printed and kept as test properties.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "plugin_host.h"

namespace pp::test {
namespace {

struct Sample {
  long long private_bytes;
  long handles;
  long gdi;
};

// Wine's GetGuiResources answers 0; there the live entries of its GDI handle table (at the
// PEB's GdiSharedHandleTable, 24-byte entries, type byte 0 = free) are counted instead.
long GdiObjects() {
  const long gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  if (gdi) return gdi;
  const uint8_t* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));  // the TEB's ProcessEnvironmentBlock
  auto* table = *reinterpret_cast<const uint8_t* const*>(peb + 0x94);
  if (!table) return -1;
  long live = 0;
  for (int i = 0; i < 0x4000; ++i) live += table[i * 24 + 14] != 0;
  return live;
}

// Committed private memory, summed over the address space: what the process's heaps and
// allocations hold. (Wine reports no PrivateUsage from GetProcessMemoryInfo.)
long long CommittedPrivateBytes() {
  long long total = 0;
  MEMORY_BASIC_INFORMATION info = {};
  for (const char* p = nullptr; VirtualQuery(p, &info, sizeof info) == sizeof info;) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += static_cast<long long>(info.RegionSize);
    const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
    if (next <= p) break;
    p = next;
  }
  return total;
}

// Open handles: GetProcessHandleCount where it answers, else the handle values that name an
// object (Wine answers 0).
long Handles() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return static_cast<long>(count);
  long live = 0;
  DWORD flags = 0;
  for (uintptr_t h = 4; h < 0x4000; h += 4) live += GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags) != 0;
  return live;
}

Sample Take() { return {CommittedPrivateBytes(), Handles(), GdiObjects()}; }

// Milliseconds from the performance counter (the tick count can stand still under Wine).
double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, const Sample& before, const Sample& after, double ms) {
  std::printf("%s: private bytes %lld -> %lld, handles %ld -> %ld, GDI objects %ld -> %ld, %.0f ms\n", what,
              before.private_bytes, after.private_bytes, before.handles, after.handles, before.gdi, after.gdi, ms);
  ::testing::Test::RecordProperty("private_bytes_growth", static_cast<int>(after.private_bytes - before.private_bytes));
  ::testing::Test::RecordProperty("handles_growth", static_cast<int>(after.handles - before.handles));
  ::testing::Test::RecordProperty("gdi_growth", static_cast<int>(after.gdi - before.gdi));
  ::testing::Test::RecordProperty("milliseconds", static_cast<int>(ms));
}

// A leak of a few bytes per cycle shows over thousands of cycles; the heap's own growth and
// Wine's caches stay below this.
constexpr long long kPrivateBytesSlack = 128 * 1024;

class Soak : public ::testing::Test {
 protected:
  ScopedUserKey key{"Software\\Veltrex2004\\Quillmark"};
  Soak() { key.SetDword("ParallelPortAddress", 0x378); }
};

TEST_F(Soak, StartStopCyclesLeaveNothingBehind) {
  LoadedPlugin plugin;
  ASSERT_NE(plugin.manager, nullptr);
  BYTE available = 0;
  for (int i = 0; i < 50; ++i) {  // warm-up: first-use allocations of Wine and the runtime
    ASSERT_EQ(plugin.manager->Start(&available), S_OK);
    ASSERT_EQ(plugin.manager->Stop(), S_OK);
  }
  const Sample before = Take();
  const double start = Now();
  for (int i = 0; i < 10000; ++i) {
    available = 0;
    ASSERT_EQ(plugin.manager->Start(&available), S_OK) << "cycle " << i;
    ASSERT_EQ(available, 1) << "cycle " << i;
    ASSERT_EQ(plugin.manager->Stop(), S_OK) << "cycle " << i;
  }
  const double ms = Now() - start;
  const Sample after = Take();
  Report("10000 Start/Stop cycles", before, after, ms);
  EXPECT_EQ(GetModuleHandleA("Vexio.dll"), nullptr) << "expected the driver library freed after Stop";
  EXPECT_LE(after.private_bytes - before.private_bytes, kPrivateBytesSlack);
  EXPECT_EQ(after.handles, before.handles);
  EXPECT_EQ(after.gdi, before.gdi);
}

TEST_F(Soak, PortOperationsLeaveNothingBehind) {
  LoadedPlugin plugin;
  ASSERT_NE(plugin.manager, nullptr);
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetFirstPort(&port), S_OK);
  ASSERT_NE(port, nullptr);
  BYTE value = 0;
  auto round = [&](int i) {
    // Ten operations a round, through the interface as a host polls and drives a port.
    const BYTE b = static_cast<BYTE>(i);
    port->SetD0(b & 1);
    port->SetStrobe((b >> 1) & 1);
    port->WriteData();
    port->WriteControl();
    port->WriteDataByte(b);
    port->ReadData();
    port->ReadStatus();
    port->ReadControl();
    port->GetBusy(&value);
    return port->GetLastData(&value) == S_OK && value == b;
  };
  for (int i = 0; i < 100; ++i) round(i);
  const Sample before = Take();
  const double start = Now();
  int wrong = 0;
  for (int i = 0; i < 10000; ++i) wrong += !round(i);
  const double ms = Now() - start;
  const Sample after = Take();
  Report("100000 port operations", before, after, ms);
  EXPECT_EQ(wrong, 0) << "rounds whose data register did not read back what was written";
  EXPECT_LE(after.private_bytes - before.private_bytes, kPrivateBytesSlack);
  EXPECT_EQ(after.handles, before.handles);
  EXPECT_EQ(after.gdi, before.gdi);
}

}  // namespace
}  // namespace pp::test
