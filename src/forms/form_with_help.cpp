#include "forms/form_with_help.h"

#include <cstdio>
#include <utility>

#include "base/win_handles.h"
#include "controls/tabs/xp_page_control.h"
#include "forms/help_lookup.h"
#include "forms/help_routes.h"
#include "forms/locale_fonts.h"
#include "hostenv/folders.h"
#include "hostenv/host_client.h"
#include "hostenv/host_functions.h"
#include "hostenv/paths.h"
#include "hostenv/platform.h"
#include "hostenv/process_end.h"
#include "hostenv/text.h"
#include "layout/toolkit_classes.h"
#include "toolkit/messages.h"
#include "toolkit/text.h"

namespace pp::forms {

using namespace toolkit;

namespace {

// The themed page controls and their sheets are the containers besides forms: F1 on a box of a
// sheet finds the sheet's topic before the form's.
HelpContainerInfo ThemedContainers(TControl* control) {
  if (auto* pages = dynamic_cast<controls::TWinXPPageControl*>(control))
    return {HelpContainerKind::PageControl, pages->ActivePage()};
  if (dynamic_cast<controls::TWinXPTabSheet*>(control)) return {HelpContainerKind::TabSheet, nullptr};
  return {};
}

HelpContainerQuery g_container_query = &ThemedContainers;
bool g_font_substitution = false;
int g_reading_depth = 0;

HelpContainerInfo ContainerInfo(TControl* control) {
  if (control && g_container_query) return g_container_query(control);
  return {};
}

bool IsForm(TControl* control) { return dynamic_cast<TCustomForm*>(control) != nullptr; }

// The host's dialog font (selector 0), when the host has a client and defines one.
struct HostDialogFont {
  bool found = false;
  std::string name;
  LONG size = 0;
  BYTE style = 0;
  LONG colour = 0;
  BYTE charset = 0;
};

HostDialogFont QueryDialogFont() {
  HostDialogFont font;
  win::ComPtr<hostenv::IClient> client = hostenv::GetClient();
  if (!client) return font;
  BYTE found = 0;
  win::UniqueBstr name;
  hostenv::CheckHostStatus(
      client->GetDialogFont(0, &found, name.receive(), &font.size, &font.style, &font.colour, &font.charset));
  font.found = found != 0;
  if (name.get()) font.name = hostenv::WideToAnsi(std::wstring_view(name.get(), SysStringLen(name.get())));
  return font;
}

// Every font property of a component, as its class description lists them.
std::vector<TFont*> FontsOf(TComponent* component) {
  layout::ObjectRef ref = layout::DynamicRef(component);
  if (!layout::FindClassOfType(typeid(*component)))
    if (auto* control = dynamic_cast<TControl*>(component)) ref = layout::Ref(control);
  std::vector<TFont*> fonts;
  for (const layout::ObjectRef& font : layout::ObjectPropertiesOf(ref, layout::ClassOf<TFont>()))
    fonts.push_back(font.As<TFont>());
  return fonts;
}

}  // namespace

bool FontSubstitutionOn() { return g_font_substitution; }
void SetFontSubstitutionOn(bool on) { g_font_substitution = on; }
int FormReadingDepth() { return g_reading_depth; }
void SetFormReadingDepth(int depth) { g_reading_depth = depth; }

HelpContainerQuery SetHelpContainerQuery(HelpContainerQuery query) { return std::exchange(g_container_query, query); }

bool IsHelpContainer(TControl* control) {
  return control && (IsForm(control) || ContainerInfo(control).kind != HelpContainerKind::None);
}

// ---- construction

TFormWithHelp::TFormWithHelp(TComponent* owner) : TForm(owner) {
  use_host_font_ = GetUseHostFont();
  use_locale_language_ = GetUseLocaleLanguage();
  if (use_host_font_) ApplyHostFont(&dialog_font_);
}

TFormWithHelp::~TFormWithHelp() = default;

void TFormWithHelp::Loaded() {
  TForm::Loaded();
  if (use_host_font_) ApplyFormFont(this);
  SetShowHint(true);
}

bool TFormWithHelp::GetUseHostFont() { return QueryDialogFont().found; }

bool TFormWithHelp::GetUseLocaleLanguage() { return hostenv::client_api::GetUseSystemLocaleLanguage(); }

void TFormWithHelp::ApplyHostFont(TFont* font) {
  if (!font) return;
  const HostDialogFont host = QueryDialogFont();
  if (!host.found) return;
  font->SetName(host.name);
  font->SetSize(host.size);
  TFontStyles style;
  for (int bit = 0; bit < 4; ++bit)
    if (host.style & (1 << bit)) style.Include(static_cast<TFontStyle>(bit));
  font->SetStyle(style);
  font->SetColor(static_cast<TColor>(host.colour));
  font->SetCharset(host.charset);
}

// ---- fonts

void TFormWithHelp::ApplyFormFont(TControl* control) {
  if (!control) return;
  for (TFont* font : FontsOf(control))
    if (font) font->Assign(dialog_font_);
}

void TFormWithHelp::ApplyFormFontDeep(TControl* control) {
  if (!control) return;
  if (use_host_font_) ApplyFormFont(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control))
    for (int i = 0; i < windowed->ControlCount(); ++i) ApplyFormFontDeep(windowed->Controls(i));
  for (int i = 0; i < control->ComponentCount(); ++i)
    if (auto* owned = dynamic_cast<TControl*>(control->Components(i))) ApplyFormFontDeep(owned);
}

