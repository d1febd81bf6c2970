// TParallelPortManager: the one manager object behind GetParallelPortManager.
#pragma once

#include <ParallelPort.h>

#include "plugin/com_object.h"
#include "plugin/port_manager.h"

namespace pp::plugin {

class TParallelPortManager final
    : public TNonRefCountedInterfacedObject<IParallelPortManager> {
 public:
  TParallelPortManager();

  HRESULT STDMETHODCALLTYPE Start(BYTE* available) noexcept override;
  HRESULT STDMETHODCALLTYPE Stop() noexcept override;
  HRESULT STDMETHODCALLTYPE GetActivePort(IParallelPort** port) noexcept override;
  HRESULT STDMETHODCALLTYPE GetFirstPort(IParallelPort** port) noexcept override;
  HRESULT STDMETHODCALLTYPE GetDefaultPort(IParallelPort** port) noexcept override;
  HRESULT STDMETHODCALLTYPE GetPortCount(LONG* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetPort(LONG index, IParallelPort** port) noexcept override;

 private:
  driver::DriverControl driver_;
  PortManager manager_;
};

// Library initialisation creates the manager; finalisation frees it (without a Stop).
void CreatePortManager() noexcept;
void DestroyPortManager() noexcept;
TParallelPortManager* PortManagerObject() noexcept;

}  // namespace pp::plugin
