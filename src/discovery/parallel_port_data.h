// One discovered port: its display name and the first and last address of its I/O range.
#pragma once

#include <windows.h>

#include <string>

#include "ParallelPort.h"

namespace pp::discovery {

class TParallelPortData final : public IParallelPortInfo {
 public:
  // Starts with one reference, owned by the caller.
  TParallelPortData(std::wstring port_name, LONG io_start, LONG io_end);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  HRESULT STDMETHODCALLTYPE GetIoStart(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIoEnd(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE GetName(BSTR* name) noexcept override;

  // Objects alive in this process, for tests that check that the last Release frees.
  static LONG LiveInstances() noexcept;

 private:
  ~TParallelPortData();

  LONG refs_ = 1;
  const std::wstring port_name_;
  const LONG io_start_;
  const LONG io_end_;
};

}  // namespace pp::discovery
