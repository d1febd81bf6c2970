// The Status/Control dialog on a port of the real manager, over the simulated driver: what each
// click and key does to the port's registers, read back from the driver's call log.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_driving.h"
#include "dialogs/dialog_base.h"
#include "dialogs/status_control_form.h"
#include "plugin/manager.h"
#include "plugin_host.h"
#include "toolkit/win_control.h"

namespace pp::dialogs::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using test::SimLog;

// The simulated driver's second port has nothing plugged in: data reads 00, status 7F (Busy
// clear; Ack, Paper Out, Select In, Error set), and whatever control byte was last written (0C
constexpr WORD kPort = 0x278;
// clear after power-on or once the fixture wrote 00).
const std::vector<std::string> kReadAll = {"ReadByte 0278 00", "ReadByte 0279 7F", "ReadByte 027A \\w\\w"};

// Expected log lines as simple regular expressions (\\w stands for a hex digit).
std::vector<::testing::Matcher<std::string>> Lines(const std::vector<std::string>& lines) {
  std::vector<::testing::Matcher<std::string>> m;
  for (const std::string& line : lines) m.push_back(::testing::MatchesRegex(line));
  return m;
}

class StatusDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(manager.GetDefaultPort(&port), S_OK);
    ASSERT_NE(port, nullptr);
    ASSERT_EQ(port->SetBaseAddress(kPort), S_OK);
    ASSERT_EQ(port->WriteDataByte(0x00), S_OK);  // the simulated port outlives each test
    started = log.Lines().size();
  }
  // What the driver was asked since the dialog's port was set up.
  std::vector<std::string> Accesses() const {
    std::vector<std::string> lines = log.Lines();
    return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(started, lines.size())), lines.end()};
  }
  // Shows the dialog, runs `script` in it with the form at hand, answers what it returned.
  bool Show(std::function<void(TParallelPortForm&)> script) {
    bool result = false;
    RunWhileShown([&] { result = ShowParallelPortDialog(port); },
                  [&] {
                    TParallelPortForm* form = FindForm<TParallelPortForm>();
                    ASSERT_NE(form, nullptr) << "expected the dialog to be shown";
                    script(*form);
                  });
    return result;
  }

  SimLog log;
  plugin::TParallelPortManager manager;
  IParallelPort* port = nullptr;
  size_t started = 0;
};

HWND Wnd(toolkit::TComponent& c) { return dynamic_cast<toolkit::TWinControl&>(c).Handle(); }
HWND Wnd(toolkit::TComponent& form, const char* name) { return Wnd(RequiredComponent(form, name)); }

std::vector<bool> States(const TParallelPortForm::Boxes& boxes) {
  std::vector<bool> states;
  for (toolkit::TComponent* box : boxes) states.push_back(IsChecked(*box));
  return states;
}

