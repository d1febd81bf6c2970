#include "layout/read_error.h"

namespace pp::layout {

namespace {
std::string Compose(std::string_view resource, int line, std::string_view problem) {
  std::string text(resource.empty() ? std::string_view("layout") : resource);
  if (line > 0) text += ", line " + std::to_string(line);
  text += ": ";
  text += problem;
  return text;
}
}  // namespace

EReadError::EReadError(std::string_view resource, int line, std::string_view problem)
    : toolkit::EReadError(Compose(resource, line, problem)), resource_(resource), line_(line) {}

void RaiseReadError(std::string_view resource, int line, std::string_view problem) {
  Raise(EReadError(resource, line, problem));
}

}  // namespace pp::layout
