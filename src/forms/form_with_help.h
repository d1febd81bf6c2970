// The base form of every dialog of the library: help through the host (F1 and what's this),
// F1 with a modifier offered to the host as a shortcut, the host's dialog font on every control,
// and test mode for modal shows.
#pragma once

#include <windows.h>

#include <string>

#include "forms/help_id_map.h"
#include "toolkit/form.h"

namespace pp::forms {

class TFormWithHelp : public toolkit::TForm {
 public:
  explicit TFormWithHelp(toolkit::TComponent* owner);
  ~TFormWithHelp() override;
  const char* ClassName() const override { return "TFormWithHelp"; }

  // The topic number of a control (0: none). A form is looked up in the form-level map and the
  // form help file, anything else (and none) in the control-level map and the what's-this file.
  // help_file is always set; topic only when a lookup ran.
  virtual int GetHelpContext(toolkit::TControl* control, std::string& topic, std::string& help_file);
  virtual void GetHelpName(toolkit::TControl* control, std::string& name);
  virtual void ShowControlHelp(toolkit::TControl* control);  // F1
  virtual bool GetUseHostFont();
  virtual bool GetUseLocaleLanguage();
  virtual void ApplyHostFont(toolkit::TFont* font);

  std::string GetHelpFile();           // the module's name with ".chm", placed in the help folders
  std::string GetWhatsThisHelpFile();  // beside it: name + "wth.hlp"

  // The dialog font on every font property of the control (its class description says which).
  void ApplyFormFont(toolkit::TControl* control);
  // ApplyFormFont on the control (when the host defines a font), its children and its owned
  // components, all the way down.
  void ApplyFormFontDeep(toolkit::TControl* control);
  // Fonts handed to the host for substitution when it uses the system locale's language.
  void CheckLocaleFonts(toolkit::TComponent* component);
  void SubstituteLocaleFonts(toolkit::TComponent* component);
  void ShowWhatsThisHelp(HWND window, LPARAM position);

  bool UseHostFont() const { return use_host_font_; }
  bool UseLocaleLanguage() const { return use_locale_language_; }
  toolkit::TFont& DialogFont() { return dialog_font_; }
  bool F1Handled() const { return f1_handled_; }

  toolkit::TModalResult ShowModal() override;
  void Dispatch(toolkit::TMessage& m) override;

  // The topic of `key` in one of the form's maps (loaded on first use); see help_lookup.h.
  int FindFormTopic(const std::string& key, const std::string& prefix, std::string& topic_key, bool form_level,
                    std::string& help_file);

 protected:
  void Loaded() override;
  virtual void WMHelp(toolkit::TMessage& m);
  virtual void CMChildKey(toolkit::TMessage& m) override;

 private:
  HelpIdMap form_help_;     // form-level map and its references
  HelpIdMap control_help_;  // what's-this map and its references
  bool f1_handled_ = false;
  bool use_host_font_ = false;
  bool use_locale_language_ = false;
  toolkit::TFont dialog_font_;
};

// Help containers: forms, themed page controls and their tab sheets. A replaceable query says
// which controls besides forms are containers; by default the themed page controls and sheets.
enum class HelpContainerKind { None, PageControl, TabSheet };
struct HelpContainerInfo {
  HelpContainerKind kind = HelpContainerKind::None;
  toolkit::TControl* active_page = nullptr;  // PageControl: its active page, or none
};
using HelpContainerQuery = HelpContainerInfo (*)(toolkit::TControl* control);
HelpContainerQuery SetHelpContainerQuery(HelpContainerQuery query);  // answers the one it replaces
bool IsHelpContainer(toolkit::TControl* control);

// The first help container below `parent` (first container child of each level only) with a
// topic, or nullptr.
toolkit::TControl* FindFirstHelpContainer(TFormWithHelp* form, toolkit::TControl* parent);

// The form's dynamic-help topic shown in the host's help view, when it has one.
void ShowDynamicHelpFor(TFormWithHelp* form, toolkit::TControl* control);

}  // namespace pp::forms
