#include "forms/form_services.h"

#include <cstdio>
#include <utility>

#include "base/handler_hooks.h"
#include "controls/xp_controls.h"
#include "forms/dialog_placement.h"
#include "forms/exception_report.h"
#include "forms/form_with_help.h"
#include "forms/no_shadow_hint_window.h"
#include "forms/resource_translation.h"
#include "hostenv/host_functions.h"
#include "hostenv/platform.h"
#include "hostenv/preferences.h"
#include "hostenv/process_end.h"
#include "layout/reader_hooks.h"
#include "toolkit/application.h"
#include "toolkit/colors.h"
#include "toolkit/component.h"
#include "toolkit/form.h"
#include "toolkit/graphics.h"
#include "toolkit/message_dialog.h"
#include "toolkit/win_control.h"

namespace pp::forms {

namespace {

// What each installed hook point held before, put back at shut-down.
struct Installed {
  bool done = false;
  toolkit::FormShowingHook form_showing = nullptr;
  toolkit::InsertControlHook insert_control = nullptr;
  toolkit::InsertComponentHook insert_component = nullptr;
  layout::ReaderHooks* reader = nullptr;
  toolkit::ColorToStringHook color_to_string = nullptr;
  ExceptionTakenHook exception_taken = nullptr;
  HandlingEndedHook handling_ended = nullptr;
  decltype(toolkit::TApplication::OnShowHint) show_hint;
};

Installed g_installed;
std::string g_forms_key;

bool SameTextAscii(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return i == a.size() && !b[i];
}

std::string ExecutablePath() {
  char path[MAX_PATH + 1] = {};
  return std::string(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
}

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

// ---- message boxes

// A message box of the module opens on the monitor the user works on, never where a caller
// put it; in test mode it only says which box it is and ends the process.
bool MessageBoxShowing(toolkit::TCustomForm* form) {
  if (g_installed.form_showing && g_installed.form_showing(form)) return true;
  if (!dynamic_cast<toolkit::TMessageForm*>(form)) return false;
  if (hostenv::IsTestMode()) {
    std::printf("Running modal dialog %s %s\n", form->ClassName(), form->Caption().c_str());
    hostenv::EndProcess(1);
  }
  MONITORINFO info{};
  info.cbSize = sizeof info;
  HMONITOR monitor = ActiveMonitor();
  if (!monitor || !GetMonitorInfoA(monitor, &info)) return false;  // no monitor: the box's own place
  const RECT& m = info.rcMonitor;
  form->SetBounds((m.left + m.right - form->Width()) / 2, (m.top + m.bottom - form->Height()) / 2, form->Width(),
                  form->Height());
  // Shown where it now is: the form's own positioning would move it again.
  form->SetPosition(toolkit::poDesigned);
  return false;
}

// ---- controls and components added at run time

void ControlInserted(toolkit::TWinControl* parent, toolkit::TControl* control) {
  if (g_installed.insert_control) g_installed.insert_control(parent, control);
  for (toolkit::TControl* c = control; c; c = c->Parent())
    if (auto* form = dynamic_cast<TFormWithHelp*>(c)) {
      form->ApplyFormFontDeep(control);
      return;
    }
}

void ComponentInserted(toolkit::TComponent* owner, toolkit::TComponent* component) {
  if (g_installed.insert_component) g_installed.insert_component(owner, component);
  CheckNewComponentFonts(component);
}

// ---- colours

// System colours written the older way (top byte 0x80) get their names as well.
toolkit::TColor SystemColorEncoding(toolkit::TColor color) {
  if (g_installed.color_to_string) color = g_installed.color_to_string(color);
  const auto bits = static_cast<std::uint32_t>(color);
  if ((bits >> 24) == 0x80) return static_cast<toolkit::TColor>(0xFF000000u | (bits & 0x00FFFFFFu));
  return color;
}

// ---- exceptions

void ExceptionTaken(const ForeignException* foreign) {
  if (g_installed.exception_taken) g_installed.exception_taken(foreign);
  ReportException(foreign);
}

void HandlingEnded() {
  EndExceptionHandling();
  if (g_installed.handling_ended) g_installed.handling_ended();
}

// ---- hints

void ShowHintWithHelp(std::string& hint, bool& can_show, toolkit::THintInfo& info) {
  if (g_installed.show_hint) g_installed.show_hint(hint, can_show, info);
  toolkit::TControl* control = info.HintControl;
  if (!control) return;
  if (!dynamic_cast<toolkit::TWinControl*>(control) && control->Parent()) control = control->Parent();
  if (auto* form = dynamic_cast<TFormWithHelp*>(toolkit::GetParentForm(control))) ShowDynamicHelpFor(form, control);
}

// ---- installation, in the order the framework has always used

void InstallInterceptions() {
  Installed& i = g_installed;
  // 1. Message boxes and standard dialogs.
  i.form_showing = toolkit::SetFormShowingHook(&MessageBoxShowing);
  InstallDialogPlacement(hostenv::IsWindowsVistaOrLater());
  // 2. Controls inserted into a form with help get its dialog font.
  i.insert_control = toolkit::SetInsertControlHook(&ControlInserted);
  // 3. New components get locale fonts.
  i.insert_component = toolkit::SetInsertComponentHook(&ComponentInserted);
  // 4. Strings read from form layouts, and 6. each component's data: one set of reader hooks.
  i.reader = layout::InstallReaderHooks(&Translation());
  // 5. Colour names.
  i.color_to_string = toolkit::SetColorToStringHook(&SystemColorEncoding);
  // 7. Exceptions taken up by a handler, and the end of handling.
  i.exception_taken = SetExceptionTakenHook(&ExceptionTaken);
  i.handling_ended = SetHandlingEndedHook(&HandlingEnded);
  // 8.
  i.done = true;
  // 9. Dynamic help beside every hint.
  i.show_hint = std::exchange(toolkit::Application().OnShowHint, &ShowHintWithHelp);
}

void RemoveInterceptions() {
  Installed& i = g_installed;
  if (!i.done) return;
  SetHandlingEndedHook(i.handling_ended);
  SetExceptionTakenHook(i.exception_taken);
  layout::InstallReaderHooks(i.reader);
  toolkit::SetColorToStringHook(i.color_to_string);
  toolkit::SetInsertComponentHook(i.insert_component);
  toolkit::SetInsertControlHook(i.insert_control);
  toolkit::SetFormShowingHook(i.form_showing);
  RemoveDialogPlacement();
  toolkit::Application().OnShowHint = std::move(i.show_hint);
  i = Installed{};
}

bool SystemCharsetIsShiftJis() {
  CHARSETINFO info{};
  return TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<uintptr_t>(GetACP())), &info, TCI_SRCCODEPAGE) &&
         info.ciCharset == SHIFTJIS_CHARSET;
}

}  // namespace

