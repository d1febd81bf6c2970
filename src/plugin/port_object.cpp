#include "plugin/port_object.h"

#include "base/out_param.h"
#include "base/win_status.h"
#include "dialogs/status_control_dialog.h"
#include "driver/vexio.h"

namespace pp::plugin {

using win::CallWithStatus;
using port::Flag;

TParallelPort::TParallelPort(uint16_t base_address)
    : TNonRefCountedInterfacedObject(IID_IParallelPort), port::ParallelPort(driver::VexioPorts(), base_address) {}

HRESULT TParallelPort::PulseInitialize() noexcept { return CallWithStatus([&] { core().PulseInitialize(); }); }
HRESULT TParallelPort::ProbePort(BYTE* present) noexcept { return CallWithStatus([&] { core().ProbePort(present); }); }
HRESULT TParallelPort::IsPortActive(BYTE* active) noexcept {
  return CallWithStatus([&] { core().IsPortActive(active); });
}
HRESULT TParallelPort::GetLastData(BYTE* value) noexcept { return CallWithStatus([&] { Store(value, LastData()); }); }
HRESULT TParallelPort::GetLastControl(BYTE* value) noexcept {
  return CallWithStatus([&] { Store(value, LastControl()); });
}

HRESULT TParallelPort::ShowStatusDialog(BYTE* accepted) noexcept {
  return CallWithStatus([&] {
    const int result = dialogs::ShowStatusControlDialog(this);
    Store(accepted, result == 1 ? 1 : 0);  // mrOk
  });
}

HRESULT TParallelPort::GetBaseAddress(WORD* value) noexcept { return CallWithStatus([&] { Store(value, BaseAddress()); }); }
HRESULT TParallelPort::GetControlAddress(WORD* value) noexcept {
  return CallWithStatus([&] { Store(value, ControlAddress()); });
}
HRESULT TParallelPort::GetDataAddress(WORD* value) noexcept { return CallWithStatus([&] { Store(value, DataAddress()); }); }
HRESULT TParallelPort::GetStatusAddress(WORD* value) noexcept {
  return CallWithStatus([&] { Store(value, StatusAddress()); });
}

#define PP_FLAG_METHODS(F)                                                                              \
  HRESULT TParallelPort::Get##F(BYTE* value) noexcept { return CallWithStatus([&] { Store(value, Get(Flag::F)); }); } \
  HRESULT TParallelPort::Set##F(BYTE value) noexcept {                                                  \
    Set(Flag::F, value);                                                                                \
    return S_OK;                                                                                        \
  }
PP_PORT_FLAGS(PP_FLAG_METHODS)
#undef PP_FLAG_METHODS

HRESULT TParallelPort::ComposeData(BYTE* value) noexcept {
  return CallWithStatus([&] { Store(value, core().ComposeData()); });
}
HRESULT TParallelPort::ComposeControl(BYTE* value) noexcept {
  return CallWithStatus([&] { Store(value, core().ComposeControl()); });
}
HRESULT TParallelPort::ComposeStatus(BYTE* value) noexcept {
  return CallWithStatus([&] { Store(value, core().ComposeStatus()); });
}
HRESULT TParallelPort::SetBaseAddress(WORD value) noexcept {
  core().SetBaseAddress(value);
  return S_OK;
}
HRESULT TParallelPort::WriteDataByte(BYTE value) noexcept { return CallWithStatus([&] { core().WriteDataByte(value); }); }
HRESULT TParallelPort::WriteData() noexcept { return CallWithStatus([&] { core().WriteData(); }); }
HRESULT TParallelPort::WriteControlMasked(BYTE value, BYTE mask) noexcept {
  return CallWithStatus([&] { core().WriteControlMasked(value, mask); });
}
HRESULT TParallelPort::WriteControl() noexcept { return CallWithStatus([&] { core().WriteControl(); }); }
HRESULT TParallelPort::ReadData() noexcept { return CallWithStatus([&] { core().ReadData(); }); }
HRESULT TParallelPort::ReadStatus() noexcept { return CallWithStatus([&] { core().ReadStatus(); }); }
HRESULT TParallelPort::ReadControl() noexcept { return CallWithStatus([&] { core().ReadControl(); }); }

}  // namespace pp::plugin
