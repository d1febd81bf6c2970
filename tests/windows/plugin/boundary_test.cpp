// The binary interface as a host meets it: the export, identities, lifetime rules.
#include <gtest/gtest.h>

#include "plugin_host.h"

namespace pp::test {
namespace {

TEST(Boundary, EntryPoint) {
  LoadedPlugin plugin;
  ASSERT_NE(plugin.manager, nullptr);
  EXPECT_EQ(plugin.entry(nullptr), static_cast<HRESULT>(0x8000FFFF));
  IParallelPortManager* again = reinterpret_cast<IParallelPortManager*>(1);
  EXPECT_EQ(plugin.entry(&again), S_OK);
  EXPECT_EQ(again, plugin.manager) << "every call must hand out the same manager";
}

TEST(Boundary, ManagerAndPortsAreNotReferenceCounted) {
  LoadedPlugin plugin;
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  ASSERT_NE(port, nullptr);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(plugin.manager->AddRef(), 1u);
    EXPECT_EQ(plugin.manager->Release(), 1u);
    EXPECT_EQ(port->Release(), 1u);
  }
  WORD base = 0;
  EXPECT_EQ(port->GetBaseAddress(&base), S_OK) << "Release must not free a port";
  EXPECT_EQ(base, 0x378);
}

TEST(Boundary, QueryInterface) {
  LoadedPlugin plugin;
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  struct Case { IUnknown* object; const IID* iid; HRESULT status; bool same; const char* name; };
  const Case cases[] = {
      {port, &IID_IParallelPort, S_OK, true, "port as IParallelPort"},
      {port, &IID_IUnknown, S_OK, true, "port as IUnknown"},
      {port, &IID_IParallelPortManager, E_NOINTERFACE, false, "port as manager"},
      {plugin.manager, &IID_IParallelPortManager, S_OK, true, "manager as IParallelPortManager"},
      {plugin.manager, &IID_IParallelPort, E_NOINTERFACE, false, "manager as port"},
  };
  for (const Case& c : cases) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(c.object->QueryInterface(*c.iid, &out), c.status) << c.name;
    EXPECT_EQ(out, c.same ? static_cast<void*>(c.object) : nullptr) << c.name;
  }
}

// A host written in C sees the same slots through the lpVtbl tables of the public header.
extern "C" HRESULT CallThroughCVtable(void* manager, WORD* base);

TEST(Boundary, CHostSeesTheSameSlots) {
  LoadedPlugin plugin;
  WORD base = 0;
  EXPECT_EQ(CallThroughCVtable(plugin.manager, &base), S_OK);
  EXPECT_EQ(base, 0x37A) << "expected the control address of the default port";
}

}  // namespace
}  // namespace pp::test
