#include "discovery/parallel_ports.h"

#include "base/errors.h"
#include "base/out_param.h"
#include "base/win_handles.h"
#include "base/win_status.h"

namespace pp::discovery {

namespace {
LONG g_live = 0;
}

TParallelPorts::TParallelPorts() {
  DiscoverPorts(items_);
  InterlockedIncrement(&g_live);  // only once complete: a list whose discovery raised never lived
}

TParallelPorts::~TParallelPorts() { InterlockedDecrement(&g_live); }

LONG TParallelPorts::LiveInstances() noexcept { return g_live; }

HRESULT TParallelPorts::QueryInterface(REFIID iid, void** object) noexcept {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IParallelPortList) || IsEqualIID(iid, IID_IUnknown)) {
    *object = static_cast<IParallelPortList*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TParallelPorts::AddRef() noexcept { return InterlockedIncrement(&refs_); }

ULONG TParallelPorts::Release() noexcept {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return left;
}

HRESULT TParallelPorts::GetCount(LONG* count) noexcept {
  return win::CallWithStatus([&] { Store(count, static_cast<LONG>(items_.size())); });
}

HRESULT TParallelPorts::GetItem(LONG index, IParallelPortInfo** item) noexcept {
  return win::CallWithStatus([&] {
    Store(item, nullptr);
    if (index < 0 || static_cast<size_t>(index) >= items_.size()) Raise(EListError::IndexOutOfBounds(index));
    *item = win::ComPtr<IParallelPortInfo>(items_[index]).release();
  });
}

HRESULT CreateParallelPortList(IParallelPortList** list) noexcept {
  return win::CallWithStatus([&] {
    Store(list, nullptr);
    *list = new TParallelPorts();
  });
}

}  // namespace pp::discovery
