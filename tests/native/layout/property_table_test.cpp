#include "layout/property_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sample_classes.h"

namespace pp::layout {
namespace {

using sample::Button;
using sample::Control;
using ::testing::ElementsAre;

TEST(PropertyTable, FindsPropertiesThroughAncestorsWithoutRegardToCase) {
  const ClassInfo& button = ClassOf<Button>();
  EXPECT_EQ(button.Parent(), &ClassOf<Control>());
  EXPECT_TRUE(button.InheritsFrom(ClassOf<sample::Component>()));
  EXPECT_FALSE(ClassOf<Control>().InheritsFrom(button));

  ASSERT_NE(button.FindProperty("modalresult"), nullptr);
  EXPECT_EQ(button.FindProperty("ModalResult")->type, PropertyType::Integer);
  EXPECT_EQ(button.FindProperty("caption")->type, PropertyType::String);
  EXPECT_EQ(button.FindProperty("Name")->type, PropertyType::String);
  EXPECT_EQ(button.FindProperty("Nope"), nullptr);
  EXPECT_EQ(button.FindOwnProperty("Caption"), nullptr);
}

TEST(PropertyTable, KindsFollowTheSetterTypes) {
  struct Case {
    const ClassInfo& cls;
    const char* name;
    PropertyType type;
  };
  const Case cases[] = {
      {ClassOf<Control>(), "Left", PropertyType::Integer},
      {ClassOf<Control>(), "Visible", PropertyType::Boolean},
      {ClassOf<Control>(), "Align", PropertyType::Enum},
      {ClassOf<Control>(), "Color", PropertyType::Color},
      {ClassOf<Control>(), "Font", PropertyType::Object},
      {ClassOf<Control>(), "OnClick", PropertyType::Event},
      {ClassOf<sample::Font>(), "Style", PropertyType::Set},
      {ClassOf<sample::Label>(), "WideText", PropertyType::WideString},
      {ClassOf<sample::Label>(), "Lines", PropertyType::StringList},
      {ClassOf<sample::PageControl>(), "ActivePage", PropertyType::Reference},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PropertyInfo* p = c.cls.FindProperty(c.name);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->type, c.type);
  }
  EXPECT_EQ(ClassOf<Control>().FindProperty("Align")->enum_info->Find("alclient"), sample::alClient);
  EXPECT_EQ(&ClassOf<sample::PageControl>().FindProperty("ActivePage")->target(), &ClassOf<sample::TabSheet>());
}

TEST(PropertyTable, ListsPropertiesBaseFirstInDeclarationOrder) {
  std::vector<std::string> names;
  ClassOf<sample::CheckBox>().ForEachProperty(nullptr, [&](const PropertyInfo& p, void*) { names.push_back(p.name); });
  EXPECT_THAT(names, ElementsAre("Name", "Left", "Top", "Width", "Height", "Align", "Caption", "Color", "Font", "Hint",
                                 "ShowHint", "TabOrder", "Visible", "OnClick", "Checked"));
}

TEST(PropertyTable, StoredValuesDifferFromTheirDefaults) {
  Button b(nullptr);
  const ClassInfo& cls = ClassOf<Button>();
  auto stored = [&](const char* name) {
    ClassInfo::Found f = cls.FindProperty(&b, name);
    return f.info->IsStoredValue(f.self);
  };
  EXPECT_FALSE(stored("Default"));
  EXPECT_FALSE(stored("Color"));  // clBtnFace, compared as 32 bits
  EXPECT_FALSE(stored("Name"));   // never stored
  EXPECT_TRUE(stored("Left"));    // no default: always stored
  b.is_default = true;
  b.color = 0x00FF00;
  EXPECT_TRUE(stored("Default"));
  EXPECT_TRUE(stored("Color"));
}

TEST(PropertyTable, QueriesReachPropertiesOfTheDynamicClass) {
  Button button(nullptr);
  Control* as_control = &button;
  ObjectRef ref = DynamicRef(as_control);
  EXPECT_EQ(ref.cls, &ClassOf<Button>());
  EXPECT_EQ(ref.As<Control>(), as_control);
  EXPECT_EQ(ref.As<sample::CheckBox>(), nullptr);

  EXPECT_TRUE(HasProperty(ref, "Hint"));
  EXPECT_TRUE(HasProperty(ref, "Font.Name"));
  EXPECT_FALSE(HasProperty(ref, "Font.Nope"));
  EXPECT_FALSE(HasProperty(ref, "Left.Nope"));
  EXPECT_TRUE(SetStringProperty(ref, "Hint", "tip"));
  EXPECT_TRUE(SetBooleanProperty(ref, "ShowHint", true));
  EXPECT_TRUE(SetStringProperty(ref, "Font.Name", "Arial"));
  EXPECT_FALSE(SetStringProperty(ref, "Left", "1"));  // not a string property
  EXPECT_FALSE(SetBooleanProperty(ref, "Missing", true));
  EXPECT_EQ(button.hint, "tip");
  EXPECT_TRUE(button.show_hint);
  EXPECT_EQ(button.font.name, "Arial");

  std::vector<ObjectRef> fonts = ObjectPropertiesOf(ref, ClassOf<sample::Font>());
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].As<sample::Font>(), &button.font);
  EXPECT_TRUE(ObjectPropertiesOf(ref, ClassOf<Control>()).empty());
}

TEST(PropertyTable, SettersRefuseValuesOutsideTheirType) {
  Button b(nullptr);
  ClassInfo::Found f = ClassOf<Button>().FindProperty(&b, "Left");
  EXPECT_THROW(f.info->set(f.self, std::int64_t{1} << 40), EConvertError);
  f = ClassOf<Button>().FindProperty(&b, "Align");
  EXPECT_THROW(f.info->set(f.self, std::int64_t{6}), EConvertError);
  f.info->set(f.self, std::int64_t{5});
  EXPECT_EQ(b.align, sample::alClient);
}

}  // namespace
}  // namespace pp::layout
