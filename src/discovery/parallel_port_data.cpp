#include "discovery/parallel_port_data.h"

#include "base/errors.h"
#include "base/out_param.h"
#include "base/win_handles.h"
#include "base/win_status.h"

namespace pp::discovery {

namespace {
LONG g_live = 0;
}

TParallelPortData::TParallelPortData(std::wstring port_name, LONG io_start, LONG io_end)
    : port_name_(std::move(port_name)), io_start_(io_start), io_end_(io_end) {
  InterlockedIncrement(&g_live);
}

TParallelPortData::~TParallelPortData() { InterlockedDecrement(&g_live); }

LONG TParallelPortData::LiveInstances() noexcept { return g_live; }

HRESULT TParallelPortData::QueryInterface(REFIID iid, void** object) noexcept {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IParallelPortInfo) || IsEqualIID(iid, IID_IUnknown)) {
    *object = static_cast<IParallelPortInfo*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TParallelPortData::AddRef() noexcept { return InterlockedIncrement(&refs_); }

ULONG TParallelPortData::Release() noexcept {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return left;
}

HRESULT TParallelPortData::GetIoStart(LONG* value) noexcept {
  return win::CallWithStatus([&] { Store(value, io_start_); });
}

HRESULT TParallelPortData::GetIoEnd(LONG* value) noexcept {
  return win::CallWithStatus([&] { Store(value, io_end_); });
}

// The caller's variable is cleared, not freed: an out-parameter may hold anything on entry.
HRESULT TParallelPortData::GetName(BSTR* name) noexcept {
  return win::CallWithStatus([&] {
    Store(name, nullptr);
    win::UniqueBstr copy(SysAllocStringLen(port_name_.data(), static_cast<UINT>(port_name_.size())));
    if (!copy.get()) Raise(EOutOfMemory());
    *name = copy.release();
  });
}

}  // namespace pp::discovery
