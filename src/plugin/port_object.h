// TParallelPort: one port as the host sees it, IParallelPort over the register image. Every
// operation turns a failure (a driver fault, a null out-parameter) into E_UNEXPECTED.
#pragma once

#include <ParallelPort.h>

#include "plugin/com_object.h"
#include "port/parallel_port.h"

// Every line flag, in slot order, for declaring and defining its getter and setter once each.
#define PP_PORT_FLAGS(M)                                                                          \
  M(Busy) M(Ack) M(PaperOut) M(SelectIn) M(Error) M(Irq) M(Reserved1) M(Reserved2) M(Unused1)     \
  M(Unused2) M(Bidirectional) M(IrqViaAck) M(SelectPrinter) M(InitializePrinter) M(AutoLineFeed) \
  M(Strobe) M(D0) M(D1) M(D2) M(D3) M(D4) M(D5) M(D6) M(D7)

namespace pp::plugin {

class TParallelPort final : public TNonRefCountedInterfacedObject<IParallelPort>,
                            public port::ParallelPort {
 public:
  explicit TParallelPort(uint16_t base_address);

  port::ParallelPort& core() noexcept { return *this; }

  HRESULT STDMETHODCALLTYPE PulseInitialize() noexcept override;
  HRESULT STDMETHODCALLTYPE ProbePort(BYTE* present) noexcept override;
  HRESULT STDMETHODCALLTYPE IsPortActive(BYTE* active) noexcept override;
  HRESULT STDMETHODCALLTYPE GetLastData(BYTE* value) noexcept override;
  HRESULT STDMETHODCALLTYPE GetLastControl(BYTE* value) noexcept override;
  HRESULT STDMETHODCALLTYPE ShowStatusDialog(BYTE* accepted) noexcept override;
  HRESULT STDMETHODCALLTYPE GetBaseAddress(WORD* value) noexcept override;
  HRESULT STDMETHODCALLTYPE GetControlAddress(WORD* value) noexcept override;
  HRESULT STDMETHODCALLTYPE GetDataAddress(WORD* value) noexcept override;
  HRESULT STDMETHODCALLTYPE GetStatusAddress(WORD* value) noexcept override;
#define PP_FLAG_METHODS(F)                                         \
  HRESULT STDMETHODCALLTYPE Get##F(BYTE* value) noexcept override; \
  HRESULT STDMETHODCALLTYPE Set##F(BYTE value) noexcept override;
  PP_PORT_FLAGS(PP_FLAG_METHODS)
#undef PP_FLAG_METHODS
  HRESULT STDMETHODCALLTYPE ComposeData(BYTE* value) noexcept override;
  HRESULT STDMETHODCALLTYPE ComposeControl(BYTE* value) noexcept override;
  HRESULT STDMETHODCALLTYPE ComposeStatus(BYTE* value) noexcept override;
  HRESULT STDMETHODCALLTYPE SetBaseAddress(WORD value) noexcept override;
  HRESULT STDMETHODCALLTYPE WriteDataByte(BYTE value) noexcept override;
  HRESULT STDMETHODCALLTYPE WriteData() noexcept override;
  HRESULT STDMETHODCALLTYPE WriteControlMasked(BYTE value, BYTE mask) noexcept override;
  HRESULT STDMETHODCALLTYPE WriteControl() noexcept override;
  HRESULT STDMETHODCALLTYPE ReadData() noexcept override;
  HRESULT STDMETHODCALLTYPE ReadStatus() noexcept override;
  HRESULT STDMETHODCALLTYPE ReadControl() noexcept override;
};

}  // namespace pp::plugin
