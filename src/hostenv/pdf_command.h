// The text work of PDF help, apart from the registry and process calls: cleaning the reader's
// registered open command and building the command lines and the DDE page command.
#pragma once

#include <string>
#include <string_view>

namespace pp::hostenv {

// The registered open command without its document placeholder: every "%1" enclosed in double
// quotes (quotes and all), then every other "%1", then every "/u" (case-sensitive). Nothing else
// is trimmed, so a blank may be left at the end.
std::string StripAcrobatCommand(std::string_view command);

// The executable a reader command names: the text inside the leading double quotes when it
// starts with one (up to the closing quote, or the end), else the whole command. Blanks at the
// end are dropped, as the stripped placeholder leaves them and they are no part of a file name.
std::string AcrobatExecutable(std::string_view command);

// Reader 6 and later: command /a pagemode=bookmarks&page=N "file".
std::string PdfCommandLineWithPage(std::string_view command, int page, std::string_view file);
// Older readers, which take no page: command "file".
std::string PdfCommandLine(std::string_view command, std::string_view file);

// The reader's DDE command that shows a page; page counts from 1, the command from 0.
std::string PdfGoToPageCommand(int page);

}  // namespace pp::hostenv
