// PDF help against a reader registered in this prefix's HKEY_CLASSES_ROOT. The host stand-in
// plays the reader: started with PPHOST_LOG set, it records its command line. A DDE server on a
// thread of this test plays the running reader's "acroview" service.
#include <windows.h>
#include <ddeml.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "base/errors.h"
#include "hostenv/acrobat_warning.h"
#include "hostenv/folders.h"
#include "hostenv/pdf_help.h"
#include "hostenv/preferences.h"
#include "hostenv_helpers.h"

namespace pp::hostenv {
namespace {

using test::ScopedEnvVar;
using test::ScopedFile;
using test::ScopedKey;

std::string HostExe() { return test::ExeFolder() + "host.exe"; }

// Waits until the stand-in reader has recorded its command line.
std::string ReaderCommandLine(const std::string& log) {
  for (int i = 0; i < 600; ++i) {
    const std::string text = test::ReadText(log);
    const size_t pos = text.find("host: command line ");
    if (pos != std::string::npos) {
      const size_t end = text.find('\n', pos);
      if (end != std::string::npos) return text.substr(pos + 19, end - pos - 19);
    }
    Sleep(100);
  }
  return "(the reader never started)";
}

// The acroview DDE service: records the first execute it receives.
class FakeReaderDde {
 public:
  FakeReaderDde() {
    thread_ = std::thread([this] { Run(); });
    while (!ready_) Sleep(10);
  }
  ~FakeReaderDde() {
    PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }
  // The execute text, once it arrived (waits up to 20 s).
  std::string Received() {
    for (int i = 0; i < 200 && !done_; ++i) Sleep(100);
    return done_ ? received_ : "(no execute arrived)";
  }

 private:
  static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ topic, HSZ, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
    FakeReaderDde* self = instance_;
    if (type == XTYP_CONNECT) return reinterpret_cast<HDDEDATA>(DdeCmpStringHandles(topic, self->topic_) == 0);
    if (type == XTYP_EXECUTE) {
      const DWORD size = DdeGetData(data, nullptr, 0, 0);
      std::string text(size, '\0');
      DdeGetData(data, reinterpret_cast<BYTE*>(text.data()), size, 0);
      self->received_ = text;
      self->done_ = true;
      return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }
    return nullptr;
  }
  void Run() {
    thread_id_ = GetCurrentThreadId();
    instance_ = this;
    DdeInitializeA(&dde_, &Callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0);
    service_ = DdeCreateStringHandleA(dde_, "acroview", CP_WINANSI);
    topic_ = DdeCreateStringHandleA(dde_, "control", CP_WINANSI);
    DdeNameService(dde_, service_, nullptr, DNS_REGISTER);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts
    ready_ = true;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DdeNameService(dde_, service_, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(dde_, service_);
    DdeFreeStringHandle(dde_, topic_);
    DdeUninitialize(dde_);
  }

  static inline FakeReaderDde* instance_ = nullptr;
  std::thread thread_;
  DWORD thread_id_ = 0;
  DWORD dde_ = 0;
  HSZ service_ = nullptr, topic_ = nullptr;
  std::atomic<bool> ready_{false}, done_{false};
  std::string received_;
};

class PdfHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(GetFileAttributesA(HostExe().c_str()), INVALID_FILE_ATTRIBUTES) << "host.exe is needed as the reader";
    DeleteFileA(log_.c_str());
  }
  void TearDown() override { DeleteFileA(log_.c_str()); }
  // The stand-in reader's command as the "acrobat" program registers it.
  static std::string ReaderCommand() { return "\"" + HostExe() + "\" \"%1\""; }
  static constexpr const char* kReaderKey = "acrobat\\Shell\\Open\\Command";

  const std::string log_ = test::ExeFolder() + "pdf_reader_log.txt";
  ScopedEnvVar env_{"PPHOST_LOG", log_};
  ScopedFile document_{test::ExeFolder() + "manual test.pdf", "%PDF-1.4"};
};

