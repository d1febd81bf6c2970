// The list and record objects at their interfaces: reference counts, QueryInterface, the
// out-parameters of GetItem and GetName.
#include <gtest/gtest.h>

#include "base/win_handles.h"
#include "discovery/parallel_port_data.h"
#include "discovery/parallel_ports.h"
#include "discovery_fixture.h"
#include "fake_devices.h"

namespace discovery_test {
namespace {

using pp::discovery::TParallelPortData;
using pp::discovery::TParallelPorts;

class PortList : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(pp::discovery::CreateParallelPortList(&list_), S_OK);
    ASSERT_NE(list_, nullptr);
  }
  void TearDown() override {
    if (list_) list_->Release();
  }

  ScopedPreferenceLocation location_;
  FakeDeviceTable table_{{{"Ports", "Printer Port (LPT1)", std::vector<FakeRange>{{888, 895}, {1912, 1914}}, {}}}};
  IParallelPortList* list_ = nullptr;
};

TEST_F(PortList, GetItemOutsideTheListFailsWithNullItem) {
  for (LONG index : {-1L, 2L, 3L, LONG(0x80000000)}) {
    IParallelPortInfo* item = reinterpret_cast<IParallelPortInfo*>(0x1);
    EXPECT_EQ(list_->GetItem(index, &item), E_UNEXPECTED) << "index " << index;
    EXPECT_EQ(item, nullptr) << "index " << index;
  }
}

TEST_F(PortList, NullOutParametersFail) {
  EXPECT_EQ(list_->GetCount(nullptr), E_UNEXPECTED);
  EXPECT_EQ(list_->GetItem(0, nullptr), E_UNEXPECTED);
  pp::win::ComPtr<IParallelPortInfo> info;
  ASSERT_EQ(list_->GetItem(0, info.receive()), S_OK);
  EXPECT_EQ(info->GetIoStart(nullptr), E_UNEXPECTED);
  EXPECT_EQ(info->GetIoEnd(nullptr), E_UNEXPECTED);
  EXPECT_EQ(info->GetName(nullptr), E_UNEXPECTED);
  EXPECT_EQ(pp::discovery::CreateParallelPortList(nullptr), E_UNEXPECTED);
}

TEST_F(PortList, GetNameHandsOutAnIndependentCopyEachTime) {
  pp::win::ComPtr<IParallelPortInfo> info;
  ASSERT_EQ(list_->GetItem(1, info.receive()), S_OK);
  BSTR first = nullptr, second = nullptr;
  ASSERT_EQ(info->GetName(&first), S_OK);
  ASSERT_EQ(info->GetName(&second), S_OK);
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, second) << "expected two separate strings";
  SysFreeString(first);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(std::wstring(second, SysStringLen(second)), L"Printer Port (LPT1)");
  SysFreeString(second);
}

TEST_F(PortList, QueryInterfaceAnswersOwnInterfaceAndIUnknownOnly) {
  pp::win::ComPtr<IParallelPortInfo> info;
  ASSERT_EQ(list_->GetItem(0, info.receive()), S_OK);
  struct Case {
    IUnknown* object;
    const IID* iid;
    HRESULT status;
  };
  const Case cases[] = {
      {list_, &IID_IParallelPortList, S_OK},       {list_, &IID_IUnknown, S_OK},
      {list_, &IID_IParallelPortInfo, E_NOINTERFACE}, {list_, &IID_IParallelPortManager, E_NOINTERFACE},
      {info.get(), &IID_IParallelPortInfo, S_OK},  {info.get(), &IID_IUnknown, S_OK},
      {info.get(), &IID_IParallelPortList, E_NOINTERFACE}, {info.get(), &IID_IParallelPort, E_NOINTERFACE},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    void* result = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(c.object->QueryInterface(*c.iid, &result), c.status) << "case " << i;
    if (c.status == S_OK) {
      EXPECT_EQ(result, c.object) << "case " << i;
      if (result) static_cast<IUnknown*>(result)->Release();
    } else {
      EXPECT_EQ(result, nullptr) << "case " << i;
    }
  }
}

// The list holds one reference on each record and gives it up when it dies; a record the
// caller still holds outlives the list.
TEST_F(PortList, LastReleaseFreesListAndRecords) {
  const LONG lists = TParallelPorts::LiveInstances();
  const LONG records = TParallelPortData::LiveInstances();
  EXPECT_EQ(list_->AddRef(), 2u);
  EXPECT_EQ(list_->Release(), 1u);

  IParallelPortInfo* kept = nullptr;
  ASSERT_EQ(list_->GetItem(0, &kept), S_OK);
  EXPECT_EQ(list_->Release(), 0u);
  list_ = nullptr;
  EXPECT_EQ(TParallelPorts::LiveInstances(), lists - 1) << "expected the list freed";
  EXPECT_EQ(TParallelPortData::LiveInstances(), records - 1) << "expected the record nobody holds freed";

  LONG start = 0;
  EXPECT_EQ(kept->GetIoStart(&start), S_OK);
  EXPECT_EQ(start, 888);
  EXPECT_EQ(kept->Release(), 0u);
  EXPECT_EQ(TParallelPortData::LiveInstances(), records - 2);
}

}  // namespace
}  // namespace discovery_test
