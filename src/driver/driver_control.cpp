#include "driver/driver_control.h"

namespace pp::driver {

bool DriverControl::StartDriver() {
  if (!loaded_) loaded_ = library_.LoadDriver();
  if (!loaded_) return false;
  active_ = library_.ActivateDriver();
  return active_;
}

void DriverControl::StopDriver() {
  if (active_) library_.DeactivateDriver();
  if (loaded_) library_.UnloadDriver();
  loaded_ = false;
  active_ = false;
}

void DriverControl::ReleaseIdleLibrary() {
  if (!loaded_ && !active_) library_.ReleaseLibrary();
}

}  // namespace pp::driver
