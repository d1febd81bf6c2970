// The list of discovered ports, built once by running discovery, and the function the port
// manager calls to get it.
#pragma once

#include <windows.h>

#include "ParallelPort.h"
#include "discovery/discover_ports.h"

namespace pp::discovery {

class TParallelPorts final : public IParallelPortList {
 public:
  // Runs discovery; an error it raises leaves the constructor. Starts with one reference.
  TParallelPorts();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  HRESULT STDMETHODCALLTYPE GetCount(LONG* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetItem(LONG index, IParallelPortInfo** item) noexcept override;

  static LONG LiveInstances() noexcept;

 private:
  ~TParallelPorts();

  LONG refs_ = 1;
  PortItems items_;
};

// Runs discovery afresh and hands back a new list; the caller holds its only reference. On
// failure *list stays null and the result is E_UNEXPECTED.
HRESULT CreateParallelPortList(IParallelPortList** list) noexcept;

}  // namespace pp::discovery
