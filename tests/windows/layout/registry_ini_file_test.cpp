#include "layout/registry_ini_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/win_handles.h"

namespace pp::layout {
namespace {

using ::testing::UnorderedElementsAre;

constexpr char kFile[] = "Software\\ParallelPortTests\\RegistryIniFile";

class RegistryIniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kFile); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kFile); }

  // The type and raw bytes of a value, as the registry holds them.
  static std::pair<DWORD, std::string> Raw(const char* section, const char* ident) {
    std::string path = std::string(kFile) + "\\" + section;
    DWORD type = REG_NONE;
    char data[64] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), ident, RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS)
      return {REG_NONE, ""};
    return {type, std::string(data, size)};
  }
  static void Put(const char* section, const char* ident, DWORD type, const void* data, DWORD size) {
    win::UniqueKey key;
    std::string path = std::string(kFile) + "\\" + section;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.receive(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.get(), ident, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  static bool KeyExists(const std::string& path) {
    win::UniqueKey key;
    return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.receive()) == ERROR_SUCCESS;
  }

  TRegistryIniFile ini_{HKEY_CURRENT_USER, kFile};
};

TEST_F(RegistryIniFileTest, MissingEntriesAnswerTheDefaultAndCreateNothing) {
  EXPECT_EQ(ini_.ReadString("TForm1", "Caption", "none"), "none");
  EXPECT_EQ(ini_.ReadInteger("TForm1", "Width", -7), -7);
  EXPECT_TRUE(ini_.ReadBool("TForm1", "Flag", true));
  EXPECT_FALSE(ini_.SectionExists("TForm1"));
  EXPECT_FALSE(ini_.ValueExists("TForm1", "Width"));
  EXPECT_TRUE(ini_.ReadSections().empty());
  EXPECT_TRUE(ini_.ReadSection("TForm1").empty());
  EXPECT_FALSE(KeyExists(kFile)) << "expected reads to leave the registry alone";
}

TEST_F(RegistryIniFileTest, AnEntryIsAValueInTheSectionSubkey) {
  ini_.WriteInteger("TParallelPortForm", "Width", 500);
  ini_.WriteInteger("TParallelPortForm", "Left", -20);
  ini_.WriteString("TParallelPortForm", "Note", "text");
  ini_.WriteBool("Other", "Flag", true);

  EXPECT_EQ(Raw("TParallelPortForm", "Width"), (std::pair<DWORD, std::string>{REG_DWORD, std::string("\xF4\x01\0\0", 4)}));
  EXPECT_EQ(Raw("TParallelPortForm", "Note"), (std::pair<DWORD, std::string>{REG_SZ, std::string("text\0", 5)}));
  EXPECT_EQ(ini_.ReadInteger("TParallelPortForm", "Width", 0), 500);
  EXPECT_EQ(ini_.ReadInteger("TParallelPortForm", "Left", 0), -20);
  EXPECT_EQ(ini_.ReadString("TParallelPortForm", "Note", ""), "text");
  EXPECT_EQ(ini_.ReadString("TParallelPortForm", "Width", ""), "500");
  EXPECT_TRUE(ini_.ReadBool("Other", "Flag", false));
  EXPECT_THAT(ini_.ReadSections(), UnorderedElementsAre("TParallelPortForm", "Other"));
  EXPECT_THAT(ini_.ReadSection("TParallelPortForm"), UnorderedElementsAre("Width", "Left", "Note"));
  EXPECT_TRUE(ini_.ValueExists("TParallelPortForm", "Left"));
}

TEST_F(RegistryIniFileTest, AnIntegerOverAStringValueIsWrittenAsDecimalText) {
  Put("TForm1", "Height", REG_SZ, "12", 3);
  ini_.WriteInteger("TForm1", "Height", 300);
  EXPECT_EQ(Raw("TForm1", "Height"), (std::pair<DWORD, std::string>{REG_SZ, std::string("300\0", 4)}));
  EXPECT_EQ(ini_.ReadInteger("TForm1", "Height", 0), 300);

  Put("TForm1", "Top", REG_BINARY, "\x01", 1);  // any other type is replaced by an integer
  ini_.WriteInteger("TForm1", "Top", 80);
  EXPECT_EQ(Raw("TForm1", "Top").first, static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistryIniFileTest, ValuesOfAnotherShapeReadAsTheDefault) {
  struct Case {
    const char* ident;
    DWORD type;
    std::string data;
    int integer;
    std::string text;
  };
  const Case cases[] = {
      {"decimal", REG_SZ, std::string("123\0", 4), 123, "123"},
      {"negative", REG_SZ, std::string("-5\0", 3), -5, "-5"},
      {"unterminated", REG_SZ, "77", 77, "77"},
      {"words", REG_SZ, std::string("abc\0", 4), -1, "abc"},
      {"trailing", REG_SZ, std::string("12px\0", 5), -1, "12px"},
      {"empty", REG_SZ, std::string("\0", 1), -1, ""},
      {"binary", REG_BINARY, "\x01\x02", -1, "default"},
      {"short dword", REG_DWORD, "\x01\x02", -1, "default"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ident);
    Put("S", c.ident, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    EXPECT_EQ(ini_.ReadInteger("S", c.ident, -1), c.integer);
    EXPECT_EQ(ini_.ReadString("S", c.ident, "default"), c.text);
  }
}

TEST_F(RegistryIniFileTest, ErasingRemovesASectionOrOneEntry) {
  ini_.WriteInteger("A", "One", 1);
  ini_.WriteInteger("A", "Two", 2);
  ini_.WriteInteger("B", "One", 1);
  ini_.DeleteKey("A", "One");
  EXPECT_FALSE(ini_.ValueExists("A", "One"));
  EXPECT_TRUE(ini_.ValueExists("A", "Two"));
  ini_.EraseSection("A");
  EXPECT_FALSE(ini_.SectionExists("A"));
  EXPECT_TRUE(ini_.SectionExists("B"));
  EXPECT_NO_THROW(ini_.EraseSection("never there"));
  EXPECT_NO_THROW(ini_.DeleteKey("never there", "x"));
}

TEST_F(RegistryIniFileTest, ARefusedWriteRaises) {
  const std::string too_long(300, 'x');  // a key name has at most 255 characters
  try {
    ini_.WriteInteger(too_long, "Width", 5);
    ADD_FAILURE() << "expected EOSError, got no error";
  } catch (const EOSError& e) {
    EXPECT_NE(e.Code(), 0u) << e.what();
  }
  EXPECT_EQ(ini_.ReadInteger(too_long, "Width", -1), -1);
}

}  // namespace
}  // namespace pp::layout
