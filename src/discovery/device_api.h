// The Setup API and Configuration Manager calls that the device walk makes, as a table of
// function pointers. The system's own functions by default; tests install a table of fakes,
// since Wine knows no parallel ports and no I/O resource descriptors.
#pragma once

#include <windows.h>
#include <cfgmgr32.h>
#include <setupapi.h>

namespace pp::discovery {

struct DeviceApi {
  decltype(&::SetupDiGetClassDevsA) SetupDiGetClassDevsA = &::SetupDiGetClassDevsA;
  decltype(&::SetupDiEnumDeviceInfo) SetupDiEnumDeviceInfo = &::SetupDiEnumDeviceInfo;
  decltype(&::SetupDiGetDeviceRegistryPropertyA) SetupDiGetDeviceRegistryPropertyA =
      &::SetupDiGetDeviceRegistryPropertyA;
  decltype(&::SetupDiDestroyDeviceInfoList) SetupDiDestroyDeviceInfoList = &::SetupDiDestroyDeviceInfoList;
  decltype(&::CM_Get_First_Log_Conf) CM_Get_First_Log_Conf = &::CM_Get_First_Log_Conf;
  decltype(&::CM_Free_Log_Conf_Handle) CM_Free_Log_Conf_Handle = &::CM_Free_Log_Conf_Handle;
  decltype(&::CM_Get_Next_Res_Des) CM_Get_Next_Res_Des = &::CM_Get_Next_Res_Des;
  decltype(&::CM_Get_Res_Des_Data_Size) CM_Get_Res_Des_Data_Size = &::CM_Get_Res_Des_Data_Size;
  decltype(&::CM_Get_Res_Des_Data) CM_Get_Res_Des_Data = &::CM_Get_Res_Des_Data;
  decltype(&::CM_Free_Res_Des_Handle) CM_Free_Res_Des_Handle = &::CM_Free_Res_Des_Handle;
};

// The table in force.
const DeviceApi& Devices() noexcept;

// Puts a copy of the given table in force for the scope; the previous one comes back after.
class ScopedDeviceApi {
 public:
  explicit ScopedDeviceApi(const DeviceApi& api) noexcept;
  ~ScopedDeviceApi();
  ScopedDeviceApi(const ScopedDeviceApi&) = delete;
  ScopedDeviceApi& operator=(const ScopedDeviceApi&) = delete;

 private:
  DeviceApi api_;
  const DeviceApi* previous_;
};

}  // namespace pp::discovery
