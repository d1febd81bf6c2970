// The host's client interface, fetched once at library load, and the services reached through it.
// Without a client (a host that does not hand one out) every function here does nothing and
// answers its neutral value.
#pragma once

#include <windows.h>

#include <string>

#include "base/win_handles.h"
#include "hostenv/host_interfaces.h"

namespace pp::hostenv {

// Run once when the library is loaded: binds the host functions, then asks the host for its
// client. The client is kept without a reference of ours: the host keeps it alive for as long as
// it keeps the library loaded.
void InitHostBinding() noexcept;

// A new counted reference to the host client, or none.
win::ComPtr<IClient> GetClient() noexcept;

// Raises an EOSError for a negative status of a host operation.
void CheckHostStatus(HRESULT status);

// The host's main window, 0 without a client.
HWND GetHostMainWindow();

// Asks the host to run one of its named processes; nothing without a client.
void RunHostProcess(const std::string& process, const void* parameters, int parameterSize, int reserved);

// The workspace of "WorkspaceManager.DLL" when the host has loaded that module (this library never
// loads it). S_OK with *workspace none when there is no such module; E_UNEXPECTED on any error.
HRESULT GetHostWorkspace(IWorkspace** workspace) noexcept;

// The workspace names Name's object; the client hands it out. *object stays none when the
// workspace gives an empty name.
void FindWorkspaceObject(const std::string& name, IUnknown** object);

}  // namespace pp::hostenv
