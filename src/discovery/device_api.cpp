#include "discovery/device_api.h"

namespace pp::discovery {

namespace {
const DeviceApi kSystemApi{};
const DeviceApi* g_api = &kSystemApi;
}  // namespace

const DeviceApi& Devices() noexcept { return *g_api; }

ScopedDeviceApi::ScopedDeviceApi(const DeviceApi& api) noexcept : api_(api), previous_(g_api) { g_api = &api_; }

ScopedDeviceApi::~ScopedDeviceApi() { g_api = previous_; }

}  // namespace pp::discovery
