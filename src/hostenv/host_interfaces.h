// The host application's interfaces as the library sees them: the client interface and those
// reached through it. Only the operations the library calls are named; the other slots are
// placeholders that keep the numbering of the host's operation tables (a placeholder is never
// called, so it carries no arguments). Every operation returns a status; a negative one means the
// host refused. In-texts are wide strings (BSTR), out-texts BSTRs the caller frees; Booleans are
// one byte unless marked as 32-bit (BOOL).
//
// The host stand-in (tools/host) implements these too, so both sides share one declaration.
#pragma once

#include <windows.h>
#include <unknwn.h>
#include <oleauto.h>

// One placeholder slot of an operation table.
#define PP_HOST_SLOT(n) \
  virtual HRESULT STDMETHODCALLTYPE Unused##n() { return E_NOTIMPL; }

namespace pp::hostenv {

// {4C11EF71-6297-4E2B-90D1-7F5F1A9E2ADE}
inline constexpr IID IID_IClient = {0x4C11EF71, 0x6297, 0x4E2B, {0x90, 0xD1, 0x7F, 0x5F, 0x1A, 0x9E, 0x2A, 0xDE}};
// {8452C443-703F-4881-B7AC-C33550794AA6}
inline constexpr IID IID_IHostProcessLauncher = {0x8452C443, 0x703F, 0x4881, {0xB7, 0xAC, 0xC3, 0x35, 0x50, 0x79, 0x4A, 0xA6}};

// The host's shortcut and status bar services.
struct IHostGuiManager : public IUnknown {
  /*  3 */ virtual HRESULT STDMETHODCALLTYPE CommitShortcut() = 0;
  /*  4 */ PP_HOST_SLOT(4)
  /*  5 */ virtual HRESULT STDMETHODCALLTYPE OfferShortcut(LONG Key, BOOL Alt, BOOL Shift, BOOL Ctrl,
                                                         BOOL* Handled) = 0;
  PP_HOST_SLOT(6) PP_HOST_SLOT(7) PP_HOST_SLOT(8) PP_HOST_SLOT(9) PP_HOST_SLOT(10) PP_HOST_SLOT(11)
  /* 12 */ virtual HRESULT STDMETHODCALLTYPE UpdateStatusBar(LONG Code, const wchar_t* Text) = 0;
};

// Translates form texts into the user's language.
struct ITranslationManager : public IUnknown {
  /*  3 */ virtual HRESULT STDMETHODCALLTYPE Translate(BSTR Section, BSTR Key, BSTR* Text, BOOL* Found) = 0;
  /*  4 */ virtual HRESULT STDMETHODCALLTYPE SetCurrentForm(BSTR Name) = 0;  // "" ends the form
  /*  5 */ virtual HRESULT STDMETHODCALLTYPE GetFontSubstitution(LONG* Value) = 0;
};

// Runs one of the host's named processes; reached by a query on the client.
struct IHostProcessLauncher : public IUnknown {
  PP_HOST_SLOT(3)
  /*  4 */ virtual HRESULT STDMETHODCALLTYPE RunProcess(const char* Process, const void* Parameters,
                                                      LONG ParameterSize, LONG Reserved) = 0;
};

// The host's workspace, handed out by "WorkspaceManager.DLL".
struct IWorkspace : public IUnknown {
  PP_HOST_SLOT(3) PP_HOST_SLOT(4) PP_HOST_SLOT(5) PP_HOST_SLOT(6) PP_HOST_SLOT(7) PP_HOST_SLOT(8)
  PP_HOST_SLOT(9) PP_HOST_SLOT(10) PP_HOST_SLOT(11) PP_HOST_SLOT(12) PP_HOST_SLOT(13) PP_HOST_SLOT(14)
  PP_HOST_SLOT(15) PP_HOST_SLOT(16) PP_HOST_SLOT(17) PP_HOST_SLOT(18) PP_HOST_SLOT(19) PP_HOST_SLOT(20)
  PP_HOST_SLOT(21) PP_HOST_SLOT(22) PP_HOST_SLOT(23) PP_HOST_SLOT(24) PP_HOST_SLOT(25) PP_HOST_SLOT(26)
  PP_HOST_SLOT(27) PP_HOST_SLOT(28) PP_HOST_SLOT(29) PP_HOST_SLOT(30) PP_HOST_SLOT(31) PP_HOST_SLOT(32)
  PP_HOST_SLOT(33) PP_HOST_SLOT(34) PP_HOST_SLOT(35) PP_HOST_SLOT(36) PP_HOST_SLOT(37) PP_HOST_SLOT(38)
  PP_HOST_SLOT(39) PP_HOST_SLOT(40) PP_HOST_SLOT(41) PP_HOST_SLOT(42) PP_HOST_SLOT(43) PP_HOST_SLOT(44)
  PP_HOST_SLOT(45) PP_HOST_SLOT(46) PP_HOST_SLOT(47) PP_HOST_SLOT(48) PP_HOST_SLOT(49) PP_HOST_SLOT(50)
  PP_HOST_SLOT(51) PP_HOST_SLOT(52) PP_HOST_SLOT(53)
  /* 54 */ virtual HRESULT STDMETHODCALLTYPE GetObjectName(BSTR Name, BSTR* Result) = 0;
};

// The host's main client interface.
struct IClient : public IUnknown {
  PP_HOST_SLOT(3) PP_HOST_SLOT(4) PP_HOST_SLOT(5) PP_HOST_SLOT(6) PP_HOST_SLOT(7) PP_HOST_SLOT(8)
  PP_HOST_SLOT(9) PP_HOST_SLOT(10) PP_HOST_SLOT(11) PP_HOST_SLOT(12) PP_HOST_SLOT(13)
  /* 14 */ virtual HRESULT STDMETHODCALLTYPE GetObjectByName(BSTR Name, IUnknown** Object) = 0;
  /* 15 */ virtual HRESULT STDMETHODCALLTYPE GetMainWindowHandle(HWND* Handle) = 0;
  /* 16 */ PP_HOST_SLOT(16)
  /* 17 */ virtual HRESULT STDMETHODCALLTYPE GetGuiManager(IHostGuiManager** Manager) = 0;
  PP_HOST_SLOT(18) PP_HOST_SLOT(19) PP_HOST_SLOT(20) PP_HOST_SLOT(21) PP_HOST_SLOT(22) PP_HOST_SLOT(23)
  PP_HOST_SLOT(24) PP_HOST_SLOT(25) PP_HOST_SLOT(26) PP_HOST_SLOT(27) PP_HOST_SLOT(28) PP_HOST_SLOT(29)
  PP_HOST_SLOT(30) PP_HOST_SLOT(31) PP_HOST_SLOT(32) PP_HOST_SLOT(33) PP_HOST_SLOT(34) PP_HOST_SLOT(35)
  PP_HOST_SLOT(36) PP_HOST_SLOT(37) PP_HOST_SLOT(38) PP_HOST_SLOT(39) PP_HOST_SLOT(40) PP_HOST_SLOT(41)
  PP_HOST_SLOT(42) PP_HOST_SLOT(43) PP_HOST_SLOT(44) PP_HOST_SLOT(45) PP_HOST_SLOT(46)
  /* 47 */ virtual HRESULT STDMETHODCALLTYPE GetHelpFileForReference(BSTR Reference, BSTR* FileName) = 0;
  // Selector 0 is the dialog font. Style is the set of bold, italic, underline, strike-out
  // (bits 0 to 3); Colour a COLORREF.
  /* 48 */ virtual HRESULT STDMETHODCALLTYPE GetDialogFont(LONG Selector, BYTE* Found, BSTR* Name, LONG* Size,
                                                         BYTE* Style, LONG* Colour, BYTE* Charset) = 0;
};

}  // namespace pp::hostenv

#undef PP_HOST_SLOT
