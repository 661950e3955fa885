// Published properties: get and set by name for every kind, and the class chain.
#include <gtest/gtest.h>

#include "framework/core/properties.h"
#include "tests/framework/sample_components.h"

namespace {

class PropertiesTest : public ::testing::Test {
 protected:
  ComponentPtr<TSampleRoot> root = TComponent::Make<TSampleRoot>();
  TSample& s = *TComponent::CreateIn<TSample>(root.get());
  const TPropInfo& Prop(const char* name) {
    const TPropInfo* p = GetPropInfo(s, name);
    EXPECT_NE(p, nullptr) << name;
    return *p;
  }
};

TEST_F(PropertiesTest, IntegerAndBooleanByName) {
  SetOrdProp(s, Prop("Size"), 42);
  EXPECT_EQ(s.Size(), 42);
  EXPECT_EQ(GetOrdProp(s, Prop("size")), 42);  // names are case-insensitive
  EXPECT_TRUE(SetEnumProp(s, Prop("Flag"), "True"));
  EXPECT_TRUE(s.Flag());
  EXPECT_EQ(GetEnumProp(s, Prop("Flag")), "True");
  EXPECT_FALSE(SetEnumProp(s, Prop("Flag"), "Maybe"));
  EXPECT_TRUE(s.Flag());
}

TEST_F(PropertiesTest, EnumerationAndSetByName) {
  EXPECT_TRUE(SetEnumProp(s, Prop("Shape"), "shTriangle"));
  EXPECT_EQ(s.Shape(), 2);
  EXPECT_EQ(GetEnumProp(s, Prop("Shape")), "shTriangle");
  EXPECT_FALSE(SetEnumProp(s, Prop("Shape"), "shHexagon"));
  EXPECT_EQ(s.Shape(), 2);
  SetOrdProp(s, Prop("Shapes"), 0b101);
  EXPECT_EQ(GetSetProp(s, Prop("Shapes")), "[shCircle,shTriangle]");
}

TEST_F(PropertiesTest, StringsConvertBetweenNarrowAndWide) {
  SetStrProp(s, Prop("Text"), "hello");
  EXPECT_EQ(GetStrProp(s, Prop("Text")), "hello");
  EXPECT_EQ(GetWideStrProp(s, Prop("Text")), L"hello");
  SetWideStrProp(s, Prop("WideText"), L"wide");
  EXPECT_EQ(GetStrProp(s, Prop("WideText")), "wide");
}

TEST_F(PropertiesTest, ObjectAndEventProperties) {
  auto* other = TComponent::CreateIn<TSample>(root.get());
  SetObjectProp(s, Prop("Buddy"), other);
  EXPECT_EQ(s.Buddy(), other);
  EXPECT_EQ(GetObjectProp(s, Prop("Buddy")), other);
  EXPECT_TRUE(Prop("Lines").readOnly);
  EXPECT_EQ(GetObjectProp(s, Prop("Lines")), s.Lines());

  TNotifyEvent* ev = GetEventProp(s, Prop("OnPoke"));
  ASSERT_NE(ev, nullptr);
  EXPECT_FALSE(*ev);
  TObject* seen = nullptr;
  ev->code = [&](TObject* sender) { seen = sender; };
  EXPECT_TRUE(*ev);
  s.OnPoke(&s);
  EXPECT_EQ(seen, &s);
}

TEST_F(PropertiesTest, InheritedPropertiesAndMissingOnes) {
  EXPECT_NE(GetPropInfo(s, "Name"), nullptr);  // from TComponent
  EXPECT_NE(GetPropInfo(s, "Tag"), nullptr);
  EXPECT_EQ(GetPropInfo(s, "NoSuchProperty"), nullptr);
  auto all = s.ClassInfo().AllProperties();
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all[0]->name, "Name");  // base classes first, in declaration order
  EXPECT_EQ(all[1]->name, "Tag");
}

TEST_F(PropertiesTest, NamedIntegerValues) {
  const TPropInfo& p = Prop("Colour");
  int64_t v = 0;
  ASSERT_TRUE(p.identToInt("clRed", v));
  EXPECT_EQ(v, 0xFF);
  EXPECT_FALSE(p.identToInt("clNothing", v));
}

TEST_F(PropertiesTest, ByNameWithMissingOrMismatchedProperties) {
  EXPECT_TRUE(SetOrdPropByName(s, "Size", 7));
  EXPECT_EQ(GetOrdPropByName(s, "Size"), 7);
  EXPECT_EQ(GetOrdPropByName(s, "Missing"), -1);
  EXPECT_EQ(GetOrdPropByName(s, "Text"), -1);  // not an ordinal
  EXPECT_FALSE(SetOrdPropByName(s, "Missing", 1));
  EXPECT_FALSE(SetOrdPropByName(s, "Text", 1));
  EXPECT_EQ(s.Text(), "");
  EXPECT_TRUE(SetStrPropByName(s, "Text", "abc"));
  EXPECT_EQ(GetStrPropByName(s, "Text"), "abc");
  EXPECT_EQ(GetStrPropByName(s, "Missing"), "");
  EXPECT_FALSE(SetStrPropByName(s, "Missing", "x"));
  EXPECT_EQ(GetObjectPropByName(s, "Lines"), s.Lines());
  EXPECT_EQ(GetObjectPropByName(s, "Size"), nullptr);
  EXPECT_EQ(GetObjectPropByName(s, "Missing"), nullptr);
}

TEST(ClassInfoTest, InstanceOfByClassName) {
  auto root = TComponent::Make<TSampleRoot>();
  EXPECT_TRUE(root->InheritsFrom("TSample"));
  EXPECT_TRUE(root->InheritsFrom("tcomponent"));
  EXPECT_TRUE(root->InheritsFrom("TObject"));
  EXPECT_FALSE(root->InheritsFrom("TStrings"));
  EXPECT_EQ(root->ClassName(), "TSampleRoot");
  EXPECT_NE(ObjectAs<TSample>(root.get()), nullptr);
  EXPECT_EQ(ObjectAs<TStrings>(root.get()), nullptr);
  EXPECT_EQ(FindClass("tsample"), &TSample::StaticClass());
  EXPECT_EQ(FindClass("TUnknownThing"), nullptr);
}

}  // namespace
