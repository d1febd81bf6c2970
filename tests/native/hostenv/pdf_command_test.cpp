#include "hostenv/pdf_command.h"

#include <gtest/gtest.h>

namespace pp::hostenv {
namespace {

TEST(PdfCommand, StripsTheDocumentPlaceholderInItsOrder) {
  struct Case {
    const char* registered;
    const char* stripped;
  };
  const Case cases[] = {
      {"\"C:\\Acro\\AcroRd32.exe\" \"%1\"", "\"C:\\Acro\\AcroRd32.exe\" "},
      {"C:\\Acro\\AcroRd32.exe %1", "C:\\Acro\\AcroRd32.exe "},
      {"\"C:\\Acro\\AcroRd32.exe\" /u \"%1\"", "\"C:\\Acro\\AcroRd32.exe\"  "},
      // Removing the quoted placeholder first: a bare %1 between quotes left later stays quoted.
      {"x \"%1\"%1 /U", "x  /U"},
      // "/u" is cut wherever it stands, also inside a path.
      {"C:\\Prog/um\\a.exe", "C:\\Progm\\a.exe"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(StripAcrobatCommand(c.registered), c.stripped) << c.registered;
}

TEST(PdfCommand, ExecutableOfACommand) {
  struct Case {
    const char* command;
    const char* executable;
  };
  const Case cases[] = {
      {"\"C:\\Program Files\\Acro\\AcroRd32.exe\" ", "C:\\Program Files\\Acro\\AcroRd32.exe"},
      {"\"C:\\Acro\\AcroRd32.exe\" /s /o", "C:\\Acro\\AcroRd32.exe"},
      {"C:\\Acro\\AcroRd32.exe  ", "C:\\Acro\\AcroRd32.exe"},
      {"\"C:\\unclosed.exe", "C:\\unclosed.exe"},
      {"\"", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(AcrobatExecutable(c.command), c.executable) << c.command;
}

TEST(PdfCommand, CommandLinesAndPageCommand) {
  EXPECT_EQ(PdfCommandLineWithPage("\"C:\\A\\r.exe\" ", 12, "C:\\H\\m.pdf"),
            "\"C:\\A\\r.exe\"  /a pagemode=bookmarks&page=12 \"C:\\H\\m.pdf\"");
  EXPECT_EQ(PdfCommandLine("r.exe", "C:\\H\\m.pdf"), "r.exe \"C:\\H\\m.pdf\"");
  EXPECT_EQ(PdfGoToPageCommand(1), "[DocGoTo(NULL, 0)]");
  EXPECT_EQ(PdfGoToPageCommand(12), "[DocGoTo(NULL, 11)]");
}

}  // namespace
}  // namespace pp::hostenv
