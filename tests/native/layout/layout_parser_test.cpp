#include "layout/layout_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "layout/read_error.h"

namespace pp::layout {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

Value ParseValue(const std::string& value_text) {
  ObjectNode node = ParseLayout("object F: TForm\n  P = " + value_text + "\nend\n", "test");
  EXPECT_EQ(node.properties.size(), 1u);
  return node.properties.at(0).value;
}

TEST(LayoutParser, ReadsEveryValueKind) {
  struct Case {
    const char* text;
    Value::Kind kind;
    std::int64_t integer;
    std::string string;
  };
  const Case cases[] = {
      {"155", Value::Kind::Integer, 155, ""},
      {"-11", Value::Kind::Integer, -11, ""},
      {"0xFF00000F", Value::Kind::Integer, 0xFF00000F, ""},
      {"0x7fffffffffffffff", Value::Kind::Integer, INT64_MAX, ""},
      {"-9223372036854775808", Value::Kind::Integer, INT64_MIN, ""},
      {"bsDialog", Value::Kind::Identifier, 0, "bsDialog"},
      {"True", Value::Kind::Identifier, 0, "True"},
      {"\"Parallel-Port Status/Control\"", Value::Kind::String, 0, "Parallel-Port Status/Control"},
      {"\"\"", Value::Kind::String, 0, ""},
      {R"("It's \"quoted\"\\ \t\n\r")", Value::Kind::String, 0, "It's \"quoted\"\\ \t\n\r"},
      {R"("\x41\u00e9\u20AC")", Value::Kind::String, 0, "A\xC3\xA9\xE2\x82\xAC"},
      {"\"raw \xC3\xA9 UTF-8\"", Value::Kind::String, 0, "raw \xC3\xA9 UTF-8"},
      {"\"joined \" +\n    \"over lines\"", Value::Kind::String, 0, "joined over lines"},
      {"\"no // comment\"", Value::Kind::String, 0, "no // comment"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Value v = ParseValue(c.text);
    EXPECT_EQ(v.kind, c.kind);
    if (c.kind == Value::Kind::Integer) {
      EXPECT_EQ(v.integer, c.integer);
    } else {
      EXPECT_EQ(v.text, c.string);
    }
  }
}

TEST(LayoutParser, ReadsSetsAndLists) {
  EXPECT_THAT(ParseValue("[]").members, ElementsAre());
  Value set = ParseValue("[fsBold, fsItalic]");
  EXPECT_EQ(set.kind, Value::Kind::Set);
  EXPECT_THAT(set.members, ElementsAre("fsBold", "fsItalic"));

  Value list = ParseValue("(\n  \"one\"\n  \"two\" + \"!\"\n  3 -4 ident\n)");
  ASSERT_EQ(list.kind, Value::Kind::List);
  ASSERT_EQ(list.items.size(), 5u);
  EXPECT_EQ(list.items[0].text, "one");
  EXPECT_EQ(list.items[1].text, "two!");
  EXPECT_EQ(list.items[2].integer, 3);
  EXPECT_EQ(list.items[3].integer, -4);
  EXPECT_EQ(list.items[4].text, "ident");
  EXPECT_TRUE(ParseValue("()").items.empty());
}

TEST(LayoutParser, BuildsTheTreeWithPathsAndLines) {
  ObjectNode root = ParseLayout(
      "// a form\r\n"
      "object Form1: TForm  // trailing comment\r\n"
      "  Font.Name = \"MS Sans Serif\"\r\n"
      "  object Panel1: TPanel\r\n"
      "    object Button1: TButton\r\n"
      "      Caption = \"OK\"\r\n"
      "    end\r\n"
      "  end\r\n"
      "  Left = 1\r\n"  // properties may follow children
      "  object Label1: TLabel end\r\n"
      "end\r\n",
      "TForm1");
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.class_name, "TForm");
  EXPECT_EQ(root.line, 2);
  ASSERT_EQ(root.properties.size(), 2u);
  EXPECT_EQ(root.properties[0].path, "Font.Name");
  EXPECT_EQ(root.properties[0].line, 3);
  EXPECT_EQ(root.properties[1].path, "Left");
  EXPECT_EQ(root.properties[1].line, 9);
  ASSERT_EQ(root.children.size(), 2u);
  const ObjectNode& panel = root.children[0];
  EXPECT_EQ(panel.line, 4);
  ASSERT_EQ(panel.children.size(), 1u);
  EXPECT_EQ(panel.children[0].name, "Button1");
  EXPECT_EQ(panel.children[0].properties.at(0).line, 6);
  EXPECT_EQ(root.children[1].class_name, "TLabel");
}

TEST(LayoutParser, TrailingZeroPaddingEndsTheText) {
  std::string text = "object F: TForm end";
  text.append(3, '\0');
  EXPECT_EQ(ParseLayout(text, "padded").name, "F");
}

TEST(LayoutParser, FaultsNameResourceAndLine) {
  struct Case {
    std::string text;
    int line;
    const char* problem;
  };
  const std::string deep = [] {
    std::string t;
    for (int i = 0; i <= kMaxNesting; ++i) t += "object A" + std::to_string(i) + ": T\n";
    return t;
  }();
  const Case cases[] = {
      {"", 1, "empty"},
      {"  // only a comment\n", 2, "empty"},
      {"object F: TForm\n  Left = 1\n", 3, "object \"F\" (line 1) is not closed by \"end\""},
      {"object F: TForm\n  object B: TButton\n  Left = 1\nend\n", 5, "object \"F\" (line 1) is not closed"},
      {"object F: TForm\n  Caption = \"open\n  end\n", 2, "string is not closed"},
      {"object F: TForm\n  Caption = \"bad \\q\"\nend", 2, "unknown escape \"\\q\""},
      {"object F: TForm\n  Caption = \"\\u12\"\nend", 2, "4 hex digits"},
      {"object F: TForm\n  Caption = \"\\uD800\"\nend", 2, "surrogate"},
      {"object F: TForm\n\n  Left = 99999999999999999999\nend", 3, "out of range"},
      {"object F: TForm\n  Left = 0x1FFFFFFFFFFFFFFFF\nend", 2, "out of range"},
      {"object F: TForm\n  Left = 12abc\nend", 2, "malformed number"},
      {"object F: TForm\n  Left = 0x\nend", 2, "without hex digits"},
      {"object F: TForm\n  Left 1\nend", 2, "expected \"=\" after \"Left\""},
      {"object F: TForm\n  Left =\nend", 3, "expected a value"},
      {"object F: TForm\n  Font. = 1\nend", 2, "property name after \".\""},
      {"object F TForm\nend", 1, "\":\" after the object name"},
      {"object F:\nend", 2, "expected a class name"},
      {"thing F: TForm\nend", 1, "expected \"object\""},
      {"object F: TForm\nend\nend", 3, "after the last \"end\""},
      {"object F: TForm\n  S = [a b]\nend", 2, "\",\" or \"]\""},
      {"object F: TForm\n  S = [1]\nend", 2, "set member"},
      {"object F: TForm\n  L = (\"a\"\n", 2, "list is not closed"},
      {"object F: TForm\n  L = (\"a\" [b])\nend", 2, "in a list"},
      {"object F: TForm\n  C = \"a\" + 1\nend", 2, "string after \"+\""},
      {"object F: TForm\n  Left = 1 ;\nend", 2, "unexpected character \";\""},
      {std::string("object F: TForm\n\0 Left = 1\nend", 31), 2, "zero byte"},
      {deep, kMaxNesting + 1, "nested more than"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseLayout(c.text, "TSomeForm");
      ADD_FAILURE() << "expected a read error";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Resource(), "TSomeForm");
      EXPECT_EQ(e.Line(), c.line) << e.what();
      EXPECT_THAT(e.what(), HasSubstr(c.problem));
      EXPECT_THAT(e.what(), HasSubstr("TSomeForm, line " + std::to_string(c.line) + ": "));
    }
  }
}

}  // namespace
}  // namespace pp::layout
