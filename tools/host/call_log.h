// Every call the plug-in makes into the host, recorded in order, one line each, in the file that
// PPHOST_LOG names (appended; nothing is recorded without it). The file is opened per line so
// that a record survives the process being ended at once.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace host {

void Record(const std::string& line);

// Argument texts for the record: quoted, wide texts converted to the ANSI code page.
std::string Quote(std::string_view text);
std::string Quote(const wchar_t* text);  // none is recorded as nil
std::string Hex(unsigned long value);

}  // namespace host