TEST_F(PdfHelp, CommandFromTheAcrobatKeyWithoutPlaceholder) {
  ScopedKey key(HKEY_CLASSES_ROOT, "acrobat\\Shell\\Open\\Command");
  key.SetString("", "\"C:\\Acro\\AcroRd32.exe\" /u \"%1\"");
  EXPECT_EQ(GetAcrobatCommand(), "\"C:\\Acro\\AcroRd32.exe\"  ");
}

TEST_F(PdfHelp, CommandThroughThePdfExtension) {
  ScopedKey extension(HKEY_CLASSES_ROOT, ".PDF");
  extension.SetString("", "PPTestPdfDocument");
  ScopedKey open(HKEY_CLASSES_ROOT, "PPTestPdfDocument\\Shell\\Open\\Command");
  open.SetString("", "reader.exe %1");
  EXPECT_EQ(GetAcrobatCommand(), "reader.exe ");
}

TEST_F(PdfHelp, CommandOfTheWrongTypeIsEmpty) {
  ScopedKey key(HKEY_CLASSES_ROOT, "acrobat\\Shell\\Open\\Command");
  key.SetDword("", 5);
  EXPECT_EQ(GetAcrobatCommand(), "");
}

TEST_F(PdfHelp, VersionFromControlsThenFromTheExecutable) {
  {
    ScopedKey acropdf(HKEY_CLASSES_ROOT, "AcroPDF.PDF.1");
    ScopedKey control(HKEY_CLASSES_ROOT, "PDF.PdfCtrl.5");
    EXPECT_EQ(GetAcrobatVersion(""), 7) << "AcroPDF.PDF.1 comes first";
  }
  {
    ScopedKey control1(HKEY_CLASSES_ROOT, "PDF.PdfCtrl.1");
    ScopedKey control5(HKEY_CLASSES_ROOT, "PDF.PdfCtrl.5");
    EXPECT_EQ(GetAcrobatVersion(""), 4) << "PDF.PdfCtrl.1 comes before the numbered ones";
  }
  {
    ScopedKey control3(HKEY_CLASSES_ROOT, "PDF.PdfCtrl.3");
    ScopedKey control9(HKEY_CLASSES_ROOT, "PDF.PdfCtrl.9");
    EXPECT_EQ(GetAcrobatVersion(""), 3);
  }
  // A file without version resources counts as 0, which becomes 4.
  EXPECT_EQ(GetAcrobatVersion("\"" + document_.path() + "\" "), 4);
  EXPECT_THROW(GetAcrobatVersion("\"C:\\no such folder\\reader.exe\" "), EOSError);
}

