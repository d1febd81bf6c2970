#include "hostenv/pdf_help.h"

#include <windows.h>
#include <ddeml.h>

#include <optional>
#include <vector>

#include "base/errors.h"
#include "base/win_handles.h"
#include "hostenv/acrobat_warning.h"
#include "hostenv/file_read.h"
#include "hostenv/folders.h"
#include "hostenv/paths.h"
#include "hostenv/pdf_command.h"

namespace pp::hostenv {

namespace {

bool ClassKeyExists(const std::string& name) {
  win::UniqueKey key;
  return RegOpenKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, key.receive()) == ERROR_SUCCESS;
}

// The default value of a key under HKEY_CLASSES_ROOT; none when the key does not open. A value
// that is missing or not a string reads as "".
std::optional<std::string> ClassDefaultValue(const std::string& name) {
  win::UniqueKey key;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), "", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::string();
  std::vector<char> buffer(size + 1, '\0');
  if (RegQueryValueExA(key.get(), "", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
    return std::string();
  return std::string(buffer.data());
}

[[noreturn]] void RaiseLastOSError() {
  const DWORD code = GetLastError();
  char text[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == ' ')) text[--n] = '\0';
  Raise(EOSError(code, "System Error.  Code: " + std::to_string(code) + ".\n" + text));
}

// Why GetFileVersionInfoSize found no version: the file was read and holds no version resource
// (or is no executable at all, so holds none), as opposed to a file that could not be read.
bool HasNoVersionResource(DWORD error) {
  switch (error) {
    case ERROR_RESOURCE_DATA_NOT_FOUND:
    case ERROR_RESOURCE_TYPE_NOT_FOUND:
    case ERROR_RESOURCE_NAME_NOT_FOUND:
    case ERROR_RESOURCE_LANG_NOT_FOUND:
    case ERROR_BAD_FORMAT:
    case ERROR_BAD_EXE_FORMAT:
      return true;
    default:
      return false;
  }
}

// The major file version of an executable; 0 for a file without version resources. A file that
// cannot be read (missing, a folder, locked, not readable) raises.
int MajorFileVersion(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) RaiseLastOSError();
  DWORD ignored = 0;
  SetLastError(ERROR_SUCCESS);
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) {
    if (HasNoVersionResource(GetLastError())) return 0;
    RaiseLastOSError();
  }
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) RaiseLastOSError();
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
      length < sizeof(VS_FIXEDFILEINFO))
    return 0;
  return static_cast<int>(HIWORD(info->dwFileVersionMS));
}

HDDEDATA CALLBACK IgnoreDde(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

}  // namespace

std::string GetAcrobatCommand() {
  std::optional<std::string> command = ClassDefaultValue("acrobat\\Shell\\Open\\Command");
  if (!command) {
    if (std::optional<std::string> program = ClassDefaultValue(".PDF"))
      command = ClassDefaultValue(*program + "\\Shell\\Open\\Command");
  }
  return StripAcrobatCommand(command.value_or(""));
}

int GetAcrobatVersion(const std::string& command) {
  if (ClassKeyExists("AcroPDF.PDF.1")) return 7;
  if (ClassKeyExists("PDF.PdfCtrl.1")) return 4;
  for (int n = 2; n <= 10; ++n)
    if (ClassKeyExists("PDF.PdfCtrl." + std::to_string(n))) return n;
  const int version = MajorFileVersion(AcrobatExecutable(command));
  return version == 0 ? 4 : version;
}

void SendAcrobatDdeCommand(const std::string& text) noexcept {
  DWORD instance = 0;
  if (DdeInitializeA(&instance, &IgnoreDde, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return;
  HSZ service = DdeCreateStringHandleA(instance, "acroview", CP_WINANSI);
  HSZ topic = DdeCreateStringHandleA(instance, "control", CP_WINANSI);
  if (service && topic) {
    CONVCONTEXT context = {};
    context.cb = sizeof context;
    context.iCodePage = CP_WINANSI;
    if (HCONV conversation = DdeConnect(instance, service, topic, &context)) {
      std::vector<BYTE> data(text.begin(), text.end());
      DdeClientTransaction(data.data(), static_cast<DWORD>(data.size()), conversation, nullptr, CF_TEXT,
                           XTYP_EXECUTE, TIMEOUT_ASYNC, nullptr);
      DdeDisconnect(conversation);
    }
  }
  if (service) DdeFreeStringHandle(instance, service);
  if (topic) DdeFreeStringHandle(instance, topic);
  DdeUninitialize(instance);
}

bool ShowPdfHelp(const std::string& fileName, int page) {
  std::string file = fileName;
  if (!FileExists(file)) {
    file = GetHelpFolder() + FileNameOf(fileName);
    if (!FileExists(file)) return false;
  }
  const std::string command = GetAcrobatCommand();
  const int version = GetAcrobatVersion(command);
  if (version >= 6) {
    if (WinExec(PdfCommandLineWithPage(command, page, file).c_str(), SW_SHOWNORMAL) < 32) return false;
    SendAcrobatDdeCommand(PdfGoToPageCommand(page));
    return true;
  }
  if (page != 1) ShowAcrobatVersionWarning();
  return WinExec(PdfCommandLine(command, file).c_str(), SW_SHOWNORMAL) >= 32;
}

}  // namespace pp::hostenv
