#include "port/flags.h"

namespace pp::port {

const char* FlagName(Flag flag) {
  static const char* const kNames[kFlagCount] = {
      "Busy",    "Ack",     "PaperOut",      "SelectIn",  "Error",         "Irq",
      "Reserved1", "Reserved2", "Unused1",   "Unused2",   "Bidirectional", "IrqViaAck",
      "SelectPrinter", "InitializePrinter", "AutoLineFeed", "Strobe", "D0", "D1",
      "D2",      "D3",      "D4",            "D5",        "D6",            "D7"};
  auto i = static_cast<unsigned>(flag);
  return i < kFlagCount ? kNames[i] : "?";
}

}  // namespace pp::port