void TFormWithHelp::CheckLocaleFonts(TComponent* component) {
  if (FontSubstitutionOn() && use_locale_language_ && !use_host_font_ && FormReadingDepth() == 0)
    SubstituteLocaleFonts(component);
}

void TFormWithHelp::SubstituteLocaleFonts(TComponent* component) {
  if (!component) return;
  for (TFont* font : FontsOf(component)) {
    if (!font) continue;
    LOGFONTA lf = font->LogFont();
    if (hostenv::client_api::UpdateFont(&lf) != 0) font->SetLogFont(lf);
  }
  for (int i = 0; i < component->ComponentCount(); ++i) SubstituteLocaleFonts(component->Components(i));
}

// ---- help files and lookups

std::string TFormWithHelp::GetHelpFile() {
  return hostenv::ResolveHelpFilePath(ChangeFileExt(hostenv::FileNameOf(OwnModuleFileName()), ".chm"));
}

std::string TFormWithHelp::GetWhatsThisHelpFile() { return ChangeFileExt(GetHelpFile(), "") + "wth.hlp"; }

int TFormWithHelp::FindFormTopic(const std::string& key, const std::string& prefix, std::string& topic_key,
                                 bool form_level, std::string& help_file) {
  return FindHelpTopic(key, prefix, topic_key, form_level ? form_help_ : control_help_, help_file, HostHelpLookup());
}

int TFormWithHelp::GetHelpContext(TControl* control, std::string& topic, std::string& help_file) {
  const bool form_level = IsForm(control);
  help_file = form_level ? GetHelpFile() : GetWhatsThisHelpFile();
  if (!control) return 0;
  std::string name;
  GetHelpName(control, name);
  return FindFormTopic("Dlg_" + name, "", topic, form_level, help_file);
}

void TFormWithHelp::GetHelpName(TControl* control, std::string& name) { name = control ? control->Name() : ""; }

TControl* FindFirstHelpContainer(TFormWithHelp* form, TControl* parent) {
  auto* windowed = dynamic_cast<TWinControl*>(parent);
  if (!windowed) return nullptr;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!IsHelpContainer(child)) continue;
    std::string topic, file;
    if (form->GetHelpContext(child, topic, file) != 0) return child;
    return FindFirstHelpContainer(form, child);
  }
  return nullptr;
}

