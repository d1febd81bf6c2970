// Owners of the device walk's handles. Each releases through the table in force, so that a
// test's fakes see every release.
#pragma once

#include "base/win_handles.h"
#include "discovery/device_api.h"

namespace pp::discovery {

inline void DestroyDeviceInfoSet(HDEVINFO set) noexcept { Devices().SetupDiDestroyDeviceInfoList(set); }
inline void FreeLogConf(LOG_CONF conf) noexcept { Devices().CM_Free_Log_Conf_Handle(conf); }
inline void FreeResDes(RES_DES des) noexcept { Devices().CM_Free_Res_Des_Handle(des); }

// A device information set. SetupDiGetClassDevsA reports failure as INVALID_HANDLE_VALUE;
// the owner is only ever given a set that was obtained, so null stands for "none".
using UniqueDeviceInfoSet = win::UniqueHandle<HDEVINFO, DestroyDeviceInfoSet>;
using UniqueLogConf = win::UniqueHandle<LOG_CONF, FreeLogConf>;
using UniqueResDes = win::UniqueHandle<RES_DES, FreeResDes>;

}  // namespace pp::discovery
