#include "plugin/manager.h"

#include <memory>

#include "base/errors.h"
#include "base/out_param.h"
#include "base/win_handles.h"
#include "base/win_status.h"
#include "dialogs/driver_failure_notice.h"
#include "discovery/parallel_ports.h"
#include "driver/vexio.h"
#include "hostenv/platform.h"
#include "plugin/port_object.h"

namespace pp::plugin {

namespace {

using win::CallWithStatus;

// A failure status from an interface we called becomes an error raised here.
void Check(HRESULT status) {
  if (FAILED(status)) Raise(EOSError(static_cast<unsigned long>(status), "Catastrophic failure"));
}

// Reads the discovered-port list through its interface, as any client of it would.
class ComDiscoveredPorts final : public DiscoveredPorts {
 public:
  explicit ComDiscoveredPorts(win::ComPtr<IParallelPortList> list) : list_(std::move(list)) {}
  int32_t Count() override {
    LONG count = 0;
    Check(list_->GetCount(&count));
    return count;
  }
  std::u16string Name(int32_t index) override {
    win::UniqueBstr name;
    Check(Item(index)->GetName(name.receive()));
    const wchar_t* text = name.get() ? name.get() : L"";
    return std::u16string(text, text + SysStringLen(name.get()));
  }
  int32_t IoStart(int32_t index) override {
    LONG start = 0;
    Check(Item(index)->GetIoStart(&start));
    return start;
  }

 private:
  win::ComPtr<IParallelPortInfo> Item(int32_t index) {
    win::ComPtr<IParallelPortInfo> item;
    Check(list_->GetItem(index, item.receive()));
    return item;
  }
  win::ComPtr<IParallelPortList> list_;
};

class Services final : public PortManagerServices {
 public:
  bool IsWow64() override { return hostenv::IsWow64(); }
  std::unique_ptr<DiscoveredPorts> CreatePortList() override {
    win::ComPtr<IParallelPortList> list;
    Check(discovery::CreateParallelPortList(list.receive()));
    return std::make_unique<ComDiscoveredPorts>(std::move(list));
  }
  std::unique_ptr<port::ParallelPort> CreatePort(uint16_t base_address) override {
    return std::make_unique<TParallelPort>(base_address);
  }
  void ShowDriverFailureNotice() override { dialogs::ShowDriverFailureNotice(); }
};

Services g_services;
TParallelPortManager* g_manager = nullptr;

// Every port the manager hands out was made by Services::CreatePort.
IParallelPort* AsInterface(port::ParallelPort* port) { return port ? static_cast<TParallelPort*>(port) : nullptr; }

}  // namespace

TParallelPortManager::TParallelPortManager()
    : TNonRefCountedInterfacedObject(IID_IParallelPortManager), driver_(driver::Vexio()), manager_(driver_, g_services) {}

HRESULT TParallelPortManager::Start(BYTE* available) noexcept {
  return CallWithStatus([&] { manager_.Start(available); });
}

HRESULT TParallelPortManager::Stop() noexcept { return CallWithStatus([&] { manager_.Stop(); }); }

// The port queries first clear the caller's variable, then hand out the port's interface.
template <class Query>
static HRESULT HandOutPort(IParallelPort** out, Query&& query) {
  return CallWithStatus([&] {
    Store(out, nullptr);
    port::ParallelPort* found = nullptr;
    query(&found);
    Store(out, AsInterface(found));
  });
}

HRESULT TParallelPortManager::GetActivePort(IParallelPort** port) noexcept {
  return HandOutPort(port, [&](port::ParallelPort** found) { manager_.GetActivePort(found); });
}
HRESULT TParallelPortManager::GetFirstPort(IParallelPort** port) noexcept {
  return HandOutPort(port, [&](port::ParallelPort** found) { manager_.GetFirstPort(found); });
}
HRESULT TParallelPortManager::GetDefaultPort(IParallelPort** port) noexcept {
  return HandOutPort(port, [&](port::ParallelPort** found) { manager_.GetDefaultPort(found); });
}
HRESULT TParallelPortManager::GetPort(LONG index, IParallelPort** port) noexcept {
  return HandOutPort(port, [&](port::ParallelPort** found) { manager_.GetPort(index, found); });
}
HRESULT TParallelPortManager::GetPortCount(LONG* count) noexcept {
  return CallWithStatus([&] {
    int32_t value = 0;
    manager_.GetPortCount(&value);
    Store(count, value);
  });
}

void CreatePortManager() noexcept {
  if (!g_manager) g_manager = new (std::nothrow) TParallelPortManager();
}

void DestroyPortManager() noexcept {
  delete g_manager;
  g_manager = nullptr;
}

TParallelPortManager* PortManagerObject() noexcept { return g_manager; }

}  // namespace pp::plugin

extern "C" HRESULT WINAPI GetParallelPortManager(IParallelPortManager** manager) {
  if (!manager) return E_UNEXPECTED;
  *manager = pp::plugin::PortManagerObject();
  return S_OK;
}
