/* A C host: the header's vtable structs must address the same slots as the C++ classes. */
#include <ParallelPort.h>

HRESULT CallThroughCVtable(void* object, WORD* address) {
  IParallelPortManager* manager = (IParallelPortManager*)object;
  IParallelPort* port = NULL;
  HRESULT hr = manager->lpVtbl->GetDefaultPort(manager, &port);
  if (FAILED(hr)) return hr;
  hr = port->lpVtbl->SetBaseAddress(port, 0x378);
  if (FAILED(hr)) return hr;
  return port->lpVtbl->GetControlAddress(port, address);
}
