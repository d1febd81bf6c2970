#include "forms/help_routes.h"

#include <utility>

#include "base/module_of.h"
#include "base/win_handles.h"
#include "hostenv/file_read.h"
#include "hostenv/folders.h"
#include "hostenv/host_client.h"
#include "hostenv/host_functions.h"
#include "hostenv/paths.h"
#include "hostenv/pdf_help.h"
#include "hostenv/text.h"
#include "toolkit/application.h"

namespace pp::forms {

namespace {

WinHelpFunction g_win_help = &WinHelpA;
HelpTopicOpener g_opener = &OpenHelpTopic;

std::string HostFileForReference(const std::string& reference) {
  win::ComPtr<hostenv::IClient> client = hostenv::GetClient();
  if (!client) return {};
  win::UniqueBstr wide(SysAllocString(hostenv::AnsiToWide(reference).c_str()));
  win::UniqueBstr file;
  hostenv::CheckHostStatus(client->GetHelpFileForReference(wide.get(), file.receive()));
  return file.get() ? hostenv::WideToAnsi(std::wstring_view(file.get(), SysStringLen(file.get()))) : std::string();
}

// "File.pdf#page=N", "File.pdf::/N" or a bare "File.pdf" (page 1).
bool OpenPdfPage(const std::string& address) {
  std::string file = address;
  int page = 1;
  size_t cut = address.find("::");
  if (cut == std::string::npos) cut = address.find('#');
  if (cut != std::string::npos) {
    file = address.substr(0, cut);
    std::string rest = address.substr(cut);
    const size_t digits = rest.find_first_of("0123456789");
    if (digits != std::string::npos) page = std::max(1, std::atoi(rest.c_str() + digits));
  }
  if (file.size() < 4 || hostenv::UpperAscii(file.substr(file.size() - 4)) != ".PDF") return false;
  hostenv::ShowPdfHelp(file, page);
  return true;
}

}  // namespace

const HelpLookupServices& HostHelpLookup() {
  static const HelpLookupServices services{
      .read_file = [](const std::string& path) { return hostenv::ReadWholeFile(path); },
      .file_exists = [](const std::string& path) { return hostenv::FileExists(path); },
      .file_for_reference = &HostFileForReference,
      .resolve_help_path = [](const std::string& name) { return hostenv::ResolveHelpFilePath(name); },
  };
  return services;
}

std::string OwnModuleFileName() {
  HMODULE module = win::ModuleOfAddress(reinterpret_cast<const void*>(&OwnModuleFileName));
  char path[MAX_PATH + 1] = {};
  return std::string(path, GetModuleFileNameA(module, path, MAX_PATH));
}

void ShowDynamicHelp(const std::string& address, bool force_update) {
  const std::string parameters = std::string(force_update ? "ForceUpdate=True|" : "") + "Address=" + address;
  hostenv::RunHostProcess("HelpAdvisor:ShowDynamicHelp", parameters.c_str(), static_cast<int>(parameters.size()) + 1, 0);
}

void ShowHtmlHelpTopic(const std::string& help_file, const std::string& topic, bool dynamic_only) {
  std::string page = ChangeFileExt(topic, ".htm");
  std::string file = ChangeFileExt(help_file, ".chm");
  if (hostenv::FolderOf(file).empty()) file = hostenv::ResolveHelpFilePath(file);
  if (page.empty() || page[0] != '/') page = "/" + page;
  if (dynamic_only) {
    ShowDynamicHelp(file + "::" + page, false);
  } else if (hostenv::client_api::GetIntegratedHelpSystem()) {
    g_opener(hostenv::AnsiToWide(file + "::" + page));
  } else {
    static const char kShowKnowledgeCenter[] = "ObjectKind=Panel|Action=Show|Id=KnowledgeCenter";
    hostenv::RunHostProcess("Client:CustomizeResources", kShowKnowledgeCenter, 0, 0);
    if (file.size() > 255) file.resize(255);
    ShowDynamicHelp(file + "::" + page, true);
  }
}

void ShowWinHelpPopup(HWND window, LPARAM position, const std::string& help_file, int context) {
  const bool hide_panels = hostenv::client_api::GetPrefHideFloatingPanels();
  hostenv::client_api::SetPrefHideFloatingPanels(false);
  struct Restore {
    bool value;
    ~Restore() { hostenv::client_api::SetPrefHideFloatingPanels(value); }
  } restore{hide_panels};
  g_win_help(window, help_file.c_str(), HELP_SETPOPUP_POS, static_cast<ULONG_PTR>(position));
  g_win_help(window, help_file.c_str(), HELP_CONTEXTPOPUP, static_cast<ULONG_PTR>(context));
  Sleep(200);
  toolkit::Application().ProcessMessages();
}

WinHelpFunction SetWinHelpFunction(WinHelpFunction function) {
  return std::exchange(g_win_help, function ? function : &WinHelpA);
}

HelpTopicOpener SetHelpTopicOpener(HelpTopicOpener opener) {
  return std::exchange(g_opener, opener ? opener : &OpenHelpTopic);
}

void OpenHelpTopic(const std::wstring& address) {
  const std::string text = hostenv::WideToAnsi(address);
  if (OpenPdfPage(text)) return;
  ShowDynamicHelp(text, true);
}

}  // namespace pp::forms
