// The workspace out-parameter, as every out interface of the host binding: what the caller's
// variable held is released, not overwritten.
#include <windows.h>

#include <gtest/gtest.h>

#include "hostenv/host_client.h"

namespace pp::hostenv {
namespace {

// Only the three base operations are reached; the workspace's own slots are never called.
class CountedObject : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  ULONG refs = 1;
};

TEST(HostWorkspace, ReleasesWhatTheVariableHeld) {
  ASSERT_EQ(GetModuleHandleA("WorkspaceManager.DLL"), nullptr) << "this test runs without the host's workspace";
  CountedObject held;
  IWorkspace* workspace = reinterpret_cast<IWorkspace*>(static_cast<IUnknown*>(&held));
  EXPECT_EQ(GetHostWorkspace(&workspace), S_OK);
  EXPECT_EQ(workspace, nullptr);
  EXPECT_EQ(held.refs, 0u) << "expected the reference the variable held released, got " << held.refs << " left";
}

}  // namespace
}  // namespace pp::hostenv
