#include <cstring>
#include <vector>

#include "discovery/device_api.h"
#include "discovery/device_handles.h"
#include "discovery/discover_ports.h"
#include "discovery/port_name_match.h"

namespace pp::discovery {

namespace {

constexpr DWORD kPresentDevicesOfAllClasses = DIGCF_PRESENT | DIGCF_ALLCLASSES | DIGCF_PROFILE;
constexpr DWORD kPropertyBufferSize = 1024;

// A text property of the device, or false when it cannot be read (a text that does not fit
// the buffer cannot be read either).
bool ReadTextProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property, std::vector<char>& buffer,
                      std::string_view& text) {
  if (!Devices().SetupDiGetDeviceRegistryPropertyA(set, &device, property, nullptr,
                                                     reinterpret_cast<BYTE*>(buffer.data()),
                                                     static_cast<DWORD>(buffer.size()), nullptr))
    return false;
  text = TextInBuffer(buffer.data(), buffer.size());
  return true;
}

std::wstring WideFromAnsi(std::string_view text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// Adds the record of one I/O descriptor. False when its data cannot be read, which ends the
// walk over the device's descriptors.
bool AddDescriptorRange(RES_DES descriptor, const std::wstring& name, PortItems& items) {
  ULONG size = 0;
  if (Devices().CM_Get_Res_Des_Data_Size(&size, descriptor, 0) != CR_SUCCESS) return false;
  // Data shorter than the IO_DES header that must begin it is not trusted to be one.
  if (size < sizeof(IO_DES)) return false;
  std::vector<BYTE> data(size);
  if (Devices().CM_Get_Res_Des_Data(descriptor, data.data(), size, 0) != CR_SUCCESS) return false;
  IO_DES header;
  std::memcpy(&header, data.data(), sizeof header);
  // Only the allocated range of the header counts; the range entries after it do not.
  AddRecord(items, name, static_cast<LONG>(static_cast<DWORD>(header.IOD_Alloc_Base)),
            static_cast<LONG>(static_cast<DWORD>(header.IOD_Alloc_End)));
  return true;
}

// A handle that a call returned through its out-parameter, taken only when the call succeeded:
// what a failing call leaves there is nothing to release.
bool FirstLogConf(DEVINST device, ULONG which, UniqueLogConf& conf) {
  LOG_CONF handle = 0;
  if (Devices().CM_Get_First_Log_Conf(&handle, device, which) != CR_SUCCESS) return false;
  conf.reset(handle);
  return true;
}

bool NextIoDescriptor(DWORD_PTR after, UniqueResDes& descriptor) {
  RES_DES handle = 0;
  if (Devices().CM_Get_Next_Res_Des(&handle, after, ResType_IO, nullptr, 0) != CR_SUCCESS) return false;
  descriptor.reset(handle);  // releases the one it came after
  return true;
}

}  // namespace

void AddDeviceIoRanges(DEVINST device, const std::wstring& name, PortItems& items) {
  UniqueLogConf conf;
  // An allocated configuration without I/O descriptors does not send us to the boot one.
  if (!FirstLogConf(device, ALLOC_LOG_CONF, conf) && !FirstLogConf(device, BOOT_LOG_CONF, conf)) return;

  UniqueResDes descriptor;  // destroyed before conf: descriptor released first
  if (!NextIoDescriptor(conf.get(), descriptor)) return;
  while (AddDescriptorRange(descriptor.get(), name, items) && NextIoDescriptor(descriptor.get(), descriptor)) {
  }
}

void EnumerateDevicePorts(PortItems& items) {
  const HDEVINFO handle = Devices().SetupDiGetClassDevsA(nullptr, nullptr, nullptr, kPresentDevicesOfAllClasses);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return;
  UniqueDeviceInfoSet set(handle);

  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  std::vector<char> buffer(kPropertyBufferSize);
  for (DWORD index = 0; Devices().SetupDiEnumDeviceInfo(set.get(), index, &device); ++index) {
    std::string_view text;
    if (!ReadTextProperty(set.get(), device, SPDRP_CLASS, buffer, text) || !IsPortsClass(text)) continue;
    if (!ReadTextProperty(set.get(), device, SPDRP_FRIENDLYNAME, buffer, text) || !HasLptMarker(text)) continue;
    AddDeviceIoRanges(device.DevInst, WideFromAnsi(text), items);
  }
}

}  // namespace pp::discovery