// Only a file that was read and holds no version counts as version 4; one that cannot be read
// at all raises, whatever the reason.
TEST_F(PdfHelp, VersionOfAReaderThatCannotBeRead) {
  const std::string folder = test::ExeFolder() + "reader folder.exe";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string locked_path = test::ExeFolder() + "locked reader.exe";
  ScopedFile locked_file{locked_path, "MZ"};
  HANDLE lock = CreateFileA(locked_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  struct Case {
    const char* what;
    std::string path;
  };
  const Case cases[] = {{"a folder", folder}, {"a file opened without sharing", locked_path}};
  for (const Case& c : cases) {
    try {
      const int version = GetAcrobatVersion("\"" + c.path + "\"");
      ADD_FAILURE() << c.what << ": expected EOSError, got version " << version;
    } catch (const EOSError& e) {
      EXPECT_NE(e.Code(), 0u) << c.what;
    }
  }
  CloseHandle(lock);
  RemoveDirectoryA(folder.c_str());
  // Our own executable carries no version resource: read, and counted as 4.
  EXPECT_EQ(GetAcrobatVersion("\"" + test::ExePath() + "\""), 4);
}

TEST_F(PdfHelp, Version6OpensAtThePageAndSendsTheDdeCommand) {
  ScopedKey reader(HKEY_CLASSES_ROOT, kReaderKey);
  reader.SetString("", ReaderCommand());
  ScopedKey acropdf(HKEY_CLASSES_ROOT, "AcroPDF.PDF.1");
  FakeReaderDde dde;
  ASSERT_TRUE(ShowPdfHelp(document_.path(), 3));
  EXPECT_EQ(ReaderCommandLine(log_),
            "\"" + HostExe() + "\"  /a pagemode=bookmarks&page=3 \"" + document_.path() + "\"");
  EXPECT_EQ(dde.Received(), "[DocGoTo(NULL, 2)]");
}

TEST_F(PdfHelp, OlderReadersGetNoPage) {
  ScopedKey reader(HKEY_CLASSES_ROOT, kReaderKey);
  reader.SetString("", ReaderCommand());
  ScopedKey control(HKEY_CLASSES_ROOT, "PDF.PdfCtrl.5");
  ASSERT_TRUE(ShowPdfHelp(document_.path(), 1));
  EXPECT_EQ(ReaderCommandLine(log_), "\"" + HostExe() + "\"  \"" + document_.path() + "\"");
}

TEST_F(PdfHelp, MissingFileIsLookedForInTheHelpFolder) {
  ScopedKey reader(HKEY_CLASSES_ROOT, kReaderKey);
  reader.SetString("", ReaderCommand());
  ScopedKey control(HKEY_CLASSES_ROOT, "PDF.PdfCtrl.5");
  EXPECT_FALSE(ShowPdfHelp("C:\\nowhere\\absent.pdf", 1));
  ScopedFile inHelp(GetHelpFolder() + "absent.pdf", "%PDF-1.4");
  ASSERT_TRUE(ShowPdfHelp("C:\\nowhere\\absent.pdf", 1));
  EXPECT_EQ(ReaderCommandLine(log_), "\"" + HostExe() + "\"  \"" + inHelp.path() + "\"");
}

TEST_F(PdfHelp, ReaderThatCannotStart) {
  ScopedKey reader(HKEY_CLASSES_ROOT, kReaderKey);
  reader.SetString("", "\"C:\\no such folder\\reader.exe\" \"%1\"");
  ScopedKey acropdf(HKEY_CLASSES_ROOT, "AcroPDF.PDF.1");
  EXPECT_FALSE(ShowPdfHelp(document_.path(), 2));
}

TEST(AcrobatVersionWarning, StoredChoice) {
  ResetPreferenceLocation();
  const std::string forms = GetPreferenceKey() + "\\Forms";
  RegDeleteTreeA(HKEY_CURRENT_USER, forms.c_str());
  EXPECT_TRUE(AcrobatVersionWarningEnabled()) << "missing key";
  {
    ScopedKey key(HKEY_CURRENT_USER, forms);
    EXPECT_TRUE(AcrobatVersionWarningEnabled()) << "missing value";
    key.SetString("EnableAcrobatVersionPopup", "0");
    EXPECT_TRUE(AcrobatVersionWarningEnabled()) << "a string is no Boolean";
    key.SetBinary("EnableAcrobatVersionPopup", std::string(8, '\0'));
    EXPECT_TRUE(AcrobatVersionWarningEnabled()) << "eight bytes are no Boolean";
    key.SetDword("EnableAcrobatVersionPopup", 2);
    EXPECT_TRUE(AcrobatVersionWarningEnabled());
    key.SetDword("EnableAcrobatVersionPopup", 0);
    EXPECT_FALSE(AcrobatVersionWarningEnabled());
  }
  // Silencing creates the key when it is missing.
  DisableAcrobatVersionWarning();
  EXPECT_FALSE(AcrobatVersionWarningEnabled());
  RegDeleteTreeA(HKEY_CURRENT_USER, forms.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, forms.c_str());
}

}  // namespace
}  // namespace pp::hostenv
