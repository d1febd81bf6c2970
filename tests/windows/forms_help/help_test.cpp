// Help through the host: F1 on controls and containers, F1 with a modifier offered as a
// shortcut, what's this, the dynamic-help view on showing, and the exact texts the host gets.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/tabs/xp_page_control.h"
#include "forms/help_routes.h"
#include "forms_fixture.h"
#include "hostenv/folders.h"
#include "hostenv/host_functions.h"
#include "hostenv/text.h"

namespace pp::forms::testing {
namespace {

using toolkit::Owned;
using toolkit::TWinControl;
using toolkit::testing::Pump;
using toolkit::testing::SetKeyDown;

// A container the themed page controls would be: a sheet, or a page control with an active page.
class TSheet : public TWinControl {
 public:
  using TWinControl::TWinControl;
  const char* ClassName() const override { return "TTestSheet"; }
};
class TPages : public TWinControl {
 public:
  using TWinControl::TWinControl;
  const char* ClassName() const override { return "TTestPages"; }
  TWinControl* active = nullptr;
};
HelpContainerInfo TestContainers(toolkit::TControl* c) {
  if (auto* pages = dynamic_cast<TPages*>(c)) return {HelpContainerKind::PageControl, pages->active};
  if (dynamic_cast<TSheet*>(c)) return {HelpContainerKind::TabSheet, nullptr};
  return {};
}

std::vector<std::wstring>& OpenedTopics() {
  static std::vector<std::wstring> list;
  return list;
}
void RecordOpen(const std::wstring& address) { OpenedTopics().push_back(address); }

// The help folder and this program's base name, then `rest` (".chm::/Page.htm").
std::string Address(const std::string& rest) {
  char exe[MAX_PATH] = {};
  std::string name(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
  name = name.substr(name.find_last_of('\\') + 1);
  return hostenv::GetHelpFolder() + name.substr(0, name.find_last_of('.')) + rest;
}

std::string RunProcessCall(const std::string& process, const std::string& parameters, int size) {
  return "IHostProcessLauncher.RunProcess(\"" + process + "\", \"" + parameters + "\", " + std::to_string(size) + ", 0)";
}
std::string DynamicHelpCall(const std::string& rest, bool force) {
  const std::string p = std::string(force ? "ForceUpdate=True|" : "") + "Address=" + Address(rest);
  return RunProcessCall("HelpAdvisor:ShowDynamicHelp", p, static_cast<int>(p.size()) + 1);
}
const std::string kKnowledgeCenter =
    RunProcessCall("Client:CustomizeResources", "ObjectKind=Panel|Action=Show|Id=KnowledgeCenter", 0);

// A dialog "PortForm" holding a sheet "Sheet" (with an edit box "Edit" on it), a page control
// "Pages" without an active page, and a button "Button1".
struct HelpFixture : ::testing::Test {
  HostLog log;
  WinHelpRecorder winhelp;
  Owned<TestDialog> dialog;
  TSheet* sheet = nullptr;
  TPages* pages = nullptr;
  TWinControl* edit = nullptr;
  TWinControl* button = nullptr;
  HelpContainerQuery previous_query = SetHelpContainerQuery(&TestContainers);
  HelpTopicOpener previous_opener = SetHelpTopicOpener(&RecordOpen);

  void Build() {
    dialog = MakeDialog({}, [this](TestDialog* d) {
      sheet = new TSheet(d);
      sheet->SetName("Sheet");
      sheet->SetBounds(10, 10, 120, 80);
      sheet->SetParent(d);
      edit = new TWinControl(d);
      edit->SetName("Edit");
      edit->SetTabStop(true);
      edit->SetBounds(5, 5, 60, 20);
      edit->SetParent(sheet);
      pages = new TPages(d);
      pages->SetName("Pages");
      pages->SetBounds(140, 10, 120, 80);
      pages->SetParent(d);
      button = new TWinControl(d);
      button->SetName("Button1");
      button->SetTabStop(true);
      button->SetBounds(10, 120, 60, 20);
      button->SetParent(d);
    });
    dialog->Show();
    Pump();
    log.Clear();
  }
  void F1On(TWinControl* control) {
    control->SetFocus();
    Pump();
    toolkit::testing::PressKey(VK_F1);
  }
  void TearDown() override {
    dialog.reset();
    SetHelpContainerQuery(previous_query);
    SetHelpTopicOpener(previous_opener);
    OpenedTopics().clear();
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) SetKeyDown(vk, false);
  }
};

TEST_F(HelpFixture, ShowingTheDialogUpdatesTheDynamicHelpView) {
  ScopedFile ids(HelpIdFile(), "Dlg_PortForm=12\n");
  HostLog show_log;
  Build();
  // Build cleared the fixture's log; the show was recorded in show_log, which it did not clear.
  EXPECT_EQ(show_log.Calls("IHostProcessLauncher.RunProcess"),
            std::vector<std::string>{DynamicHelpCall(".chm::/Dlg_PortForm.htm", false)});
}

TEST_F(HelpFixture, NoTopicNoDynamicHelp) {
  HostLog show_log;
  Build();
  EXPECT_TRUE(show_log.Calls("IHostProcessLauncher.RunProcess").empty());
}

TEST_F(HelpFixture, F1FindsTheNearestContainerWithATopic) {
  // Containers other than the form have their topics in the what's-this map.
  struct Case {
    const char* form_ids;
    const char* control_ids;
    const char* control;
    const char* address;  // expected; "" for the WinHelp fallback
  };
  const Case cases[] = {
      {"Dlg_PortForm=12\n", "Dlg_Sheet=40\n", "Edit", "wth.chm::/Dlg_Sheet.htm"},
      // A sheet without a topic: the form's.
      {"Dlg_PortForm=12\n", "", "Edit", ".chm::/Dlg_PortForm.htm"},
      {"Dlg_PortForm=12\n", "Dlg_Sheet=40\n", "Button1", "wth.chm::/Dlg_Sheet.htm"},  // the first container
      {"dlg_portform=5\n", "", "Button1", ".chm::/Dlg_PortForm.htm"},
      {"", "", "Edit", ""},
  };
  for (const Case& c : cases) {
    ScopedFile form_ids(HelpIdFile(), c.form_ids);
    ScopedFile control_ids(WhatsThisIdFile(), c.control_ids);
    Build();  // a fresh form: a form reads its maps once
    WinHelpRecorder::Calls().clear();
    F1On(std::string(c.control) == "Edit" ? edit : button);
    if (*c.address) {
      EXPECT_EQ(log.Calls("IHostProcessLauncher.RunProcess"),
                (std::vector<std::string>{kKnowledgeCenter, DynamicHelpCall(c.address, true)}))
          << c.form_ids << c.control_ids << " F1 on " << c.control;
      EXPECT_TRUE(WinHelpRecorder::Calls().empty());
    } else {
      EXPECT_TRUE(log.Calls("IHostProcessLauncher.RunProcess").empty());
      ASSERT_EQ(WinHelpRecorder::Calls().size(), 2u);
      EXPECT_EQ(WinHelpRecorder::Calls()[1].command, UINT{HELP_CONTEXTPOPUP});
      EXPECT_EQ(WinHelpRecorder::Calls()[1].data, 1u);
      EXPECT_EQ(WinHelpRecorder::Calls()[1].file, hostenv::GetHelpFolder() + "zentromaster.hlp");
    }
  }
}

TEST_F(HelpFixture, F1OnAPageControlWithoutActivePageShowsTheFormsTopic) {
  ScopedFile ids(HelpIdFile(), "Dlg_PortForm=12\n");
  ScopedFile control_ids(WhatsThisIdFile(), "Dlg_Pages=30\n");
  Build();
  dialog->Perform(toolkit::CM_CHILDKEY, VK_F1, reinterpret_cast<LPARAM>(pages));
  EXPECT_EQ(log.Calls("IHostProcessLauncher.RunProcess"),
            (std::vector<std::string>{kKnowledgeCenter, DynamicHelpCall(".chm::/Dlg_PortForm.htm", true)}));
}

// The real containers: F1 on a box of a themed sheet shows the sheet's topic, and the form's
// when the sheet has none.
TEST_F(HelpFixture, F1InsideAThemedSheetFindsTheSheetsTopic) {
  SetHelpContainerQuery(previous_query);  // the library's own query
  const struct {
    const char* control_ids;
    const char* address;
  } cases[] = {
      {"Dlg_TabSheet_Data=40\n", "wth.chm::/Dlg_TabSheet_Data.htm"},
      {"", ".chm::/Dlg_PortForm.htm"},
  };
  for (const auto& c : cases) {
    ScopedFile ids(HelpIdFile(), "Dlg_PortForm=12\n");
    ScopedFile control_ids(WhatsThisIdFile(), c.control_ids);
    TWinControl* box = nullptr;
    dialog = MakeDialog({}, [&](TestDialog* d) {
      auto* pages = new controls::TWinXPPageControl(d);
      pages->SetName("PageControl_Data");
      pages->SetBounds(10, 10, 150, 120);
      pages->SetParent(d);
      auto* sheet = new controls::TWinXPTabSheet(d);
      sheet->SetName("TabSheet_Data");
      sheet->SetCaption("Data Bit Outputs");
      sheet->SetPageControl(pages);
      box = new TWinControl(d);
      box->SetName("CheckBox_D0");
      box->SetTabStop(true);
      box->SetBounds(5, 5, 60, 20);
      box->SetParent(sheet);
    });
    dialog->Show();
    Pump();
    log.Clear();
    F1On(box);
    EXPECT_EQ(log.Calls("IHostProcessLauncher.RunProcess"),
              (std::vector<std::string>{kKnowledgeCenter, DynamicHelpCall(c.address, true)}))
        << "what's-this ids: " << c.control_ids;
  }
}

TEST_F(HelpFixture, IntegratedHelpSystemGetsTheAddress) {
  ScopedFile ids(HelpIdFile(), "Dlg_PortForm=12\n");
  HostSetting integrated("PPHOST_GetIntegratedHelpSystem", "1");
  Build();
  F1On(button);
  EXPECT_TRUE(log.Calls("IHostProcessLauncher.RunProcess").empty());
  ASSERT_EQ(OpenedTopics().size(), 1u);
  EXPECT_EQ(OpenedTopics()[0], hostenv::AnsiToWide(Address(".chm::/Dlg_PortForm.htm")));
}

TEST_F(HelpFixture, F1WithAModifierIsOfferedToTheHostAndNeverShowsHelp) {
  ScopedFile ids(HelpIdFile(), "Dlg_PortForm=12\n");
  struct Case {
    int vk;
    const char* handled;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {VK_CONTROL, "0", {"IHostGuiManager.OfferShortcut(0x70, 0, 0, -1)"}},
      {VK_SHIFT, "1", {"IHostGuiManager.OfferShortcut(0x70, 0, -1, 0)", "IHostGuiManager.CommitShortcut()"}},
      {VK_MENU, "1", {"IHostGuiManager.OfferShortcut(0x70, -1, 0, 0)", "IHostGuiManager.CommitShortcut()"}},
  };
  Build();
  for (const Case& c : cases) {
    HostSetting handled("PPHOST_SHORTCUT_HANDLED", c.handled);
    log.Clear();
    SetKeyDown(c.vk, true);
    dialog->Perform(toolkit::CM_CHILDKEY, VK_F1, reinterpret_cast<LPARAM>(button));
    SetKeyDown(c.vk, false);
    EXPECT_EQ(log.Calls("IHostGuiManager."), c.calls) << "key " << c.vk;
    EXPECT_TRUE(log.Calls("IHostProcessLauncher").empty()) << "key " << c.vk;
    EXPECT_TRUE(WinHelpRecorder::Calls().empty()) << "key " << c.vk;
  }
}

// What's this: the popup of the control's topic in the what's-this file, where the mouse was.
LRESULT SendHelp(HWND dialog, HWND item, POINT at) {
  HELPINFO info{};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  info.hItemHandle = item;
  info.MousePos = at;
  return SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

TEST_F(HelpFixture, WhatsThisShowsTheControlsPopup) {
  ScopedFile ids(WhatsThisIdFile(),
                 "Dlg_PortForm_Button1=33\nDlg_TestDialog_Edit=0\nDlg_PortForm_Sheet=44\nDlg_TestDialog_Pages=55\n");
  hostenv::client_api::SetPrefHideFloatingPanels(true);  // the user hides them
  struct Case {
    const char* control;
    ULONG_PTR context;
  };
  const Case cases[] = {
      {"Button1", 33},
      {"Edit", 44},   // no topic of its own: its parent's
      {"Pages", 55},  // by the class name without its T when the form's name has none
  };
  Build();
  for (const Case& c : cases) {
    WinHelpRecorder::Calls().clear();
    log.Clear();
    auto* control = static_cast<TWinControl*>(dialog->FindComponent(c.control));
    EXPECT_EQ(SendHelp(dialog->Handle(), control->Handle(), POINT{120, 340}), 1);
    const std::vector<WinHelpCall>& calls = WinHelpRecorder::Calls();
    ASSERT_EQ(calls.size(), 2u) << c.control;
    EXPECT_EQ(calls[0].command, UINT{HELP_SETPOPUP_POS});
    EXPECT_EQ(calls[0].data, ULONG_PTR(MAKELPARAM(120, 340)));
    EXPECT_EQ(calls[1].command, UINT{HELP_CONTEXTPOPUP});
    EXPECT_EQ(calls[1].data, c.context) << c.control;
    EXPECT_EQ(calls[1].file, WhatsThisIdFile().substr(0, WhatsThisIdFile().size() - 3) + ".hlp");
    // The floating panels show for the popup and are hidden again afterwards.
    EXPECT_EQ(log.Calls("ClientAPI_SetPrefHideFloatingPanels"),
              (std::vector<std::string>{"ClientAPI_SetPrefHideFloatingPanels(0)",
                                        "ClientAPI_SetPrefHideFloatingPanels(1)"}));
    EXPECT_EQ(log.Calls("IHostGuiManager.UpdateStatusBar"),
              std::vector<std::string>{"IHostGuiManager.UpdateStatusBar(-1, nil)"});
  }
}

TEST_F(HelpFixture, WhatsThisRightAfterF1IsConsumedOnce) {
  Build();
  dialog->Perform(toolkit::CM_CHILDKEY, VK_F1, reinterpret_cast<LPARAM>(button));
  WinHelpRecorder::Calls().clear();
  EXPECT_EQ(SendHelp(dialog->Handle(), button->Handle(), POINT{1, 1}), 1);
  EXPECT_TRUE(WinHelpRecorder::Calls().empty()) << "expected the request after F1 to be ignored";
  SendHelp(dialog->Handle(), button->Handle(), POINT{1, 1});
  EXPECT_EQ(WinHelpRecorder::Calls().size(), 2u) << "expected the next request to show the popup";
}

TEST_F(HelpFixture, ReferencesAreResolvedThroughTheHost) {
  ScopedFile ids(HelpIdFile(), "Dlg_PortForm=5,Server:Topic\n");
  ScopedFile server(HelpFolder() + "Server.id", "Server_Topic=9\n");
  ScopedFile server_chm(HelpFolder() + "Server.chm", "");
  HostSetting refs("PPHOST_HELPREFS", "Server:Topic=C:\\Elsewhere\\Server.hlp");
  Build();
  F1On(button);
  EXPECT_EQ(log.Calls("IClient.GetHelpFileForReference"),
            std::vector<std::string>{"IClient.GetHelpFileForReference(\"Server:Topic\")"});
  const std::string p = "ForceUpdate=True|Address=" + hostenv::GetHelpFolder() + "Server.chm::/Server_Topic.htm";
  EXPECT_EQ(log.Calls("IHostProcessLauncher.RunProcess"),
            (std::vector<std::string>{kKnowledgeCenter, RunProcessCall("HelpAdvisor:ShowDynamicHelp", p,
                                                                         static_cast<int>(p.size()) + 1)}));
}

}  // namespace
}  // namespace pp::forms::testing
