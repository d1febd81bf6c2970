#include "toolkit/strings.h"

#include <gtest/gtest.h>

#include "toolkit/errors.h"
#include "toolkit/text.h"

namespace pp::toolkit {
namespace {

TEST(StringList, SortedIsCaseInsensitiveByDefault) {
  TStringList list;
  list.SetSorted(true);
  list.Add("beta");
  list.Add("Alpha");
  list.Add("gamma");
  EXPECT_EQ(list.Text(), "Alpha\r\nbeta\r\ngamma\r\n");
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.Add("BETA"), 1) << "dupIgnore answers the existing index";
  EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, DuplicatesPolicy) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupError);
  list.Add("x");
  EXPECT_THROW(list.Add("X"), EStringListError);
  list.SetDuplicates(dupAccept);
  list.Add("X");
  EXPECT_EQ(list.Count(), 2);
  int index = -1;
  EXPECT_TRUE(list.Find("x", index));
  EXPECT_EQ(index, 0) << "Find answers the first of equal strings";
}

TEST(StringList, CaseSensitiveListResortsAndSeparatesCase) {
  TStringList list;
  list.SetSorted(true);
  list.Add("b");
  list.Add("B");  // ignored: equal without case
  EXPECT_EQ(list.Count(), 1);
  list.SetCaseSensitive(true);
  list.Add("B");
  EXPECT_EQ(list.Text(), "B\r\nb\r\n");
  EXPECT_EQ(list.IndexOf("b"), 1);
}

TEST(StringList, SortedListRefusesPositionalWrites) {
  TStringList list;
  list.Add("a");
  list.SetSorted(true);
  EXPECT_THROW(list.Insert(0, "z"), EStringListError);
  EXPECT_THROW(list.Put(0, "z"), EStringListError);
}

TEST(StringList, IndexErrorsNameTheIndex) {
  TStringList list;
  list.Add("a");
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {"Get(1)", [&] { list.Get(1); }, "List index out of bounds (1)"},
      {"Get(-1)", [&] { list.Get(-1); }, "List index out of bounds (-1)"},
      {"Delete(5)", [&] { list.Delete(5); }, "List index out of bounds (5)"},
      {"Insert(2)", [&] { list.Insert(2, "x"); }, "List index out of bounds (2)"},
      {"Objects(3)", [&] { list.Objects(3); }, "List index out of bounds (3)"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what << ": expected EStringListError, got none";
    } catch (const EStringListError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.what;
    }
  }
  EXPECT_NO_THROW(list.Insert(1, "end")) << "inserting at Count appends";
}

TEST(StringList, NameValueAccess) {
  TStringList list;
  list.SetText("Width=10\nCaption=a=b\nplain\r\n");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Values("width"), "10");
  EXPECT_EQ(list.Values("Caption"), "a=b") << "the value keeps later separators";
  EXPECT_EQ(list.Names(2), "") << "a line without separator has no name";
  EXPECT_EQ(list.Values("plain"), "");
  list.SetValue("Width", "20");
  EXPECT_EQ(list.Get(0), "Width=20");
  list.SetValue("Height", "5");
  EXPECT_EQ(list.Get(3), "Height=5");
  list.SetValue("Width", "");
  EXPECT_EQ(list.IndexOfName("Width"), -1) << "an empty value deletes the line";
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
  int one = 1, two = 2;
  TStringList list;
  list.AddObject("two", &two);
  list.AddObject("one", &one);
  list.SetSorted(true);
  EXPECT_EQ(list.Objects(0), &one);
  EXPECT_EQ(list.IndexOfObject(&two), 1);
  TStringList copy;
  copy.Assign(list);
  EXPECT_EQ(copy.Objects(1), &two);
}

TEST(StringList, ChangeEventsFireOncePerOutermostUpdate) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TStringList&) { ++changing; };
  list.OnChange = [&](TStringList&) { ++changed; };
  list.Add("a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.EndUpdate();
  EXPECT_EQ(changed, 1) << "inner EndUpdate must not fire";
  list.EndUpdate();
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
  list.EndUpdate();  // unbalanced
  EXPECT_EQ(list.UpdateCount(), 0);
}

// A list backed by storage it does not own, as a control backs its tab captions.
class Backed : public TStrings {
 public:
  std::vector<std::string> tabs;
  int updates = 0;
  int Count() const override { return static_cast<int>(tabs.size()); }
  std::string Get(int i) const override {
    CheckIndex(i, Count());
    return tabs[i];
  }
  void Insert(int i, const std::string& s) override { tabs.insert(tabs.begin() + i, s); }
  void Delete(int i) override { tabs.erase(tabs.begin() + i); }
  void Clear() override { tabs.clear(); }

 protected:
  void SetUpdateState(bool updating) override { updates += updating ? 0 : 1; }
};

TEST(StringsBase, BackedListGetsTheSharedOperations) {
  Backed b;
  b.SetText("Data\r\nStatus\r\nControl");
  EXPECT_EQ(b.tabs, (std::vector<std::string>{"Data", "Status", "Control"}));
  EXPECT_EQ(b.updates, 1);
  b.Move(2, 0);
  EXPECT_EQ(b.tabs.front(), "Control");
  b.Put(1, "DATA");
  EXPECT_EQ(b.IndexOf("data"), 1);
  EXPECT_THROW(b.Get(7), EStringListError);
}

TEST(Text, Accelerators) {
  struct {
    const char* caption;
    char accel;
    const char* plain;
  } cases[] = {
      {"&OK", 'O', "OK"},      {"Save && &Quit", 'Q', "Save & Quit"},
      {"No accel", 0, "No accel"}, {"Trailing&", 0, "Trailing"},
      {"&&&x", 'x', "&x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AcceleratorOf(c.caption), c.accel) << c.caption;
    EXPECT_EQ(StripAccelerator(c.caption), c.plain) << c.caption;
  }
  EXPECT_TRUE(IsAccel('q', "Save && &Quit"));
  EXPECT_FALSE(IsAccel('s', "Save && &Quit"));
}

}  // namespace
}  // namespace pp::toolkit

#include "toolkit/colors.h"

namespace pp::toolkit {
namespace {

TEST(ColorNames, RoundTripAndRejects) {
  struct {
    const char* text;
    TColor color;
    const char* back;
  } cases[] = {
      {"clBtnFace", clBtnFace, "clBtnFace"}, {"CLRED", clRed, "clRed"},
      {"$00123456", 0x123456, "$00123456"},   {"255", clRed, "clRed"},
      {"-16777201", clBtnFace, "clBtnFace"},  {"$FF00000F", clBtnFace, "clBtnFace"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
    EXPECT_EQ(ColorToString(StringToColor(c.text)), c.back) << c.text;
  }
  for (const char* bad : {"", "$", "clNoSuch", "12x", "$123456789", "99999999999"})
    EXPECT_THROW(StringToColor(bad), EConvertError) << "'" << bad << "'";
}

}  // namespace
}  // namespace pp::toolkit
