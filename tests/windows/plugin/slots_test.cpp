// Every slot of IParallelPort reached by its number, not through the header: the table a host
// built from the published slot list must land on the right operation.
#include <windows.h>

#include <gtest/gtest.h>

#include "plugin_host.h"

namespace pp::test {
namespace {

using Getter = HRESULT(WINAPI*)(void*, BYTE*);
using Setter = HRESULT(WINAPI*)(void*, DWORD);  // a Boolean travels in a 32-bit slot

template <class F>
F Slot(void* object, int slot) {
  return reinterpret_cast<F>((*static_cast<void***>(object))[slot]);
}

struct FlagSlot {
  const char* name;
  int compose_slot;  // 37 data, 38 control, 39 status
  BYTE bit;
  BYTE initial;
};

// Getter slot 13 + i, setter slot 40 + i.
const FlagSlot kFlags[24] = {
    {"Busy", 39, 0x80, 1},     {"Ack", 39, 0x40, 1},       {"PaperOut", 39, 0x20, 1},  {"SelectIn", 39, 0x10, 1},
    {"Error", 39, 0x08, 1},    {"Irq", 39, 0x00, 1},       {"Reserved1", 39, 0x00, 1}, {"Reserved2", 39, 0x00, 1},
    {"Unused1", 38, 0x80, 1},  {"Unused2", 38, 0x40, 1},   {"Bidirectional", 38, 0x00, 0}, {"IrqViaAck", 38, 0x10, 1},
    {"SelectPrinter", 38, 0x08, 1}, {"InitializePrinter", 38, 0x04, 1}, {"AutoLineFeed", 38, 0x02, 1}, {"Strobe", 38, 0x01, 1},
    {"D0", 37, 0x01, 0}, {"D1", 37, 0x02, 0}, {"D2", 37, 0x04, 0}, {"D3", 37, 0x08, 0},
    {"D4", 37, 0x10, 0}, {"D5", 37, 0x20, 0}, {"D6", 37, 0x40, 0}, {"D7", 37, 0x80, 0},
};

TEST(Slots, FlagGettersSettersAndComposeByNumber) {
  LoadedPlugin plugin;
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  for (int i = 0; i < 24; ++i) {
    const FlagSlot& f = kFlags[i];
    BYTE value = 0xEE;
    ASSERT_EQ(Slot<Getter>(port, 13 + i)(port, &value), S_OK) << f.name;
    EXPECT_EQ(value, f.initial) << f.name << ": initial value";

    BYTE before = 0, after = 0;
    Slot<Getter>(port, f.compose_slot)(port, &before);
    // Only the low byte of the slot counts, and it is stored as given.
    ASSERT_EQ(Slot<Setter>(port, 40 + i)(port, f.initial ? 0xFFFFFF00u : 0xABCDEF02u), S_OK) << f.name;
    Slot<Getter>(port, 13 + i)(port, &value);
    const bool ignored = std::string(f.name) == "Bidirectional";
    EXPECT_EQ(value, ignored ? 0 : (f.initial ? 0x00 : 0x02)) << f.name << ": stored byte";
    Slot<Getter>(port, f.compose_slot)(port, &after);
    EXPECT_EQ(BYTE(before ^ after), ignored ? 0 : f.bit) << f.name << ": compose bit";
    Slot<Setter>(port, 40 + i)(port, f.initial);  // back to the initial image
  }
}

TEST(Slots, AddressesAndTransfersByNumber) {
  SimLog log;
  LoadedPlugin plugin;
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  using SetWord = HRESULT(WINAPI*)(void*, DWORD);
  using GetWord = HRESULT(WINAPI*)(void*, WORD*);
  using NoArgs = HRESULT(WINAPI*)(void*);
  using TwoBytes = HRESULT(WINAPI*)(void*, DWORD, DWORD);
  ASSERT_EQ(Slot<SetWord>(port, 64)(port, 0xABCD0278u), S_OK);  // upper half of the slot ignored
  WORD a[4] = {};
  for (int s = 9; s <= 12; ++s) Slot<GetWord>(port, s)(port, &a[s - 9]);
  EXPECT_EQ(a[0], 0x278);  // base
  EXPECT_EQ(a[1], 0x27A);  // control
  EXPECT_EQ(a[2], 0x278);  // data
  EXPECT_EQ(a[3], 0x279);  // status

  Slot<SetWord>(port, 64)(port, 0x378);
  Slot<SetWord>(port, 65)(port, 0x1234);  // WriteDataByte: the low byte
  Slot<NoArgs>(port, 69)(port);           // ReadData
  Slot<NoArgs>(port, 70)(port);           // ReadStatus
  Slot<NoArgs>(port, 71)(port);           // ReadControl
  Slot<TwoBytes>(port, 67)(port, 0x00, 0x01);  // WriteControlMasked
  Slot<NoArgs>(port, 68)(port);           // WriteControl
  Slot<NoArgs>(port, 3)(port);            // PulseInitialize
  std::vector<std::string> lines = log.Lines();
  const std::vector<std::string> expected = {
      "WriteByte 0378 34", "ReadByte 0378 34", "ReadByte 0379 DF", "ReadByte 037A 0C", "WriteByte 037A 0C",
      "WriteByte 037A 0C", "ReadByte 037A 0C", "WriteByte 037A 08", "WriteByte 037A 0C"};
  ASSERT_GE(lines.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(lines.end() - expected.size(), lines.end()), expected) << Join(lines);
}

bool g_dialog_closed = false;
void CALLBACK CloseStatusDialog(HWND, UINT, UINT_PTR id, DWORD) {
  if (HWND dialog = FindWindowA(nullptr, "Parallel-Port Status/Control")) {
    KillTimer(nullptr, id);
    g_dialog_closed = true;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
}

// Slot 8 opens the Status/Control dialog modally; a timer inside its loop closes it with the
// close box, which counts as not accepted.
TEST(Slots, StatusDialogClosedWithTheCloseBoxIsNotAccepted) {
  LoadedPlugin plugin;
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  g_dialog_closed = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseStatusDialog);
  BYTE accepted = 7;
  EXPECT_EQ(Slot<Getter>(port, 8)(port, &accepted), S_OK);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_dialog_closed) << "expected the dialog to have been shown";
  EXPECT_EQ(accepted, 0) << "expected the close box to return false";
}

}  // namespace
}  // namespace pp::test
