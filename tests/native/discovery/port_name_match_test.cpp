#include <gtest/gtest.h>

#include "discovery/port_name_match.h"

namespace pp::discovery {
namespace {

TEST(PortNameMatch, PortsClassInAnyAsciiCase) {
  struct Case {
    const char* name;
    bool ports;
  };
  const Case cases[] = {
      {"Ports", true},  {"ports", true},   {"PORTS", true},     {"pORtS", true},
      {"Port", false},  {"Ports ", false}, {" Ports", false},   {"PortsX", false},
      {"", false},      {"Printer", false}, {"Modem", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPortsClass(c.name), c.ports) << '"' << c.name << '"';
}

TEST(PortNameMatch, LptMarkerIsExactAndAnywhere) {
  struct Case {
    const char* name;
    bool lpt;
  };
  const Case cases[] = {
      {"ECP Printer Port (LPT1)", true},
      {"(LPT3) at the start", true},
      {"Printer Port (LPT", true},
      {"Printer Port (lpt1)", false},
      {"Printer Port (Lpt1)", false},
      {"Printer Port LPT1", false},
      {"Communications Port (COM1)", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HasLptMarker(c.name), c.lpt) << '"' << c.name << '"';
}

TEST(PortNameMatch, BufferTextStopsAtZeroOrAtTheEnd) {
  const char with_zero[8] = {'P', 'o', 'r', 't', 's', '\0', 'X', 'Y'};
  EXPECT_EQ(TextInBuffer(with_zero, sizeof with_zero), "Ports");
  const char full[5] = {'P', 'o', 'r', 't', 's'};  // no terminator: must not read past the end
  EXPECT_EQ(TextInBuffer(full, sizeof full), "Ports");
  EXPECT_EQ(TextInBuffer(full, 0), "");
}

}  // namespace
}  // namespace pp::discovery
