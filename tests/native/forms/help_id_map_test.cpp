#include "forms/help_id_map.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "forms/help_lookup.h"

namespace pp::forms {
namespace {

TEST(HelpIdMap, ReadsKeysValuesAndReferences) {
  HelpIdMap map;
  map.Load("Dlg_PortForm=12\r\nDlg_Abc=abc\nno equals sign\rDlg_Ref=5,Server:Topic\n"
           "Dlg_Neg=-2\n Dlg_Spaced = 7\nDlg_Two=a,b,c\n=9\nDlg_Eq=3=4\n");
  struct Case {
    const char* key;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"Dlg_PortForm", 12},  {"dlg_portform", 12},   {"DLG_PORTFORM", 12}, {"Dlg_Abc", 0},
      {"Dlg_Ref", -1},       {"Dlg_Neg", -2},        {" Dlg_Spaced ", 7},  {"Dlg_Spaced", std::nullopt},
      {"Dlg_Two", -2},       {"", 9},                {"Dlg_Eq", 0},        {"no equals sign", std::nullopt},
      {"Dlg_Missing", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(map.Find(c.key), c.value) << "key \"" << c.key << "\"";
  ASSERT_EQ(map.ReferenceCount(), 2);
  EXPECT_EQ(map.Reference(0), "Server:Topic");
  EXPECT_EQ(map.Reference(1), "b,c");  // everything after the first comma
}

TEST(HelpIdMap, TopicNumbers) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"12", 12}, {"+12", 12}, {"-3", -3}, {" 4", 4}, {"4 ", 0}, {"", 0}, {"-", 0}, {"0x10", 0}, {"1e3", 0},
      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"2147483648", 0}, {"99999999999999999999", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseTopicNumber(text), value) << "text \"" << text << "\"";
}

TEST(HelpIdMap, ChangeFileExt) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\App\\X.dll", "C:\\App\\X.chm"}, {"X", "X.chm"}, {"C:\\a.b\\X", "C:\\a.b\\X.chm"},
      {"X.tar.gz", "X.tar.chm"},            {"C:X", "C:X.chm"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(ChangeFileExt(path, ".chm"), expected) << path;
  EXPECT_EQ(ChangeFileExt("C:\\Help\\X.chm", ""), "C:\\Help\\X");
}

// A small file system and host for the lookups: files by path, the host's help file for each
// reference, and a count of reads.
struct FakeHelp {
  std::map<std::string, std::string> files;
  std::map<std::string, std::string> references;
  int reads = 0;
  HelpLookupServices Services() {
    return {
        .read_file = [this](const std::string& p) -> std::optional<std::string> {
          ++reads;
          auto it = files.find(p);
          return it == files.end() ? std::nullopt : std::optional<std::string>(it->second);
        },
        .file_exists = [this](const std::string& p) { return files.count(ChangeFileExt(p, ".id")) > 0; },
        .file_for_reference = [this](const std::string& r) {
          auto it = references.find(r);
          return it == references.end() ? std::string() : it->second;
        },
        .resolve_help_path = [](const std::string& name) { return "C:\\App\\Help\\" + name; },
    };
  }
};

TEST(HelpLookup, FindsTopicsAndFollowsReferences) {
  FakeHelp help;
  help.files["C:\\App\\Help\\X.id"] = "Dlg_PortForm=12\nDlg_Ref=5,Other:Topic\nDlg_Ref2=5,Server:Topic\nDlg_X=-2\nDlg_Far=-9\n"
                                      "Dlg_Nowhere=0,Lost:Topic\nDlg_Unnamed=0,Nobody:Topic\n";
  help.files["C:\\App\\Help\\Server.id"] = "Server_Topic=77\n";
  help.references["Server:Topic"] = "D:\\Elsewhere\\Server.hlp";
  help.references["Other:Topic"] = "Server.chm";
  help.references["Lost:Topic"] = "Lost.chm";
  const auto services = help.Services();

  struct Case {
    const char* key;
    const char* prefix;
    std::int32_t topic;
    const char* topic_key;
    const char* file;
  };
  const Case cases[] = {
      {"Dlg_PortForm", "", 12, "Dlg_PortForm", "C:\\App\\Help\\X.chm"},
      {"PortForm", "Main", 0, "Dlg_Main_PortForm", "C:\\App\\Help\\X.chm"},
      {"Dlg_Ref2", "", 77, "Server_Topic", "C:\\App\\Help\\Server.chm"},
      // -2 is reference 1, the second reference text of the file.
      {"Dlg_X", "", 77, "Server_Topic", "C:\\App\\Help\\Server.chm"},
      {"Dlg_Far", "", 0, "Dlg_Far", "C:\\App\\Help\\X.chm"},
      // The host names a file that is not there: no topic, but the file is the one named.
      {"Dlg_Nowhere", "", 0, "Dlg_Nowhere", "C:\\App\\Help\\Lost.chm"},
      {"Dlg_Unnamed", "", 0, "Dlg_Unnamed", "C:\\App\\Help\\X.chm"},
  };
  HelpIdMap map;
  for (const Case& c : cases) {
    std::string topic_key, file = "C:\\App\\Help\\X.chm";
    EXPECT_EQ(FindHelpTopic(c.key, c.prefix, topic_key, map, file, services), c.topic) << c.key;
    EXPECT_EQ(topic_key, c.topic_key) << c.key;
    EXPECT_EQ(file, c.file) << c.key;
  }
}

TEST(HelpLookup, ReadsAnIdFileOnceButAnAbsentOneAgain) {
  FakeHelp help;
  const auto services = help.Services();
  HelpIdMap map;
  std::string key, file = "C:\\App\\Help\\X.chm";
  EXPECT_EQ(FindHelpTopic("Dlg_A", "", key, map, file, services), 0);
  EXPECT_EQ(FindHelpTopic("Dlg_A", "", key, map, file, services), 0);
  EXPECT_EQ(help.reads, 2) << "an absent file is looked for at every lookup";
  help.files["C:\\App\\Help\\X.id"] = "Dlg_A=4\n";
  EXPECT_EQ(FindHelpTopic("Dlg_A", "", key, map, file, services), 4);
  EXPECT_EQ(FindHelpTopic("Dlg_A", "", key, map, file, services), 4);
  EXPECT_EQ(help.reads, 3) << "a loaded map is not read again";
}

TEST(HelpLookup, ReferenceCycleEnds) {
  FakeHelp help;
  help.files["C:\\App\\Help\\A.id"] = "A_B=0,A:B\n";  // refers to itself
  help.references["A:B"] = "A.chm";
  HelpIdMap map;
  std::string key, file = "C:\\App\\Help\\A.chm";
  EXPECT_EQ(FindHelpTopic("A_B", "", key, map, file, help.Services()), 0);
}

}  // namespace
}  // namespace pp::forms
