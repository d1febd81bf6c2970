// Port operations through IParallelPort, against the simulated driver's loop-back plug.
#include <gtest/gtest.h>

#include "plugin_host.h"

namespace pp::test {
namespace {

const HRESULT kFail = static_cast<HRESULT>(0x8000FFFF);

class PortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(plugin.manager, nullptr);
    ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
    ASSERT_NE(port, nullptr);
  }
  BYTE Flag(HRESULT (STDMETHODCALLTYPE IParallelPort::*getter)(BYTE*)) {
    BYTE value = 0xEE;
    EXPECT_EQ((port->*getter)(&value), S_OK);
    return value;
  }

  SimLog log;
  LoadedPlugin plugin;
  IParallelPort* port = nullptr;
};

TEST_F(PortTest, NewDefaultPort) {
  WORD base = 0, data = 0, status = 0, control = 0;
  port->GetBaseAddress(&base);
  port->GetDataAddress(&data);
  port->GetStatusAddress(&status);
  port->GetControlAddress(&control);
  EXPECT_EQ(base, 0x378);
  EXPECT_EQ(data, 0x378);
  EXPECT_EQ(status, 0x379);
  EXPECT_EQ(control, 0x37A);
  EXPECT_EQ(Flag(&IParallelPort::GetLastData), 0xFF);
  EXPECT_EQ(Flag(&IParallelPort::GetLastControl), 0xFF);
  EXPECT_EQ(Flag(&IParallelPort::GetBusy), 1);
  EXPECT_EQ(Flag(&IParallelPort::GetReserved2), 1);
  EXPECT_EQ(Flag(&IParallelPort::GetBidirectional), 0);
  EXPECT_EQ(Flag(&IParallelPort::GetStrobe), 1);
  EXPECT_EQ(Flag(&IParallelPort::GetD7), 0);
}

TEST_F(PortTest, SettersStoreTheirByteAndBidirectionalStaysClear) {
  EXPECT_EQ(port->SetD2(2), S_OK);
  EXPECT_EQ(Flag(&IParallelPort::GetD2), 2);
  EXPECT_EQ(Flag(&IParallelPort::ComposeData), 0x04);
  EXPECT_EQ(port->SetBidirectional(1), S_OK);
  EXPECT_EQ(Flag(&IParallelPort::GetBidirectional), 0);
  EXPECT_EQ(port->SetBaseAddress(0xFFFF), S_OK);
  WORD status = 1, control = 0;
  port->GetStatusAddress(&status);
  port->GetControlAddress(&control);
  EXPECT_EQ(status, 0x0000);
  EXPECT_EQ(control, 0x0001);
}

TEST_F(PortTest, LoopBackPlugFollowsD6) {
  ASSERT_EQ(port->WriteDataByte(0x40), S_OK);
  ASSERT_EQ(port->ReadStatus(), S_OK);
  EXPECT_EQ(Flag(&IParallelPort::GetBusy), 0) << "status bit 7 reads the inverse of BUSY";
  EXPECT_EQ(Flag(&IParallelPort::GetPaperOut), 1);
  ASSERT_EQ(port->WriteDataByte(0x00), S_OK);
  ASSERT_EQ(port->ReadStatus(), S_OK);
  EXPECT_EQ(Flag(&IParallelPort::GetBusy), 1);
  EXPECT_EQ(Flag(&IParallelPort::GetPaperOut), 0);

  BYTE active = 0, present = 0;
  EXPECT_EQ(port->IsPortActive(&active), S_OK);
  EXPECT_EQ(active, 1);
  EXPECT_EQ(port->ProbePort(&present), S_OK);
  EXPECT_EQ(present, 1);
  EXPECT_EQ(Flag(&IParallelPort::GetLastData), 0xAA);

  port->SetBaseAddress(0x278);  // the second simulated port has no plug
  EXPECT_EQ(port->IsPortActive(&active), S_OK);
  EXPECT_EQ(active, 0);
}

TEST_F(PortTest, ControlRegisterTraffic) {
  ASSERT_EQ(port->WriteControlMasked(0x00, 0x01), S_OK);
  ASSERT_EQ(port->PulseInitialize(), S_OK);
  const std::vector<std::string> lines = log.Lines();
  const std::vector<std::string> tail(lines.end() - 4, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"WriteByte 037A DE", "ReadByte 037A DE", "WriteByte 037A DA",
                                            "WriteByte 037A DE"}))
      << Join(lines);
  EXPECT_EQ(Flag(&IParallelPort::GetLastControl), 0xDE);
}

TEST_F(PortTest, FaultInsideTheDriverFailsTheOperationAndTheHostGoesOn) {
  ScopedEnv fault("VEXIO_SIM_READ_FAULT", "1");
  RefreshSimSwitches();
  port->SetBusy(0);
  EXPECT_EQ(port->ReadStatus(), kFail);
  EXPECT_EQ(Flag(&IParallelPort::GetBusy), 0) << "the image keeps what it had";
  BYTE present = 7;
  EXPECT_EQ(port->ProbePort(&present), kFail);
  EXPECT_EQ(present, 0) << "the probe had stored its default before the fault";
  EXPECT_EQ(Flag(&IParallelPort::GetLastData), 0x55) << "the write before the faulting read stays done";

  IErrorInfo* info = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  ASSERT_NE(info, nullptr);
  BSTR description = nullptr;
  info->GetDescription(&description);
  EXPECT_NE(std::wstring(description).find(L"port driver"), std::wstring::npos);
  SysFreeString(description);
  info->Release();

  SetEnvironmentVariableA("VEXIO_SIM_READ_FAULT", nullptr);
  RefreshSimSwitches();
  EXPECT_EQ(port->ReadStatus(), S_OK);
  for (int i = 0; i < 50; ++i) ASSERT_EQ(port->ReadData(), S_OK) << "the stack must be whole after the fault";
}

TEST_F(PortTest, NullOutParametersFail) {
  EXPECT_EQ(port->GetBusy(nullptr), kFail);
  EXPECT_EQ(port->ComposeControl(nullptr), kFail);
  EXPECT_EQ(port->GetBaseAddress(nullptr), kFail);
  const size_t before = log.Lines().size();
  EXPECT_EQ(port->IsPortActive(nullptr), kFail);
  EXPECT_EQ(log.Lines().size(), before + 4) << "the test runs its two writes and two reads before storing";
}

}  // namespace
}  // namespace pp::test