void TFormWithHelp::ShowControlHelp(TControl* control) {
  TControl* c = control;
  while (c && !IsHelpContainer(c)) c = c->Parent();
  if (!c || c == this) c = FindFirstHelpContainer(this, this);
  if (const HelpContainerInfo info = ContainerInfo(c); info.kind == HelpContainerKind::PageControl)
    c = info.active_page;
  std::string topic, file;
  if (c && GetHelpContext(c, topic, file) == 0) c = FindFirstHelpContainer(this, c);
  if (!c) c = this;
  int n = GetHelpContext(c, topic, file);
  if (n == 0 && c != this) n = GetHelpContext(this, topic, file);
  if (n != 0) {
    ShowHtmlHelpTopic(ChangeFileExt(file, ".chm"), topic, false);
  } else {
    POINT cursor{};
    GetCursorPos(&cursor);
    ShowWinHelpPopup(Handle(), MAKELPARAM(cursor.x, cursor.y), hostenv::ResolveHelpFilePath("zentromaster.hlp"), 1);
  }
}

void ShowDynamicHelpFor(TFormWithHelp* form, TControl* control) {
  std::string topic, file;
  if (form->GetHelpContext(control, topic, file) != 0) ShowHtmlHelpTopic(ChangeFileExt(file, ".chm"), topic, true);
}

void TFormWithHelp::ShowWhatsThisHelp(HWND window, LPARAM position) {
  if (win::ComPtr<hostenv::IClient> client = hostenv::GetClient()) {
    win::ComPtr<hostenv::IHostGuiManager> gui;
    hostenv::CheckHostStatus(client->GetGuiManager(gui.receive()));
    if (gui) hostenv::CheckHostStatus(gui->UpdateStatusBar(-1, nullptr));
  }
  TControl* ctl = FindControl(window);
  if (!ctl) return;
  std::string file = GetWhatsThisHelpFile();
  TControl* container = ctl->Parent();
  while (container && !IsForm(container)) container = container->Parent();
  if (!container) container = this;
  const std::string suffix = std::string(container->ClassName()).substr(1);

  std::string topic;
  auto lookup = [&](const std::string& name) {
    int n = FindFormTopic(name, container->Name(), topic, false, file);
    if (n <= 0 && !SameText(container->Name(), suffix)) n = FindFormTopic(name, suffix, topic, false, file);
    return n;
  };
  int n = lookup(ctl->Name());
  if (n == 0 && ctl->Parent() && ctl->Parent() != container) n = lookup(ctl->Parent()->Name());
  ShowWinHelpPopup(Handle(), position, file, n);
}

// ---- messages

void TFormWithHelp::CMChildKey(TMessage& m) {
  if (m.WParam != VK_F1) {
    TForm::CMChildKey(m);
    return;
  }
  f1_handled_ = true;
  m.Result = 1;
  const bool shift = hostenv::IsShiftDown(), ctrl = hostenv::IsCtrlDown(), alt = hostenv::IsAltDown();
  if (shift || ctrl || alt) {
    win::ComPtr<hostenv::IClient> client = hostenv::GetClient();
    if (!client) return;
    win::ComPtr<hostenv::IHostGuiManager> gui;
    hostenv::CheckHostStatus(client->GetGuiManager(gui.receive()));
    if (!gui) return;
    BOOL handled = FALSE;
    hostenv::CheckHostStatus(gui->OfferShortcut(VK_F1, alt ? -1 : 0, shift ? -1 : 0, ctrl ? -1 : 0, &handled));
    if (handled) hostenv::CheckHostStatus(gui->CommitShortcut());
    return;
  }
  ShowControlHelp(reinterpret_cast<TControl*>(m.LParam));
}

void TFormWithHelp::WMHelp(TMessage& m) {
  const auto* info = reinterpret_cast<const HELPINFO*>(m.LParam);
  if (!info || info->iContextType != HELPINFO_WINDOW) {
    DefaultHandler(m);
    return;
  }
  if (!f1_handled_)
    ShowWhatsThisHelp(static_cast<HWND>(info->hItemHandle), MAKELPARAM(info->MousePos.x, info->MousePos.y));
  f1_handled_ = false;
  m.Result = 1;
}

void TFormWithHelp::Dispatch(TMessage& m) {
  if (m.Msg == WM_HELP) {
    WMHelp(m);
    return;
  }
  TForm::Dispatch(m);
}

TModalResult TFormWithHelp::ShowModal() {
  if (hostenv::IsTestMode()) {
    std::printf("Running modal dialog %s %s\n", ClassName(), Text().c_str());
    hostenv::EndProcess(1);
  }
  return TForm::ShowModal();
}

}  // namespace pp::forms
