#include "hostenv/pdf_command.h"

namespace pp::hostenv {

namespace {
void RemoveAll(std::string& text, std::string_view what) {
  for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos)) text.erase(pos, what.size());
}
}  // namespace

std::string StripAcrobatCommand(std::string_view command) {
  std::string text(command);
  RemoveAll(text, "\"%1\"");
  RemoveAll(text, "%1");
  RemoveAll(text, "/u");
  return text;
}

std::string AcrobatExecutable(std::string_view command) {
  std::string path;
  if (!command.empty() && command[0] == '"') {
    const size_t close = command.find('"', 1);
    path = std::string(command.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  } else {
    path = std::string(command);
  }
  while (!path.empty() && path.back() == ' ') path.pop_back();
  return path;
}

std::string PdfCommandLineWithPage(std::string_view command, int page, std::string_view file) {
  return std::string(command) + " /a pagemode=bookmarks&page=" + std::to_string(page) + " \"" + std::string(file) +
         "\"";
}

std::string PdfCommandLine(std::string_view command, std::string_view file) {
  return std::string(command) + " \"" + std::string(file) + "\"";
}

std::string PdfGoToPageCommand(int page) { return "[DocGoTo(NULL, " + std::to_string(page - 1) + ")]"; }

}  // namespace pp::hostenv
