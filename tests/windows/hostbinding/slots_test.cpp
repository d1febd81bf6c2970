// The host interfaces' slot numbers: each named operation must sit at the slot the host's
// operation table has it in. Calls go through the raw table by number, as a host compiled
// elsewhere would lay it out.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "hostenv/host_interfaces.h"

namespace pp::hostenv {
namespace {

std::string g_called;

template <class I>
struct Recorder : I {
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return g_called = "QueryInterface", S_OK; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

struct Client : Recorder<IClient> {
  HRESULT STDMETHODCALLTYPE GetObjectByName(BSTR, IUnknown**) override { return g_called = "GetObjectByName", S_OK; }
  HRESULT STDMETHODCALLTYPE GetMainWindowHandle(HWND*) override { return g_called = "GetMainWindowHandle", S_OK; }
  HRESULT STDMETHODCALLTYPE GetGuiManager(IHostGuiManager**) override { return g_called = "GetGuiManager", S_OK; }
  HRESULT STDMETHODCALLTYPE GetHelpFileForReference(BSTR, BSTR*) override {
    return g_called = "GetHelpFileForReference", S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDialogFont(LONG, BYTE*, BSTR*, LONG*, BYTE*, LONG*, BYTE*) override {
    return g_called = "GetDialogFont", S_OK;
  }
};
struct GuiManager : Recorder<IHostGuiManager> {
  HRESULT STDMETHODCALLTYPE CommitShortcut() override { return g_called = "CommitShortcut", S_OK; }
  HRESULT STDMETHODCALLTYPE OfferShortcut(LONG, BOOL, BOOL, BOOL, BOOL*) override {
    return g_called = "OfferShortcut", S_OK;
  }
  HRESULT STDMETHODCALLTYPE UpdateStatusBar(LONG, const wchar_t*) override { return g_called = "UpdateStatusBar", S_OK; }
};
struct Translations : Recorder<ITranslationManager> {
  HRESULT STDMETHODCALLTYPE Translate(BSTR, BSTR, BSTR*, BOOL*) override { return g_called = "Translate", S_OK; }
  HRESULT STDMETHODCALLTYPE SetCurrentForm(BSTR) override { return g_called = "SetCurrentForm", S_OK; }
  HRESULT STDMETHODCALLTYPE GetFontSubstitution(LONG*) override { return g_called = "GetFontSubstitution", S_OK; }
};
struct Launcher : Recorder<IHostProcessLauncher> {
  HRESULT STDMETHODCALLTYPE RunProcess(const char*, const void*, LONG, LONG) override {
    return g_called = "RunProcess", S_OK;
  }
};
struct Workspace : Recorder<IWorkspace> {
  HRESULT STDMETHODCALLTYPE GetObjectName(BSTR, BSTR*) override { return g_called = "GetObjectName", S_OK; }
};

// Calls slot n of object's table with argCount zero-valued 32-bit arguments after the object
// (stdcall: the callee removes them, so the count must match the operation).
template <int ArgCount>
std::string CallSlot(void* object, int n) {
  g_called.clear();
  void** table = *static_cast<void***>(object);
  if constexpr (ArgCount == 0) reinterpret_cast<HRESULT(STDMETHODCALLTYPE*)(void*)>(table[n])(object);
  if constexpr (ArgCount == 1) reinterpret_cast<HRESULT(STDMETHODCALLTYPE*)(void*, void*)>(table[n])(object, nullptr);
  if constexpr (ArgCount == 2)
    reinterpret_cast<HRESULT(STDMETHODCALLTYPE*)(void*, void*, void*)>(table[n])(object, nullptr, nullptr);
  if constexpr (ArgCount == 4)
    reinterpret_cast<HRESULT(STDMETHODCALLTYPE*)(void*, void*, void*, void*, void*)>(table[n])(object, nullptr, nullptr,
                                                                                               nullptr, nullptr);
  if constexpr (ArgCount == 5)
    reinterpret_cast<HRESULT(STDMETHODCALLTYPE*)(void*, void*, void*, void*, void*, void*)>(table[n])(
        object, nullptr, nullptr, nullptr, nullptr, nullptr);
  if constexpr (ArgCount == 7)
    reinterpret_cast<HRESULT(STDMETHODCALLTYPE*)(void*, void*, void*, void*, void*, void*, void*, void*)>(table[n])(
        object, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  return g_called;
}

TEST(HostInterfaceSlots, OperationsSitAtTheirSlots) {
  Client client;
  GuiManager gui;
  Translations translations;
  Launcher launcher;
  Workspace workspace;
  EXPECT_EQ(CallSlot<2>(&client, 14), "GetObjectByName");
  EXPECT_EQ(CallSlot<1>(&client, 15), "GetMainWindowHandle");
  EXPECT_EQ(CallSlot<1>(&client, 17), "GetGuiManager");
  EXPECT_EQ(CallSlot<2>(&client, 47), "GetHelpFileForReference");
  EXPECT_EQ(CallSlot<7>(&client, 48), "GetDialogFont");
  EXPECT_EQ(CallSlot<0>(&gui, 3), "CommitShortcut");
  EXPECT_EQ(CallSlot<5>(&gui, 5), "OfferShortcut");
  EXPECT_EQ(CallSlot<2>(&gui, 12), "UpdateStatusBar");
  EXPECT_EQ(CallSlot<4>(&translations, 3), "Translate");
  EXPECT_EQ(CallSlot<1>(&translations, 4), "SetCurrentForm");
  EXPECT_EQ(CallSlot<1>(&translations, 5), "GetFontSubstitution");
  EXPECT_EQ(CallSlot<4>(&launcher, 4), "RunProcess");
  EXPECT_EQ(CallSlot<2>(&workspace, 54), "GetObjectName");
  EXPECT_EQ(CallSlot<2>(&client, 0), "QueryInterface");
}

}  // namespace
}  // namespace pp::hostenv
