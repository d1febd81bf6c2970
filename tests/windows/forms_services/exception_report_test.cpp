// The host's error information for exceptions the module's handlers take up, and the
// application's handler for exceptions that escape a message handler: with real windows and
// real messages in this process, and through the plug-in against the simulated driver.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/win_status.h"
#include "forms/exception_report.h"
#include "forms/form_services.h"
#include "plugin_host.h"
#include "test_host.h"
#include "toolkit/application.h"
#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/message_dialog.h"

namespace host_side {
// A host's COM error family: the module knows it by name only.
class EOleError : public pp::Exception {
 public:
  using Exception::Exception;
};
class EOleSysError : public EOleError {
 public:
  using EOleError::EOleError;
};
}  // namespace host_side

namespace pp::forms::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ExceptionReport : public ::testing::Test {
 protected:
  void SetUp() override {
    BindTestHost();
    Host().Reset();
    StartFormServices(false);
  }
  void TearDown() override {
    StopFormServices();
    SetExceptionObjectFactory(&MakeExternalException);
  }
};

TEST_F(ExceptionReport, OperatingSystemExceptionsByFactoryOrByCodeName) {
  const void* fault = reinterpret_cast<const void*>(&ReportException);  // an address inside this executable
  const struct {
    const char* what;
    ExceptionObjectFactory factory;
    std::uint32_t code;
    const char* message;
  } cases[] = {
      {"the factory's object", &MakeExternalException, 0xC0000005, "Access Violation at address "},
      {"no factory", nullptr, 0xC0000005, "Access Violation"},
      {"the factory makes nothing", [](const ForeignException&) { return std::unique_ptr<Exception>(); }, 0xC0000094,
       "Integer Divide By Zero"},
      {"the factory fails", [](const ForeignException&) -> std::unique_ptr<Exception> { throw std::bad_alloc(); },
       0xE0001234, "Error (E0001234)"},
  };
  for (const auto& c : cases) {
    Host().Reset();
    SetExceptionObjectFactory(c.factory);
    const ForeignException record{c.code, fault};
    { TakenException taken(&record); }
    ASSERT_EQ(Host().calls.size(), 2u) << c.what;
    EXPECT_THAT(Host().calls[0], HasSubstr(std::string("SetErrorInfo(") + c.message)) << c.what;
    EXPECT_EQ(Host().calls[1], "ClearErrorInfo") << c.what;
    EXPECT_EQ(Host().addresses[0], fault) << c.what;
    EXPECT_THAT(Narrow(Host().reports[0].c_str()), HasSubstr("forms_services_tests.exe+")) << c.what;
  }
  SetExceptionObjectFactory(&MakeExternalException);
  Host().Reset();
  const ForeignException av{0xC0000005, fault};
  { TakenException taken(&av); }
  EXPECT_THAT(Host().calls[0], HasSubstr("in module 'forms_services_tests.exe'"));
}

TEST_F(ExceptionReport, InterfaceWrapperReportsTheRaisedErrorWithItsRaiseAddress) {
  const HRESULT status = win::CallWithStatus([] { Raise(EConvertError("'x' is not a valid integer value")); });
  EXPECT_EQ(status, E_UNEXPECTED);
  EXPECT_THAT(Host().calls, ElementsAre("SetErrorInfo('x' is not a valid integer value)", "ClearErrorInfo"));
  ASSERT_EQ(Host().addresses.size(), 1u);
  EXPECT_EQ(Host().addresses[0], LastRaiseAddress());
  EXPECT_NE(Host().addresses[0], nullptr);
  const std::string report = Narrow(Host().reports[0].c_str());
  EXPECT_THAT(report, HasSubstr("exception class   : EConvertError"));
  EXPECT_THAT(report, HasSubstr("thread id         : "));
  EXPECT_THAT(report, HasSubstr("modules:"));
}

TEST_F(ExceptionReport, NothingReachesTheHostOnceRemoved) {
  StopFormServices();
  win::CallWithStatus([] { Raise(EConvertError("quiet")); });
  EXPECT_TRUE(Host().calls.empty());
}

// A window whose handler raises what the test gives it.
class TThrowingControl : public toolkit::TWinControl {
 public:
  using TWinControl::TWinControl;
  std::function<void()> raise;
  void Dispatch(toolkit::TMessage& m) override {
    if (m.Msg == WM_APP) raise();
    TWinControl::Dispatch(m);
  }
};

