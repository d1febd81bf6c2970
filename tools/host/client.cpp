#include "client.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include "call_log.h"
#include "settings.h"

namespace host {

using namespace pp::hostenv;

namespace {

std::string Text(const wchar_t* text) {
  std::string quoted = Quote(text);
  return quoted == "nil" ? std::string() : quoted.substr(1, quoted.size() - 2);
}

BSTR NewBstr(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

// Records the call and answers E_FAIL when the settings make this operation fail.
HRESULT Answer(const std::string& operation, const std::string& args) {
  const bool fail = Fails(operation.c_str());
  Record(operation + "(" + args + ")" + (fail ? " -> E_FAIL" : ""));
  return fail ? E_FAIL : S_OK;
}

// Reference counting shared by every host object, each AddRef and Release recorded.
template <class... I>
class Counted : public I... {
 public:
  explicit Counted(const char* name) : name_(name) {}
  virtual ~Counted() = default;
  ULONG STDMETHODCALLTYPE AddRef() override {
    Record(std::string(name_) + ".AddRef -> " + std::to_string(refs_ + 1));
    return ++refs_;
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    Record(std::string(name_) + ".Release -> " + std::to_string(left));
    if (left == 0) delete this;
    return left;
  }
  ULONG References() const { return refs_; }

 protected:
  const char* name_;
  ULONG refs_ = 1;
};

class NamedObject : public Counted<IUnknown> {
 public:
  NamedObject() : Counted("NamedObject") {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown) return *out = nullptr, E_NOINTERFACE;
    AddRef();
    *out = static_cast<IUnknown*>(this);
    return S_OK;
  }
};

class GuiManager : public Counted<IHostGuiManager> {
 public:
  GuiManager() : Counted("IHostGuiManager") {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE CommitShortcut() override { return Answer("IHostGuiManager.CommitShortcut", ""); }
  HRESULT STDMETHODCALLTYPE OfferShortcut(LONG key, BOOL alt, BOOL shift, BOOL ctrl, BOOL* handled) override {
    const HRESULT status = Answer("IHostGuiManager.OfferShortcut", Hex(key) + ", " + std::to_string(alt) + ", " +
                                                                       std::to_string(shift) + ", " + std::to_string(ctrl));
    *handled = SettingNumber("PPHOST_SHORTCUT_HANDLED") ? TRUE : FALSE;
    return status;
  }
  HRESULT STDMETHODCALLTYPE UpdateStatusBar(LONG code, const wchar_t* text) override {
    return Answer("IHostGuiManager.UpdateStatusBar", std::to_string(code) + ", " + Quote(text));
  }
};

class TranslationManager : public Counted<ITranslationManager> {
 public:
  TranslationManager() : Counted("ITranslationManager") {
    std::ifstream in(Setting("PPHOST_TRANSLATIONS"));
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t a = line.find('\t'), b = a == std::string::npos ? a : line.find('\t', a + 1);
      if (b != std::string::npos) texts_[{line.substr(0, a), line.substr(a + 1, b - a - 1)}] = line.substr(b + 1);
    }
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE Translate(BSTR section, BSTR key, BSTR* text, BOOL* found) override {
    const HRESULT status = Answer("ITranslationManager.Translate", Quote(section) + ", " + Quote(key));
    auto it = texts_.find({Text(section), Text(key)});
    *found = it != texts_.end();
    *text = *found ? NewBstr(it->second) : nullptr;
    return status;
  }
  HRESULT STDMETHODCALLTYPE SetCurrentForm(BSTR name) override {
    return Answer("ITranslationManager.SetCurrentForm", Quote(name));
  }
  HRESULT STDMETHODCALLTYPE GetFontSubstitution(LONG* value) override {
    *value = static_cast<LONG>(SettingNumber("PPHOST_FONT_SUBSTITUTION"));
    return Answer("ITranslationManager.GetFontSubstitution", "");
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> texts_;
};

class HostClient : public Counted<IClient, IHostProcessLauncher> {
 public:
  explicit HostClient(HWND main) : Counted("IClient"), main_(main) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IClient) *out = static_cast<IClient*>(this);
    if (iid == IID_IHostProcessLauncher) *out = static_cast<IHostProcessLauncher*>(this);
    Record("IClient.QueryInterface(" + GuidText(iid) + ")" + (*out ? "" : " -> E_NOINTERFACE"));
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return Counted::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return Counted::Release(); }

  HRESULT STDMETHODCALLTYPE GetObjectByName(BSTR name, IUnknown** object) override {
    const HRESULT status = Answer("IClient.GetObjectByName", Quote(name));
    *object = new NamedObject;
    return status;
  }
  HRESULT STDMETHODCALLTYPE GetMainWindowHandle(HWND* handle) override {
    *handle = main_;
    return Answer("IClient.GetMainWindowHandle", "");
  }
  HRESULT STDMETHODCALLTYPE GetGuiManager(IHostGuiManager** manager) override {
    *manager = new GuiManager;
    return Answer("IClient.GetGuiManager", "");
  }
  HRESULT STDMETHODCALLTYPE GetHelpFileForReference(BSTR reference, BSTR* file) override {
    *file = NewBstr(MapSetting("PPHOST_HELPREFS", Text(reference)));
    return Answer("IClient.GetHelpFileForReference", Quote(reference));
  }
  HRESULT STDMETHODCALLTYPE GetDialogFont(LONG selector, BYTE* found, BSTR* name, LONG* size, BYTE* style,
                                          LONG* colour, BYTE* charset) override {
    const std::string font = Setting("PPHOST_DIALOGFONT");
    char face[LF_FACESIZE] = {};
    unsigned long s = 0, st = 0, c = 0, cs = 0;
    *found = !font.empty() && std::sscanf(font.c_str(), "%31[^,],%lu,%lu,%lu,%lu", face, &s, &st, &c, &cs) >= 1;
    *name = NewBstr(*found ? face : "");
    *size = static_cast<LONG>(s);
    *style = static_cast<BYTE>(st);
    *colour = static_cast<LONG>(c);
    *charset = static_cast<BYTE>(cs);
    return Answer("IClient.GetDialogFont", std::to_string(selector));
  }
  HRESULT STDMETHODCALLTYPE RunProcess(const char* process, const void* parameters, LONG size,
                                       LONG reserved) override {
    std::string params;
    if (parameters) {
      const char* p = static_cast<const char*>(parameters);
      params = size > 0 ? std::string(p, strnlen(p, static_cast<size_t>(size))) : std::string(p);
    }
    return Answer("IHostProcessLauncher.RunProcess", Quote(process ? process : "") + ", " + Quote(params) + ", " +
                                                         std::to_string(size) + ", " + std::to_string(reserved));
  }

 private:
  static std::string GuidText(REFIID iid) {
    wchar_t text[40] = {};
    StringFromGUID2(iid, text, 40);
    return Quote(text).substr(1, 38);
  }
  HWND main_;
};

HostClient* g_client = nullptr;

}  // namespace

IClient* Client() { return g_client; }
void CreateClient(HWND mainWindow) { g_client = new HostClient(mainWindow); }
long ClientExtraReferences() { return g_client ? static_cast<long>(g_client->References()) - 1 : 0; }

ITranslationManager* NewTranslationManager() { return new TranslationManager; }

}  // namespace host
