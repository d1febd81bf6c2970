#include "looks.h"

#include <cstdlib>

namespace pp::test {

std::string LookName() {
  const char* look = std::getenv("PP_LOOK");
  return look ? look : "";
}

std::optional<pp::controls::TXPLookMode> ExpectedLook() {
  const std::string look = LookName();
  if (look == "luna") return pp::controls::xlmLuna;
  if (look == "classic") return pp::controls::xlmClassic;
  if (look == "themed") return pp::controls::xlmThemed;
  return std::nullopt;
}

void StartControlsForTests() {
  static bool started = false;
  if (started) return;
  started = true;
  pp::controls::StartXPControls();
  std::atexit([] { pp::controls::EndXPControls(); });
}

}  // namespace pp::test