bool IsDesignTimeHost(const std::string& executable_path) {
  const size_t slash = executable_path.find_last_of("\\/");
  return SameTextAscii(slash == std::string::npos ? executable_path : executable_path.substr(slash + 1),
                       kDesignTimeHostName);
}

void StartFormServices() noexcept { StartFormServices(IsDesignTimeHost(ExecutablePath())); }

void StartFormServices(bool design_time_host) noexcept {
  try {
    // 1. A window of the module that stops answering keeps its own face, not the system's ghost.
    if (HMODULE user32 = GetModuleHandleA("user32.dll"))
      if (auto disable = reinterpret_cast<void(WINAPI*)()>(
              reinterpret_cast<void*>(GetProcAddress(user32, "DisableProcessWindowsGhosting"))))
        disable();
    // 2. and 3.
    if (!design_time_host) {
      InstallInterceptions();
      if (GetModuleHandleA(nullptr) != ThisModule()) controls::UseLunaLook = hostenv::client_api::GetPrefUseLuna();
    }
    // 4. Hints without a drop shadow.
    toolkit::Application().FreeHintWindow();
    toolkit::Application().HintWindowClass = [](toolkit::TComponent* owner) -> toolkit::THintWindow* {
      return new TNoShadowHintWindow(owner);
    };
    // 5. The key of stored dialog bounds.
    g_forms_key = hostenv::GetPreferenceKey() + "\\Forms";
    // 6. Exceptions that escape a message handler.
    toolkit::Application().OnException = &ApplicationExceptionHandler;
    // 7. Japanese Windows 2000 gives fonts of the default character set Shift-JIS.
    if (hostenv::IsWindows2000() && SystemCharsetIsShiftJis()) toolkit::TFont::SetDefaultCharset(SHIFTJIS_CHARSET);
    // 8.
    ReadFontSubstitutionSwitch();
  } catch (...) {
    // Out of memory while starting: the module runs with the toolkit's own behaviour.
  }
}

void StopFormServices() noexcept {
  RemoveInterceptions();
  Translation().ClearSection();
  // No hint window may outlive the module whose procedure serves it.
  toolkit::Application().FreeHintWindow();
}

bool FormServicesInstalled() noexcept { return g_installed.done; }

const std::string& FormsKey() noexcept { return g_forms_key; }

HMONITOR ActiveMonitor() {
  HWND active = GetActiveWindow();
  if (!active) active = GetForegroundWindow();
  return active ? MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST) : nullptr;
}

void CenterWindowOnMonitor(HWND window, HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT r{};
  if (!window || !monitor || !GetMonitorInfoA(monitor, &info) || !GetWindowRect(window, &r)) return;
  const RECT& m = info.rcMonitor;
  SetWindowPos(window, nullptr, (m.left + m.right - (r.right - r.left)) / 2, (m.top + m.bottom - (r.bottom - r.top)) / 2,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pp::forms
