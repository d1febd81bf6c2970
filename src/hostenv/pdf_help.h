// PDF help: opening a help document at a page in the PDF reader registered with Windows.
#pragma once

#include <string>

namespace pp::hostenv {

// Opens fileName (or, when it does not exist, the file of that name in the help folder) at page
// (from 1). True when a reader was started. Raises EOSError only when the reader's version has
// to be read from its executable and that file cannot be read.
bool ShowPdfHelp(const std::string& fileName, int page);

// The reader's open command from HKEY_CLASSES_ROOT without its document placeholder; "" when no
// reader is registered.
std::string GetAcrobatCommand();

// The reader's major version: from the registered ActiveX controls when there are any, else from
// the version resource of the command's executable (0 counts as 4).
int GetAcrobatVersion(const std::string& command);

// Sends text to the running reader as a DDE execute (service "acroview", topic "control").
// Every failure ends the attempt silently.
void SendAcrobatDdeCommand(const std::string& text) noexcept;

}  // namespace pp::hostenv
