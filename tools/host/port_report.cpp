#include "port_report.h"

#include <cstdio>
#include <string>

namespace host {

namespace {

// The message the plug-in left for its last failure, or the bare status.
std::string Failure(HRESULT status) {
  char text[32];
  std::snprintf(text, sizeof text, "failed (0x%08lX", static_cast<unsigned long>(status));
  std::string out = text;
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) == S_OK && info) {
    BSTR description = nullptr;
    if (SUCCEEDED(info->GetDescription(&description)) && description) {
      char ansi[512] = {};
      WideCharToMultiByte(CP_ACP, 0, description, -1, ansi, sizeof ansi - 1, nullptr, nullptr);
      out += std::string(": ") + ansi;
      SysFreeString(description);
    }
    info->Release();
  }
  return out + ")";
}

using BitGetter = HRESULT (STDMETHODCALLTYPE IParallelPort::*)(BYTE*);
struct Line {
  const char* name;
  BitGetter get;
};

// Lines from bit 7 down to bit 0, as the register byte reads.
const Line kDataLines[] = {{"D7", &IParallelPort::GetD7}, {"D6", &IParallelPort::GetD6}, {"D5", &IParallelPort::GetD5},
                           {"D4", &IParallelPort::GetD4}, {"D3", &IParallelPort::GetD3}, {"D2", &IParallelPort::GetD2},
                           {"D1", &IParallelPort::GetD1}, {"D0", &IParallelPort::GetD0}};
const Line kStatusLines[] = {{"Busy", &IParallelPort::GetBusy},         {"Ack", &IParallelPort::GetAck},
                             {"PaperOut", &IParallelPort::GetPaperOut}, {"SelectIn", &IParallelPort::GetSelectIn},
                             {"Error", &IParallelPort::GetError},       {"Irq", &IParallelPort::GetIrq},
                             {"Reserved1", &IParallelPort::GetReserved1}, {"Reserved2", &IParallelPort::GetReserved2}};
const Line kControlLines[] = {{"Unused1", &IParallelPort::GetUnused1},
                              {"Unused2", &IParallelPort::GetUnused2},
                              {"Bidirectional", &IParallelPort::GetBidirectional},
                              {"IrqViaAck", &IParallelPort::GetIrqViaAck},
                              {"SelectPrinter", &IParallelPort::GetSelectPrinter},
                              {"InitializePrinter", &IParallelPort::GetInitializePrinter},
                              {"AutoLineFeed", &IParallelPort::GetAutoLineFeed},
                              {"Strobe", &IParallelPort::GetStrobe}};

template <size_t N>
void PrintRegister(IParallelPort* port, const char* name, HRESULT (STDMETHODCALLTYPE IParallelPort::*read)(),
                   HRESULT (STDMETHODCALLTYPE IParallelPort::*compose)(BYTE*), const Line (&lines)[N]) {
  std::printf("    %-8s", name);
  HRESULT status = (port->*read)();
  BYTE value = 0;
  if (SUCCEEDED(status)) status = (port->*compose)(&value);
  if (FAILED(status)) {
    std::printf("%s\n", Failure(status).c_str());
    return;
  }
  std::printf("0x%02X ", value);
  for (const Line& line : lines) {
    BYTE bit = 0;
    const HRESULT s = (port->*line.get)(&bit);
    std::printf(" %s=%s", line.name, FAILED(s) ? "?" : bit ? "1" : "0");
  }
  std::printf("\n");
}

void PrintAddresses(IParallelPort* port) {
  WORD base = 0, data = 0, status = 0, control = 0;
  port->GetBaseAddress(&base);
  port->GetDataAddress(&data);
  port->GetStatusAddress(&status);
  port->GetControlAddress(&control);
  std::printf("base 0x%03X (data 0x%03X, status 0x%03X, control 0x%03X)", base, data, status, control);
}

WORD BaseOf(IParallelPort* port) {
  WORD base = 0;
  return port && SUCCEEDED(port->GetBaseAddress(&base)) ? base : 0;
}

}  // namespace

int PrintPortReport(IParallelPortManager* manager) {
  BYTE available = 0;
  HRESULT status = manager->Start(&available);
  if (FAILED(status)) {
    std::printf("Start: %s\n", Failure(status).c_str());
  } else {
    std::printf("Start: %s\n", available ? "ports available" : "no ports available");
  }

  LONG count = 0;
  status = manager->GetPortCount(&count);
  if (FAILED(status)) std::printf("Port count: %s\n", Failure(status).c_str());

  IParallelPort* active = nullptr;
  const HRESULT active_status = manager->GetActivePort(&active);
  const WORD active_base = SUCCEEDED(active_status) ? BaseOf(active) : 0;

  // The manager does not hand out the discovery list; what it found shows as the probed ports.
  std::printf("Probed ports: %ld\n", static_cast<long>(count));
  for (LONG i = 0; i < count; ++i) {
    IParallelPort* port = nullptr;
    status = manager->GetPort(i, &port);
    std::printf("  #%ld ", static_cast<long>(i));
    if (FAILED(status) || !port) {
      std::printf("%s\n", Failure(status).c_str());
      continue;
    }
    PrintAddresses(port);
    std::printf("%s\n", port == active ? "  [active]" : "");
    port->Release();
  }

  if (FAILED(active_status))
    std::printf("Active port: %s\n", Failure(active_status).c_str());
  else if (!active)
    std::printf("Active port: none\n");
  else
    std::printf("Active port: 0x%03X\n", active_base);

  IParallelPort* fallback = nullptr;
  status = manager->GetDefaultPort(&fallback);
  if (SUCCEEDED(status) && fallback) std::printf("Default port: 0x%03X\n", BaseOf(fallback));

  // Registers of every probed port; without any, those of the default port.
  auto print_port = [](IParallelPort* port, const char* label) {
    std::printf("\nPort 0x%03X%s, lines from bit 7 to bit 0\n", BaseOf(port), label);
    PrintRegister(port, "Data", &IParallelPort::ReadData, &IParallelPort::ComposeData, kDataLines);
    PrintRegister(port, "Status", &IParallelPort::ReadStatus, &IParallelPort::ComposeStatus, kStatusLines);
    PrintRegister(port, "Control", &IParallelPort::ReadControl, &IParallelPort::ComposeControl, kControlLines);
  };
  for (LONG i = 0; i < count; ++i) {
    IParallelPort* port = nullptr;
    if (FAILED(manager->GetPort(i, &port)) || !port) continue;
    print_port(port, port == active ? " (active)" : "");
    port->Release();
  }
  if (count == 0 && fallback) print_port(fallback, " (default)");

  if (fallback) fallback->Release();
  if (active) active->Release();
  return 0;
}

}  // namespace host
