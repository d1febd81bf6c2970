// Bringing the port driver up in two stages, load then activate, and down in the reverse order,
// remembering each stage. The library behind it is a seam: the plug-in binds the driver
// library, tests count calls.
#pragma once

namespace pp::driver {

class DriverLibrary {
 public:
  virtual bool LoadDriver() = 0;  // loads the library, then asks the driver to load
  virtual void UnloadDriver() = 0;  // asks the driver to unload, then frees the library
  virtual bool ActivateDriver() = 0;
  virtual void DeactivateDriver() = 0;
  // Frees a library that start attempts loaded although the driver never loaded, calling
  // nothing in it.
  virtual void ReleaseLibrary() {}

 protected:
  ~DriverLibrary() = default;
};

class DriverControl {
 public:
  explicit DriverControl(DriverLibrary& library) noexcept : library_(library) {}

  // Loads the driver if not yet loaded, then (re)tries activation. True when active.
  bool StartDriver();
  // Deactivates if active, unloads if loaded; both flags end false.
  void StopDriver();
  // With the driver down (both flags false): lets go of the library that failed attempts left
  // loaded, so that it does not outlive the manager's Stop.
  void ReleaseIdleLibrary();

  bool DriverLoaded() const noexcept { return loaded_; }
  bool DriverActive() const noexcept { return active_; }

 private:
  DriverLibrary& library_;
  bool loaded_ = false;
  bool active_ = false;
};

}  // namespace pp::driver