// Message boxes are recorded instead of shown (a form-showing hook in front of the services'
// own, which hands every form to it first): caption and text.
std::vector<std::string> g_boxes;
bool RecordBox(toolkit::TCustomForm* form) {
  if (auto* box = dynamic_cast<toolkit::TMessageForm*>(form)) {
    g_boxes.push_back(box->Caption() + ": " + box->Message()->Caption());
    box->SetModalResult(toolkit::mrOk);
    PostMessageA(box->Handle(), WM_NULL, 0, 0);  // wakes the modal loop, which is waiting for one
    return true;
  }
  return false;
}

TEST_F(ExceptionReport, EscapingAMessageHandlerSeriousToHostOthersInTheErrorBox) {
  StopFormServices();
  toolkit::FormShowingHook previous = toolkit::SetFormShowingHook(&RecordBox);
  StartFormServices(false);
  const struct {
    const char* what;
    std::function<void()> raise;
    std::vector<std::string> host;
    std::vector<std::string> boxes;
  } cases[] = {
      {"out of memory", [] { Raise(EOutOfMemory()); },
       {"SetErrorInfo(Out of memory)", "SetErrorInfo(Out of memory)", "HandleException(nil)", "ClearErrorInfo"}, {}},
      {"the runtime's bad_alloc", [] { throw std::bad_alloc(); },
       {"SetErrorInfo(std::bad_alloc)", "SetErrorInfo(std::bad_alloc)", "HandleException(nil)", "ClearErrorInfo"}, {}},
      {"derived from a class named EOleError", [] { Raise(host_side::EOleSysError("OLE error 80004005")); },
       {"SetErrorInfo(OLE error 80004005)", "SetErrorInfo(OLE error 80004005)", "HandleException(nil)",
        "ClearErrorInfo"},
       {}},
      {"a conversion error", [] { Raise(EConvertError("'abc' is not a valid integer value")); },
       {"SetErrorInfo('abc' is not a valid integer value)", "ClearErrorInfo"},
       {"Error: 'abc' is not a valid integer value"}},
  };
  for (const auto& c : cases) {
    toolkit::Owned<toolkit::TForm> form(new toolkit::TForm(nullptr));
    auto* control = new TThrowingControl(form.get());
    control->SetParent(form.get());
    control->raise = c.raise;
    Host().Reset();
    g_boxes.clear();
    SendMessageA(control->Handle(), WM_APP, 0, 0);
    EXPECT_EQ(Host().calls, c.host) << c.what;
    EXPECT_EQ(g_boxes, c.boxes) << c.what;
  }
  StopFormServices();
  toolkit::SetFormShowingHook(previous);
}

// Through the plug-in: a fault inside the driver library is taken up by the driver guard (the
// host learns the fault and its address inside Vexio.dll), then the error raised for it by the
// interface wrapper.
TEST(ExceptionReportPlugin, DriverFaultReachesTheHostTwiceAndIsClearedEachTime) {
  BindTestHost();
  pp::test::LoadedPlugin plugin;
  ASSERT_NE(plugin.manager, nullptr);
  IParallelPort* port = nullptr;
  ASSERT_EQ(plugin.manager->GetDefaultPort(&port), S_OK);
  pp::test::ScopedEnv fault("VEXIO_SIM_READ_FAULT", "1");
  pp::test::RefreshSimSwitches();
  Host().Reset();
  EXPECT_EQ(port->ReadStatus(), static_cast<HRESULT>(0x8000FFFF));
  ASSERT_EQ(Host().calls.size(), 4u) << ::testing::PrintToString(Host().calls);
  EXPECT_THAT(Host().calls[0], HasSubstr("SetErrorInfo(Access Violation at address "));
  EXPECT_THAT(Host().calls[0], HasSubstr("in module 'Vexio.dll'"));
  EXPECT_EQ(Host().calls[1], "ClearErrorInfo");
  EXPECT_EQ(Host().calls[2], "SetErrorInfo(Access violation in the port driver library)");
  EXPECT_EQ(Host().calls[3], "ClearErrorInfo");
  HMODULE driver = GetModuleHandleA("Vexio.dll");
  ASSERT_NE(driver, nullptr);
  const auto at = reinterpret_cast<uintptr_t>(Host().addresses[0]);
  EXPECT_GE(at, reinterpret_cast<uintptr_t>(driver)) << "the fault lies inside the driver library";
  EXPECT_THAT(Narrow(Host().reports[0].c_str()), HasSubstr("Vexio.dll+"));
  EXPECT_THAT(Narrow(Host().reports[1].c_str()), HasSubstr("exception class   : EExternal"));
  SetEnvironmentVariableA("VEXIO_SIM_READ_FAULT", nullptr);
  pp::test::RefreshSimSwitches();
}

}  // namespace
}  // namespace pp::forms::test
