#include "toolkit/common_dialogs.h"

#include <commdlg.h>

#include <utility>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/screen.h"

namespace pp::toolkit {

namespace {

CommonDialogExecuteHook g_execute_hook = nullptr;
CommonDialogMessageHook g_message_hook = nullptr;
FontDialogMessageHook g_font_hook = nullptr;

// The dialog being shown (the system's hook procedure carries no object until WM_INITDIALOG
// hands over the structure, and the font dialog's never does): dialogs are modal, one at a
// time per thread.
TCommonDialog* g_running = nullptr;

struct Running {
  TCommonDialog* previous;
  explicit Running(TCommonDialog* dialog) : previous(std::exchange(g_running, dialog)) {}
  ~Running() { g_running = previous; }
};

// "Text|*.txt|All|*.*" as the system wants it: NUL-separated, two NULs at the end.
std::vector<char> SystemFilter(const std::string& filter) {
  std::vector<char> out(filter.begin(), filter.end());
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace

CommonDialogExecuteHook SetCommonDialogExecuteHook(CommonDialogExecuteHook hook) { return std::exchange(g_execute_hook, hook); }
CommonDialogMessageHook SetCommonDialogMessageHook(CommonDialogMessageHook hook) { return std::exchange(g_message_hook, hook); }
FontDialogMessageHook SetFontDialogMessageHook(FontDialogMessageHook hook) { return std::exchange(g_font_hook, hook); }

bool TCommonDialog::Execute() {
  if (g_execute_hook) return g_execute_hook(*this);
  TCustomForm* active = Screen().ActiveForm();
  return Execute(active ? active->Handle() : GetActiveWindow());
}

UINT_PTR CALLBACK TCommonDialog::DialogHook(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  UINT_PTR result = 0;
  if (g_message_hook && g_message_hook(wnd, msg, wparam, lparam, result)) return result;
  return g_running ? g_running->HookMessage(wnd, msg, wparam, lparam) : 0;
}

UINT_PTR TCommonDialog::HookMessage(HWND wnd, UINT msg, WPARAM, LPARAM) {
  // The explorer-style file dialog hooks a child; its frame is the parent.
  if (msg == WM_INITDIALOG) handle_ = GetParent(wnd) ? GetParent(wnd) : wnd;
  return 0;
}

bool TOpenDialog::Execute(HWND parent) {
  std::vector<char> filter = SystemFilter(Filter);
  char file[MAX_PATH * 4] = {};
  lstrcpynA(file, FileName.c_str(), sizeof file);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = parent;
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.data();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.Flags = Options | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  ofn.lpfnHook = &TCommonDialog::DialogHook;
  Running running(this);
  const bool ok = GetOpenFileNameA(&ofn) != FALSE;
  handle_ = nullptr;
  if (ok) {
    FileName = file;
    FilterIndex = static_cast<int>(ofn.nFilterIndex);
  }
  return ok;
}

bool TFontDialog::Execute(HWND parent) {
  LOGFONTA lf = font_.LogFont();
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = parent;
  cf.lpLogFont = &lf;
  cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS | CF_ENABLEHOOK;
  cf.rgbColors = static_cast<COLORREF>(ColorToRGB(font_.Color()));
  cf.lpfnHook = &TCommonDialog::DialogHook;
  Running running(this);
  const bool ok = ChooseFontA(&cf) != FALSE;
  handle_ = nullptr;
  if (ok) {
    font_.SetLogFont(lf);
    font_.SetColor(static_cast<TColor>(cf.rgbColors));
  }
  return ok;
}

UINT_PTR TFontDialog::HookMessage(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_INITDIALOG) handle_ = wnd;  // the font dialog hooks its own window
  if (g_font_hook) g_font_hook(*this, wnd, msg, wparam, lparam);
  return 0;
}

}  // namespace pp::toolkit
