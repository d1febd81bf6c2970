#include "port/parallel_port.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "support/scripted_io.h"

namespace pp::port {
namespace {

using test::Access;
using test::ScriptedIo;

constexpr uint16_t kBase = 0x378;

std::vector<Access> W(std::initializer_list<std::pair<uint16_t, uint8_t>> writes) {
  std::vector<Access> out;
  for (auto [a, v] : writes) out.push_back({'W', a, v});
  return out;
}

class PortTest : public ::testing::Test {
 protected:
  ScriptedIo io;
  ParallelPort port{io, kBase};
};

TEST_F(PortTest, NewPortImage) {
  EXPECT_EQ(port.LastData(), 0xFF);
  EXPECT_EQ(port.LastControl(), 0xFF);
  // The initial flags compose to values that differ from both cached bytes.
  EXPECT_EQ(port.ComposeData(), 0x00);
  EXPECT_EQ(port.ComposeControl(), 0xDF);
  EXPECT_EQ(port.ComposeStatus(), 0xF8);
  for (Flag f : {Flag::Irq, Flag::Reserved1, Flag::Reserved2, Flag::Strobe}) EXPECT_EQ(port.Get(f), 1) << FlagName(f);
  EXPECT_EQ(port.Get(Flag::Bidirectional), 0);
  EXPECT_TRUE(io.log.empty()) << "creating a port must not touch the hardware";
}

TEST_F(PortTest, AddressesWrapIn16Bits) {
  struct Case { uint16_t base, status, control; };
  for (Case c : {Case{0x378, 0x379, 0x37A}, Case{0x278, 0x279, 0x27A}, Case{0xFFFF, 0x0000, 0x0001}, Case{0xFFFE, 0xFFFF, 0x0000}}) {
    port.SetBaseAddress(c.base);
    EXPECT_EQ(port.DataAddress(), c.base);
    EXPECT_EQ(port.StatusAddress(), c.status);
    EXPECT_EQ(port.ControlAddress(), c.control);
  }
  EXPECT_EQ(port.LastData(), 0xFF) << "SetBaseAddress must leave the image alone";
}

TEST_F(PortTest, SettersStoreTheByteAndComposeCountsAnyNonZero) {
  port.Set(Flag::D3, 2);
  EXPECT_EQ(port.Get(Flag::D3), 2);
  EXPECT_EQ(port.ComposeData(), 0x08);
  port.Set(Flag::Bidirectional, 1);
  EXPECT_EQ(port.Get(Flag::Bidirectional), 0);
  port.Set(Flag::Busy, 0);
  port.Set(Flag::Error, 0x80);
  EXPECT_EQ(port.ComposeStatus(), 0x78);
  port.Set(Flag::Irq, 0);  // bits 2..0 never reach the status byte
  EXPECT_EQ(port.ComposeStatus(), 0x78);
}

TEST_F(PortTest, EveryFlagMapsToItsBit) {
  struct Case { Flag flag; uint8_t (ParallelPort::*compose)() const noexcept; uint8_t bit; };
  const Case cases[] = {
      {Flag::Busy, &ParallelPort::ComposeStatus, 0x80},       {Flag::Ack, &ParallelPort::ComposeStatus, 0x40},
      {Flag::PaperOut, &ParallelPort::ComposeStatus, 0x20},   {Flag::SelectIn, &ParallelPort::ComposeStatus, 0x10},
      {Flag::Error, &ParallelPort::ComposeStatus, 0x08},      {Flag::Unused1, &ParallelPort::ComposeControl, 0x80},
      {Flag::Unused2, &ParallelPort::ComposeControl, 0x40},   {Flag::IrqViaAck, &ParallelPort::ComposeControl, 0x10},
      {Flag::SelectPrinter, &ParallelPort::ComposeControl, 0x08}, {Flag::InitializePrinter, &ParallelPort::ComposeControl, 0x04},
      {Flag::AutoLineFeed, &ParallelPort::ComposeControl, 0x02}, {Flag::Strobe, &ParallelPort::ComposeControl, 0x01},
      {Flag::D0, &ParallelPort::ComposeData, 0x01}, {Flag::D1, &ParallelPort::ComposeData, 0x02},
      {Flag::D2, &ParallelPort::ComposeData, 0x04}, {Flag::D3, &ParallelPort::ComposeData, 0x08},
      {Flag::D4, &ParallelPort::ComposeData, 0x10}, {Flag::D5, &ParallelPort::ComposeData, 0x20},
      {Flag::D6, &ParallelPort::ComposeData, 0x40}, {Flag::D7, &ParallelPort::ComposeData, 0x80},
  };
  for (const Case& c : cases) {
    ScriptedIo fresh_io;
    ParallelPort p(fresh_io, kBase);
    const uint8_t before = (p.*c.compose)();
    p.Set(c.flag, p.Get(c.flag) ? 0 : 1);
    EXPECT_EQ((p.*c.compose)() ^ before, c.bit) << FlagName(c.flag);
  }
}

TEST_F(PortTest, DecodeDataAndControl) {
  for (unsigned v = 0; v < 256; ++v) {
    port.DecodeData(static_cast<uint8_t>(v));
    ASSERT_EQ(port.ComposeData(), v);
  }
  port.DecodeControl(0xFF, 0xFF);
  EXPECT_EQ(port.ComposeControl(), 0xDF) << "bit 5 must decode to 0";
  port.DecodeControl(0x00, 0x01);
  EXPECT_EQ(port.ComposeControl(), 0xDE) << "an unmasked flag must keep its value";
}

TEST_F(PortTest, DataTransfers) {
  port.WriteData();  // 0x00 differs from the cached 0xFF
  port.WriteData();  // now equal: no access
  port.WriteDataByte(0x00);  // writes even when equal
  EXPECT_EQ(io.Writes(), W({{kBase, 0x00}, {kBase, 0x00}}));

  io.Script(kBase, {0xA5});
  port.ReadData();
  EXPECT_EQ(port.LastData(), 0xA5);
  EXPECT_EQ(port.ComposeData(), 0xA5);
}

TEST_F(PortTest, ReadStatusTouchesBits7To3Only) {
  port.Set(Flag::Irq, 0);
  port.Set(Flag::Reserved1, 7);
  io.Script(kBase + 1, {0x07});
  port.ReadStatus();
  EXPECT_EQ(port.ComposeStatus(), 0x00);
  EXPECT_EQ(port.Get(Flag::Irq), 0);
  EXPECT_EQ(port.Get(Flag::Reserved1), 7);
  EXPECT_EQ(port.Get(Flag::Reserved2), 1);
  io.Script(kBase + 1, {0xF8});
  port.ReadStatus();
  EXPECT_EQ(port.ComposeStatus(), 0xF8);
  EXPECT_EQ(port.Get(Flag::Busy), 1) << "decoded flags are 0 or 1";
}

TEST_F(PortTest, ControlTransfers) {
  io.Script(kBase + 2, {0xFF});
  port.ReadControl();
  EXPECT_EQ(port.ComposeControl(), 0xDF);
  EXPECT_EQ(port.LastControl(), 0xFF) << "ReadControl must not change LastControl";

  ScriptedIo io2;
  ParallelPort fresh(io2, kBase);
  fresh.WriteControl();
  fresh.WriteControlMasked(0x00, 0x01);
  fresh.WriteControlMasked(0xFF, 0x20);
  EXPECT_EQ(io2.Writes(), W({{kBase + 2, 0xDF}, {kBase + 2, 0xDE}, {kBase + 2, 0xDE}}));
  EXPECT_EQ(fresh.LastControl(), 0xDE);
}

TEST_F(PortTest, PulseInitializeKeepsTheOtherLinesAsRead) {
  for (uint8_t reads : {uint8_t{0x0C}, uint8_t{0x2C}}) {
    ScriptedIo io2;
    ParallelPort p(io2, kBase);
    io2.Script(kBase + 2, {reads});
    p.PulseInitialize();
    EXPECT_EQ(io2.Writes(), W({{kBase + 2, 0x08}, {kBase + 2, 0x0C}})) << "control reads " << int(reads);
    EXPECT_EQ(p.LastControl(), 0x0C);
  }
}

TEST_F(PortTest, ProbePort) {
  struct Case { const char* name; std::deque<uint8_t> reads; uint8_t present; std::vector<Access> writes; uint8_t last; };
  const Case cases[] = {
      {"echoing port", {}, 1, W({{kBase, 0x55}, {kBase, 0xAA}}), 0xAA},
      {"always 0x55", {0x55}, 0, W({{kBase, 0x55}, {kBase, 0xAA}}), 0x55},
      {"no port", {0xFF}, 0, W({{kBase, 0x55}}), 0xFF},
  };
  for (const Case& c : cases) {
    ScriptedIo io2;
    if (!c.reads.empty()) io2.Script(kBase, c.reads);
    ParallelPort p(io2, kBase);
    uint8_t present = 7;
    p.ProbePort(&present);
    EXPECT_EQ(present, c.present) << c.name;
    EXPECT_EQ(io2.Writes(), c.writes) << c.name;
    EXPECT_EQ(p.LastData(), c.last) << c.name;
    EXPECT_EQ(p.ComposeData(), c.last) << c.name;
  }
}

TEST_F(PortTest, IsPortActive) {
  struct Case { const char* name; std::deque<uint8_t> status; uint8_t active; };
  const Case cases[] = {
      {"loop-back plug", {0x20, 0x80}, 1},
      {"nothing connected", {0x00}, 0},
      {"busy does not follow", {0x20, 0x00}, 0},
      {"paper-out does not follow", {0xA0, 0x80}, 0},
  };
  for (const Case& c : cases) {
    ScriptedIo io2;
    io2.Script(kBase + 1, c.status);
    ParallelPort p(io2, kBase);
    p.Set(Flag::D0, 1);
    uint8_t active = 7;
    p.IsPortActive(&active);
    EXPECT_EQ(active, c.active) << c.name;
    EXPECT_EQ(io2.Writes(), W({{kBase, 0x41}, {kBase, 0x01}})) << c.name << ": only D6 may change";
    EXPECT_EQ(p.Get(Flag::D6), 0) << c.name;
  }
}

TEST_F(PortTest, NullOutParameterFailsAtTheStore) {
  // The probe stores its default first: nothing reaches the port.
  EXPECT_THROW(port.ProbePort(nullptr), Exception);
  EXPECT_TRUE(io.log.empty());
  // The activity test stores last: every step before it is done.
  EXPECT_THROW(port.IsPortActive(nullptr), Exception);
  EXPECT_EQ(io.Writes().size(), 2u);
}

TEST_F(PortTest, DriverFaultKeepsWhatWasDone) {
  port.Set(Flag::D1, 1);
  io.fault_next_read = true;
  uint8_t present = 7;
  EXPECT_ANY_THROW(port.ProbePort(&present));
  EXPECT_EQ(present, 0) << "the probe had already stored its default";
  EXPECT_EQ(port.LastData(), 0x55) << "the write before the fault stays done";
}

}  // namespace
}  // namespace pp::port
