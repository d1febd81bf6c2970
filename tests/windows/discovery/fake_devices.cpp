#include "fake_devices.h"

#include <cstring>

namespace discovery_test {

FakeDeviceTable* FakeDeviceTable::current = nullptr;

namespace {

const HDEVINFO kSet = reinterpret_cast<HDEVINFO>(0x5E7000);
constexpr DWORD kFirstDevInst = 0x100;
constexpr DWORD_PTR kLogConfBase = 0x10000;
constexpr DWORD_PTR kResDesBase = 0x20000;
// What a failing call leaves in its handle out-parameter: not a handle, must not be released.
constexpr DWORD_PTR kPoison = 0xBAD0BAD0;

FakeDeviceTable& T() { return *FakeDeviceTable::current; }

void Misuse(const std::string& what) { T().misuse.push_back(what); }

std::string Hex(DWORD_PTR v) {
  char text[24];
  wsprintfA(text, "%lX", static_cast<unsigned long>(v));
  return text;
}

const FakeDevice* DeviceOf(DWORD devinst, size_t* index = nullptr) {
  if (devinst < kFirstDevInst || devinst - kFirstDevInst >= T().devices_.size()) return nullptr;
  if (index) *index = devinst - kFirstDevInst;
  return &T().devices_[devinst - kFirstDevInst];
}

HDEVINFO WINAPI GetClassDevs(const GUID* guid, PCSTR enumerator, HWND parent, DWORD flags) {
  ++T().class_devs_calls;
  if (guid || enumerator || parent || flags != (DIGCF_PRESENT | DIGCF_ALLCLASSES | DIGCF_PROFILE))
    Misuse("SetupDiGetClassDevsA flags " + Hex(flags));
  if (T().class_devs_fails) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  ++T().sets_given;
  return kSet;
}

BOOL WINAPI EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) {
  if (set != kSet) Misuse("SetupDiEnumDeviceInfo on an unknown set");
  if (!data || data->cbSize != sizeof(SP_DEVINFO_DATA)) {
    SetLastError(ERROR_INVALID_USER_BUFFER);
    return FALSE;
  }
  if (index >= T().devices_.size()) {
    SetLastError(ERROR_NO_MORE_ITEMS);
    return FALSE;
  }
  data->DevInst = kFirstDevInst + index;
  return TRUE;
}

BOOL WINAPI GetProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property, DWORD*, BYTE* buffer, DWORD size,
                        DWORD* required) {
  const FakeDevice* device = data ? DeviceOf(data->DevInst) : nullptr;
  if (set != kSet || !device) {
    Misuse("SetupDiGetDeviceRegistryPropertyA on an unknown device");
    return FALSE;
  }
  const std::optional<std::string>* text = property == SPDRP_CLASS          ? &device->class_name
                                           : property == SPDRP_FRIENDLYNAME ? &device->friendly_name
                                                                            : nullptr;
  if (!text || !*text) {
    SetLastError(ERROR_INVALID_DATA);
    return FALSE;
  }
  const DWORD needed = static_cast<DWORD>((*text)->size() + 1);
  if (required) *required = needed;
  if (size < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(buffer, (*text)->c_str(), needed);
  return TRUE;
}

BOOL WINAPI DestroySet(HDEVINFO set) {
  if (set != kSet) Misuse("SetupDiDestroyDeviceInfoList on an unknown set");
  ++T().sets_destroyed;
  return TRUE;
}

CONFIGRET WINAPI FirstLogConf(LOG_CONF* conf, DEVINST devinst, ULONG flags) {
  size_t index = 0;
  const FakeDevice* device = DeviceOf(devinst, &index);
  if (!device || (flags != ALLOC_LOG_CONF && flags != BOOT_LOG_CONF)) {
    Misuse("CM_Get_First_Log_Conf device " + Hex(devinst) + " flags " + Hex(flags));
    return CR_INVALID_DEVNODE;
  }
  const bool boot = flags == BOOT_LOG_CONF;
  T().conf_requests.push_back((boot ? "boot " : "alloc ") + std::to_string(index));
  if (!(boot ? device->boot : device->allocated)) {
    if (conf) *conf = kPoison;
    return CR_NO_MORE_LOG_CONF;
  }
  T().log_confs_.push_back({index, boot, true});
  *conf = kLogConfBase + T().log_confs_.size() - 1;
  return CR_SUCCESS;
}

FakeDeviceTable::LogConfEntry* LiveLogConf(DWORD_PTR h) {
  if (h < kLogConfBase || h - kLogConfBase >= T().log_confs_.size()) return nullptr;
  auto* e = &T().log_confs_[h - kLogConfBase];
  return e->live ? e : nullptr;
}

FakeDeviceTable::ResDesEntry* LiveResDes(DWORD_PTR h) {
  if (h < kResDesBase || h - kResDesBase >= T().res_des_.size()) return nullptr;
  auto* e = &T().res_des_[h - kResDesBase];
  return e->live ? e : nullptr;
}

CONFIGRET WINAPI FreeLogConf(LOG_CONF conf) {
  auto* e = LiveLogConf(conf);
  if (!e) {
    Misuse("CM_Free_Log_Conf_Handle of " + Hex(conf) + ", not a live handle");
    return CR_INVALID_LOG_CONF;
  }
  e->live = false;
  return CR_SUCCESS;
}

const std::vector<FakeRange>& RangesOf(size_t conf) {
  const auto& entry = T().log_confs_[conf];
  const FakeDevice& device = T().devices_[entry.device];
  return entry.boot ? *device.boot : *device.allocated;
}

// From a logical configuration: its first I/O descriptor; from a descriptor: the one after it.
CONFIGRET WINAPI NextResDes(RES_DES* next, RES_DES after, RESOURCEID type, RESOURCEID* id, ULONG flags) {
  size_t conf = 0, index = 0;
  if (LiveLogConf(after)) {
    conf = after - kLogConfBase;
  } else if (auto* e = LiveResDes(after)) {
    conf = e->conf;
    index = e->index + 1;
  } else {
    Misuse("CM_Get_Next_Res_Des after " + Hex(after) + ", not a live handle");
    return CR_INVALID_RES_DES;
  }
  if (type != ResType_IO || flags != 0) Misuse("CM_Get_Next_Res_Des type " + Hex(type));
  if (index >= RangesOf(conf).size()) {
    *next = kPoison;
    return CR_NO_MORE_RES_DES;
  }
  if (id) *id = ResType_IO;
  T().res_des_.push_back({conf, index, true});
  *next = kResDesBase + T().res_des_.size() - 1;
  return CR_SUCCESS;
}

CONFIGRET WINAPI FreeResDes(RES_DES des) {
  auto* e = LiveResDes(des);
  if (!e) {
    Misuse("CM_Free_Res_Des_Handle of " + Hex(des) + ", not a live handle");
    return CR_INVALID_RES_DES;
  }
  e->live = false;
  return CR_SUCCESS;
}

const FakeRange* RangeOf(RES_DES des) {
  auto* e = LiveResDes(des);
  if (!e) {
    Misuse("descriptor data of " + Hex(des) + ", not a live handle");
    return nullptr;
  }
  return &RangesOf(e->conf)[e->index];
}

// A real I/O descriptor: the IO_DES header and one range entry.
CONFIGRET WINAPI ResDesDataSize(ULONG* size, RES_DES des, ULONG flags) {
  const FakeRange* range = RangeOf(des);
  if (!range) return CR_INVALID_RES_DES;
  if (range->fault == DescriptorFault::SizeFails) return CR_FAILURE;
  *size = range->fault == DescriptorFault::ShortData ? 8 : sizeof(IO_RESOURCE);
  return CR_SUCCESS;
}

CONFIGRET WINAPI ResDesData(RES_DES des, void* buffer, ULONG length, ULONG flags) {
  const FakeRange* range = RangeOf(des);
  if (!range) return CR_INVALID_RES_DES;
  if (range->fault == DescriptorFault::DataFails) return CR_FAILURE;
  if (range->fault == DescriptorFault::ShortData) {
    if (length < 8) return CR_BUFFER_SMALL;
    std::memset(buffer, 0xEE, 8);
    return CR_SUCCESS;
  }
  if (length < sizeof(IO_RESOURCE)) return CR_BUFFER_SMALL;
  IO_RESOURCE data{};
  data.IO_Header.IOD_Count = 1;
  data.IO_Header.IOD_Type = IOA_Local;
  data.IO_Header.IOD_Alloc_Base = range->base;
  data.IO_Header.IOD_Alloc_End = range->end;
  // The range entry describes what the device could take, not what it was given: different
  // numbers, so that reading it instead of the header shows.
  data.IO_Data[0].IOR_Min = 0xE000;
  data.IO_Data[0].IOR_Max = 0xEFFF;
  std::memcpy(buffer, &data, sizeof data);
  return CR_SUCCESS;
}

pp::discovery::DeviceApi FakeApi() {
  pp::discovery::DeviceApi api;
  api.SetupDiGetClassDevsA = GetClassDevs;
  api.SetupDiEnumDeviceInfo = EnumDeviceInfo;
  api.SetupDiGetDeviceRegistryPropertyA = GetProperty;
  api.SetupDiDestroyDeviceInfoList = DestroySet;
  api.CM_Get_First_Log_Conf = FirstLogConf;
  api.CM_Free_Log_Conf_Handle = FreeLogConf;
  api.CM_Get_Next_Res_Des = NextResDes;
  api.CM_Get_Res_Des_Data_Size = ResDesDataSize;
  api.CM_Get_Res_Des_Data = ResDesData;
  api.CM_Free_Res_Des_Handle = FreeResDes;
  return api;
}

}  // namespace

FakeDeviceTable::FakeDeviceTable(std::vector<FakeDevice> devices) : devices_(std::move(devices)), scope_(FakeApi()) {
  current = this;
}

FakeDeviceTable::~FakeDeviceTable() { current = nullptr; }

std::vector<std::string> FakeDeviceTable::LiveHandles() const {
  std::vector<std::string> live;
  for (size_t i = 0; i < log_confs_.size(); ++i)
    if (log_confs_[i].live) live.push_back("log conf " + Hex(kLogConfBase + i));
  for (size_t i = 0; i < res_des_.size(); ++i)
    if (res_des_[i].live) live.push_back("res des " + Hex(kResDesBase + i));
  if (sets_destroyed != sets_given)
    live.push_back("device info sets: " + std::to_string(sets_given) + " given, " + std::to_string(sets_destroyed) +
                   " destroyed");
  return live;
}

}  // namespace discovery_test
