// The host stand-in: a process that stands where the host application would, loads
// ParallelPort.dll from its own folder and drives it. Built twice from the same source: host.exe
// exports the "ClientAPI_" functions, host_bare.exe exports none.
//
//   host [report]   load the plug-in and print the port report (the default)
//   host load       load the plug-in, get the manager, unload; nothing else
//   host dialog     open the Status/Control dialog on the active port for a person at a display
//   host picture status|notice FILE.bmp
//                   save the Status/Control dialog (after "Read and Update Display") or the
//                   driver failure notice as a picture, then close it
//   host probe      run the library's host binding in this process and print every answer
//                   (see probe.cpp)
// Every call into the host is recorded in the PPHOST_LOG file (settings.h); the first record is
// "host: command line ...", the last "host: client references N", the references on the client
// that are left beyond the host's own.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ParallelPort.h"
#include "call_log.h"
#include "client.h"
#include "port_report.h"
#include "probe.h"
#include "status_dialog.h"

namespace {

std::string OwnFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

HWND CreateMainWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HostStandInMainWindow";
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "Host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                         nullptr, nullptr, wc.hInstance, nullptr);
}

int RunWithPlugin(const std::string& command, int argc, char** argv) {
  const std::string path = OwnFolder() + "ParallelPort.dll";
  HMODULE plugin = LoadLibraryA(path.c_str());
  if (!plugin) {
    std::printf("Cannot load %s (error %lu)\n", path.c_str(), GetLastError());
    return 2;
  }
  auto entry = reinterpret_cast<PFN_GetParallelPortManager>(
      reinterpret_cast<void*>(GetProcAddress(plugin, "GetParallelPortManager")));
  int rc = 0;
  IParallelPortManager* manager = nullptr;
  const HRESULT status = entry ? entry(&manager) : E_UNEXPECTED;
  if (FAILED(status) || !manager) {
    std::printf("GetParallelPortManager failed (0x%08lX)\n", static_cast<unsigned long>(status));
    rc = 3;
  } else if (command == "load") {
    std::printf("Manager ready\n");
  } else if (command == "dialog") {
    rc = host::OpenStatusDialog(manager);
  } else if (command == "picture" && argc > 3) {
    const std::string what = argv[2];
    rc = what == "notice" ? host::SaveNoticePicture(manager, argv[3]) : host::SaveStatusDialogPicture(manager, argv[3]);
  } else {
    std::printf("Host: %s\nPlug-in: %s\n", (OwnFolder()).c_str(), path.c_str());
    rc = host::PrintPortReport(manager);
  }
  if (manager) manager->Release();
  std::fflush(stdout);
  FreeLibrary(plugin);
  return rc;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "report";
  // The first record: how the host was started (tests also start it as a stand-in program).
  host::Record(std::string("host: command line ") + GetCommandLineA());
  host::CreateClient(CreateMainWindow());
  int rc;
  if (command == "probe") {
    rc = host::RunProbe(argc - 2, argv + 2);
  } else if (command == "report" || command == "load" || command == "dialog" || command == "picture") {
    rc = RunWithPlugin(command, argc, argv);
  } else {
    std::fprintf(stderr, "usage: host [report|load|dialog|picture status|notice FILE|probe ...]\n");
    rc = 2;
  }
  host::Record("host: client references " + std::to_string(host::ClientExtraReferences()));
  std::fflush(stdout);
  return rc;
}
