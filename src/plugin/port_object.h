// TParallelPort: one port as the host sees it, IParallelPort over the register image. Every
// operation turns a failure (a driver fault, a null out-parameter) into E_UNEXPECTED.
#pragma once

#include <ParallelPort.h>

#include "plugin/com_object.h"
#include "port/parallel_port.h"

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
#define PP_FLAG_METHODS(F)                                                \
  HRESULT STDMETHODCALLTYPE Get##F(BYTE* value) noexcept override;        \
  HRESULT STDMETHODCALLTYPE Set##F(BYTE value) noexcept override;
  PP_FLAG_METHODS(Busy) PP_FLAG_METHODS(Ack) PP_FLAG_METHODS(PaperOut) PP_FLAG_METHODS(SelectIn)
  PP_FLAG_METHODS(Error) PP_FLAG_METHODS(Irq) PP_FLAG_METHODS(Reserved1) PP_FLAG_METHODS(Reserved2)
  PP_FLAG_METHODS(Unused1) PP_FLAG_METHODS(Unused2) PP_FLAG_METHODS(Bidirectional) PP_FLAG_METHODS(IrqViaAck)
  PP_FLAG_METHODS(SelectPrinter) PP_FLAG_METHODS(InitializePrinter) PP_FLAG_METHODS(AutoLineFeed)
  PP_FLAG_METHODS(Strobe) PP_FLAG_METHODS(D0) PP_FLAG_METHODS(D1) PP_FLAG_METHODS(D2) PP_FLAG_METHODS(D3)
  PP_FLAG_METHODS(D4) PP_FLAG_METHODS(D5) PP_FLAG_METHODS(D6) PP_FLAG_METHODS(D7)
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
