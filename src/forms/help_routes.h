// The ways help reaches the user: the host's dynamic-help view, its knowledge center, the
// help-topic opener of an integrated help system, and WinHelp popups for what's this.
#pragma once

#include <windows.h>

#include <string>

#include "forms/help_lookup.h"

namespace pp::forms {

// Shows Topic (extension made ".htm", a leading "/") of HelpFile (made ".chm", a bare name placed
// in the help folders). DynamicOnly: only the host's dynamic-help view follows.
void ShowHtmlHelpTopic(const std::string& help_file, const std::string& topic, bool dynamic_only);
// Asks the host to show Address in its dynamic-help view.
void ShowDynamicHelp(const std::string& address, bool force_update);
// A WinHelp popup of Context at Position (x low, y high word). The host's preference for hiding
// floating panels is off meanwhile and comes back however the popup ends.
void ShowWinHelpPopup(HWND window, LPARAM position, const std::string& help_file, int context);

// WinHelp is reached through this function, so that tests can record its calls.
using WinHelpFunction = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);
WinHelpFunction SetWinHelpFunction(WinHelpFunction function);  // answers the one it replaces

// Opens a help address ("File.chm::/Page.htm", or a PDF page) for the integrated help system.
using HelpTopicOpener = void (*)(const std::wstring& address);
HelpTopicOpener SetHelpTopicOpener(HelpTopicOpener opener);
void OpenHelpTopic(const std::wstring& address);  // the default opener

// The file system and the host, for help lookups.
const HelpLookupServices& HostHelpLookup();

// The file name of the module that holds this code (the plug-in, or a test program that links
// it), from which the help file names come.
std::string OwnModuleFileName();

}  // namespace pp::forms
