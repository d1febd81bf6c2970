// TNonRefCountedInterfacedObject: the base of the manager and the port objects. Their owner
// frees them; the host's references neither keep them alive nor free them.
#pragma once

#include <windows.h>

namespace pp::plugin {

template <class Interface>
class TNonRefCountedInterfacedObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, *iid_) || IsEqualIID(iid, IID_IUnknown)) {
      *object = static_cast<Interface*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 1; }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }

 protected:
  explicit TNonRefCountedInterfacedObject(const IID& iid) noexcept : iid_(&iid) {}
  ~TNonRefCountedInterfacedObject() = default;

 private:
  const IID* iid_;  // the one interface besides IUnknown that the object answers
};

}  // namespace pp::plugin