void CloseBox(TParallelPortForm& form) { PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

TEST_F(StatusDialog, OpensWithTheLayoutStatesAndReadsNothing) {
  std::vector<bool> data, status, control;
  const bool accepted = Show([&](TParallelPortForm& form) {
    data = States(form.DataBoxes());
    status = States(form.StatusBoxes());
    control = States(form.ControlBoxes());
    CloseBox(form);
  });
  EXPECT_THAT(data, ::testing::Each(true));
  EXPECT_THAT(status, ::testing::Each(false));
  EXPECT_THAT(control, ::testing::Each(true));
  EXPECT_FALSE(accepted) << "expected the close box to return false";
  EXPECT_THAT(Accesses(), ElementsAre()) << "expected no register access, got\n" << test::Join(Accesses());
}

TEST_F(StatusDialog, ReadAndUpdateDisplayShowsWhatWasReadAndWritesNothing) {
  std::vector<bool> data, status;
  bool refreshing = true;
  Show([&](TParallelPortForm& form) {
    Click(Wnd(form, "Button_UpdateDisplay"));
    data = States(form.DataBoxes());
    status = States(form.StatusBoxes());
    refreshing = form.Refreshing();
    CloseBox(form);
  });
  EXPECT_THAT(Accesses(), ElementsAreArray(Lines(kReadAll))) << test::Join(Accesses());
  EXPECT_THAT(data, ::testing::Each(false));
  // IRQ and the reserved lines show the flags the port keeps; a status read leaves them alone.
  BYTE irq = 0, reserved1 = 0, reserved2 = 0;
  port->GetIrq(&irq);
  port->GetReserved1(&reserved1);
  port->GetReserved2(&reserved2);
  EXPECT_THAT(status, ElementsAre(false, true, true, true, true, irq != 0, reserved1 != 0, reserved2 != 0));
  EXPECT_FALSE(refreshing);
}

// One row per way of using the dialog: the clicks and keys, the register accesses they cause
// (in order, from opening to the end of the modal show), and the result.
TEST_F(StatusDialog, ActionsAndTheRegisterAccessesTheyCause) {
  enum Close { kCloseBox, kOkClick, kEnter, kEsc };
  struct Case {
    const char* name;
    std::vector<const char*> clicks;
    Close close;
    std::vector<std::string> accesses;  // "control" stands for the control byte the port composes
    bool accepted;
  };
  const Case cases[] = {
      {"title-bar close", {}, kCloseBox, {}, false},
      {"OK", {}, kOkClick, kReadAll, true},
      {"Enter on the default button", {}, kEnter, kReadAll, true},
      {"Esc", {}, kEsc, kReadAll, true},
      {"D0 unticked, then ticked", {"CheckBox_D0", "CheckBox_D0"}, kCloseBox, {"WriteByte 0278 FE", "WriteByte 0278 FF"}, false},
      {"a control box twice, no flag changes",
       {"CheckBox_EnableBidirectional", "CheckBox_EnableBidirectional"},
       kCloseBox,
       {"control", "control"},
       false},
      {"a status box", {"CheckBox_Busy"}, kCloseBox, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    started = log.Lines().size();
    const bool accepted = Show([&](TParallelPortForm& form) {
      for (const char* name : c.clicks) Click(Wnd(form, name));
      switch (c.close) {
        case kCloseBox: CloseBox(form); break;
        case kOkClick: PostMessageA(Wnd(form, "Button_OK"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
                       PostMessageA(Wnd(form, "Button_OK"), WM_LBUTTONUP, 0, MAKELPARAM(4, 4)); break;
        case kEnter: PostKey(VK_RETURN); break;
        case kEsc: PostKey(VK_ESCAPE); break;
      }
    });
    BYTE control = 0;
    port->ComposeControl(&control);
    char control_line[32];
    wsprintfA(control_line, "WriteByte 027A %02X", control);
    std::vector<std::string> expected = c.accesses;
    for (std::string& line : expected)
      if (line == "control") line = control_line;
    EXPECT_THAT(Accesses(), ElementsAreArray(Lines(expected))) << "got\n" << test::Join(Accesses());
    EXPECT_EQ(accepted, c.accepted);
  }
}

TEST_F(StatusDialog, AToggledStatusBoxIsUndoneByTheNextRefresh) {
  bool after_click = false, after_refresh = true;
  Show([&](TParallelPortForm& form) {
    toolkit::TComponent& busy = RequiredComponent(form, "CheckBox_Busy");
    Click(Wnd(busy));
    after_click = IsChecked(busy);
    Click(Wnd(form, "Button_UpdateDisplay"));
    after_refresh = IsChecked(busy);
    CloseBox(form);
  });
  EXPECT_TRUE(after_click);
  EXPECT_FALSE(after_refresh);
  EXPECT_THAT(Accesses(), ElementsAreArray(Lines(kReadAll)));
}

TEST_F(StatusDialog, AFailingPortOperationIsReportedAndTheDialogStaysOpen) {
  std::vector<std::string> reported;
  toolkit::Application().OnException = [&](toolkit::TComponent*, const std::exception* e) {
    reported.push_back(e ? e->what() : "?");
  };
  bool open_after = false;
  std::vector<bool> data;
  const bool accepted = Show([&](TParallelPortForm& form) {
    {
      test::ScopedEnv fault("VEXIO_SIM_READ_FAULT", "1");
      test::RefreshSimSwitches();
      Click(Wnd(form, "Button_UpdateDisplay"));
    }
    test::RefreshSimSwitches();
    open_after = IsWindowVisible(form.Handle()) && form.ModalResult() == toolkit::mrNone;
    data = States(form.DataBoxes());
    Click(Wnd(form, "CheckBox_D7"));  // the dialog still drives the port
    CloseBox(form);
  });
  toolkit::Application().OnException = nullptr;
  ASSERT_EQ(reported.size(), 1u) << "expected the error reported once";
  EXPECT_TRUE(open_after);
  EXPECT_THAT(data, ::testing::Each(true)) << "expected the boxes untouched by the failed refresh";
  EXPECT_FALSE(accepted);
  EXPECT_THAT(Accesses(), ElementsAre("ReadByte 0278 fault", "WriteByte 0278 7F"));
}

TEST(StatusDialogPort, WithoutAPortNothingIsShown) {
  EXPECT_THROW(ShowParallelPortDialog(nullptr), pp::Exception);
  EXPECT_EQ(FindForm<TParallelPortForm>(), nullptr);
}

}  // namespace
}  // namespace pp::dialogs::testing
