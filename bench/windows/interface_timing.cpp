// Repeated timing under Windows: a port operation through the real plug-in's interface
// against a direct call of the driver library's entry point, in one process, as ratios.
// Run from the install folder (the plug-in and System\Vexio.dll beside it).
#include <windows.h>

#include <ParallelPort.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 7;
constexpr int kCalls = 100000;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class F>
double NanosecondsPerCall(F&& body) {
  const double start = Now();
  for (int i = 0; i < kCalls; ++i) body(i);
  return (Now() - start) * 1e9 / kCalls;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\') + 1);

  HMODULE plugin = LoadLibraryA((folder + "ParallelPort.dll").c_str());
  auto entry = plugin ? reinterpret_cast<PFN_GetParallelPortManager>(
                            reinterpret_cast<void*>(GetProcAddress(plugin, "GetParallelPortManager")))
                      : nullptr;
  IParallelPortManager* manager = nullptr;
  IParallelPort* port = nullptr;
  if (!entry || entry(&manager) != S_OK || !manager || manager->GetDefaultPort(&port) != S_OK || !port) {
    std::fprintf(stderr, "could not reach the plug-in's default port\n");
    return 1;
  }
  HMODULE driver = GetModuleHandleA("Vexio.dll");
  auto write_byte = reinterpret_cast<void(WINAPI*)(DWORD, DWORD)>(reinterpret_cast<void*>(GetProcAddress(driver, "WriteByte")));
  auto read_byte = reinterpret_cast<BYTE(WINAPI*)(DWORD)>(reinterpret_cast<void*>(GetProcAddress(driver, "ReadByte")));
  if (!write_byte || !read_byte) {
    std::fprintf(stderr, "the driver library is not loaded\n");
    return 1;
  }

  std::vector<double> direct_write, iface_write, direct_read, iface_read;
  volatile BYTE sink = 0;
  for (int round = 0; round < kRounds; ++round) {
    direct_write.push_back(NanosecondsPerCall([&](int i) { write_byte(0x378, i & 0xFF); }));
    iface_write.push_back(NanosecondsPerCall([&](int i) { port->WriteDataByte(static_cast<BYTE>(i)); }));
    direct_read.push_back(NanosecondsPerCall([&](int) { sink = read_byte(0x379); }));
    iface_read.push_back(NanosecondsPerCall([&](int) { port->ReadStatus(); }));
  }
  const double dw = Median(direct_write), iw = Median(iface_write), dr = Median(direct_read), ir = Median(iface_read);
  std::printf("WriteDataByte: %.1f ns through the interface, %.1f ns direct WriteByte: ratio %.2f\n", iw, dw, iw / dw);
  std::printf("ReadStatus:    %.1f ns through the interface, %.1f ns direct ReadByte:  ratio %.2f\n", ir, dr, ir / dr);
  manager->Stop();
  FreeLibrary(plugin);
  static_cast<void>(sink);  // volatile: the stores into it are kept without a use
  return 0;
}
