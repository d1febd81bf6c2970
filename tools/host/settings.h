// The host's settings, through which a test sets every answer the host gives. All are
// environment variables:
//   PPHOST_LOG                  file that records every call (call_log.h)
//   PPHOST_<export>             raw return value of a "ClientAPI_" Boolean or integer query, for
//                               example PPHOST_GetPrefUseLuna=1; decimal or 0x hex; default 0.
//                               A Boolean is returned in all of EAX, so 0x100 answers false.
//   PPHOST_CLIENT=none          ClientAPI_GetClientInterface leaves the variable untouched
//   PPHOST_TRANSLATION_MANAGER=none   ClientAPI_GetTranslationManager answers none
//   PPHOST_TRANSLATIONS         file of lines "section<TAB>key<TAB>text" that Translate knows
//   PPHOST_FONT_SUBSTITUTION    GetFontSubstitution's value
//   PPHOST_DIALOGFONT           "name,size,style,colour,charset": GetDialogFont finds this font
//   PPHOST_HELPREFS             "reference=file;..." for GetHelpFileForReference
//   PPHOST_SHORTCUT_HANDLED     OfferShortcut's answer (0 or 1)
//   PPHOST_UPDATEFONT_FACE      face name that ClientAPI_UpdateFont writes into the font
//   PPHOST_WORKSPACE_NAMES      "name=object;..." for IWorkspace.GetObjectName
//   PPHOST_FAIL                 comma-separated operations (as recorded, e.g.
//                               IClient.GetMainWindowHandle) that answer E_FAIL
#pragma once

#include <string>

namespace host {

std::string Setting(const char* name, const char* fallback = "");
unsigned long SettingNumber(const char* name, unsigned long fallback = 0);
// The value of key in a "key=value;key=value" setting; found tells whether it is there.
std::string MapSetting(const char* name, const std::string& key, bool* found = nullptr);
bool Fails(const char* operation);

}  // namespace host
