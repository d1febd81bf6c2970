#include "forms/form_bounds.h"

#include "hostenv/preferences.h"
#include "layout/registry_ini_file.h"

namespace pp::forms {

namespace {
std::string g_bounds_key;
}  // namespace

std::string FormBoundsKey() { return g_bounds_key.empty() ? hostenv::GetPreferenceKey() + "\\Forms" : g_bounds_key; }
void SetFormBoundsKey(const std::string& key) { g_bounds_key = key; }

void LoadFormBounds(toolkit::TCustomForm* form, bool load_size, bool load_position) {
  const layout::TRegistryIniFile ini(HKEY_CURRENT_USER, FormBoundsKey());
  const std::string section = form->ClassName();
  int left = form->Left(), top = form->Top(), width = form->Width(), height = form->Height();
  if (load_size) {
    width = ini.ReadInteger(section, "Width", width);
    height = ini.ReadInteger(section, "Height", height);
  }
  if (load_position) {
    left = ini.ReadInteger(section, "Left", left);
    top = ini.ReadInteger(section, "Top", top);
  }
  form->SetBounds(left, top, width, height);
}

void SaveFormBounds(toolkit::TCustomForm* form, bool save_size, bool save_position) {
  layout::TRegistryIniFile ini(HKEY_CURRENT_USER, FormBoundsKey());
  const std::string section = form->ClassName();
  if (save_size) {
    ini.WriteInteger(section, "Width", form->Width());
    ini.WriteInteger(section, "Height", form->Height());
  }
  if (save_position) {
    ini.WriteInteger(section, "Left", form->Left());
    ini.WriteInteger(section, "Top", form->Top());
  }
}

}  // namespace pp::forms
