// Descriptions: parsing, writing back, reading into components, and the errors for bad text.
#include "framework/description/description.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "framework/core/error.h"
#include "framework/description/reader.h"
#include "tests/framework/sample_components.h"

namespace {

const char* kSample = R"(object Root: TSampleRoot
  Size = 10
  Text = 'It''s ' +
    'joined'#13#10'x'
  object First: TSample
    Size = -3
    Flag = True
    Shape = shSquare
    Shapes = [shCircle, shTriangle]
    Text = #215#212'GBK'
    Colour = clRed
    OnPoke = Poked
    Lines.Strings = (
      'one'
      'two')
    Blob = {
      0001FF
      7f}
    Items = <
      item
        Text = 'a'
        Size = 4
      end
      item
      end>
    object Inner: TSample
      Buddy = First
      Size = $1F
    end
  end
  object Second: TSample
    Buddy = nil
  end
  object Third: TSample
    Buddy = Fourth
  end
  object Fourth: TSample
  end
end
)";

std::string ErrorOf(const char* text) {
  auto root = TComponent::Make<TSampleRoot>();
  try {
    ReadComponent(*root, text);
  } catch (const EReadError& e) {
    return e.what();
  }
  return "no error";
}

TEST(DescriptionParseTest, ParsesEveryValueKind) {
  TDescObject root = ParseDescription(kSample);
  EXPECT_EQ(root.name, "Root");
  EXPECT_EQ(root.className, "TSampleRoot");
  ASSERT_EQ(root.properties.size(), 2u);
  EXPECT_EQ(root.properties[1].value.text, "It's joined\r\nx");
  ASSERT_EQ(root.children.size(), 4u);
  const TDescObject& first = root.children[0];
  EXPECT_EQ(first.line, 5);
  EXPECT_EQ(first.properties[0].value.integer, -3);
  EXPECT_EQ(first.properties[3].value.items, (std::vector<std::string>{"shCircle", "shTriangle"}));
  EXPECT_EQ(first.properties[4].value.text, "\xD7\xD4GBK");  // bytes kept as written
  EXPECT_EQ(first.properties[7].value.list.size(), 2u);
  EXPECT_EQ(first.properties[8].value.bytes, (std::vector<uint8_t>{0x00, 0x01, 0xFF, 0x7F}));
  EXPECT_EQ(first.children[0].properties[1].value.integer, 31);
  const TDescValue& items = first.properties[9].value;
  ASSERT_EQ(items.kind, TDescValue::Collection);
  ASSERT_EQ(items.collection.size(), 2u);
  EXPECT_EQ(items.collection[0][1].name, "Size");
  EXPECT_TRUE(items.collection[1].empty());
}

TEST(DescriptionParseTest, FormatThenParseGivesTheSameTree) {
  TDescObject root = ParseDescription(kSample);
  std::string text = FormatDescription(root);
  TDescObject again = ParseDescription(text);
  EXPECT_EQ(FormatDescription(again), text);
  EXPECT_EQ(again.children[0].properties[4].value.text, "\xD7\xD4GBK");
  EXPECT_EQ(again.children[0].properties[8].value.bytes, root.children[0].properties[8].value.bytes);
}

// Numbers at the ends of the 64-bit range, and reals, survive writing and reading back.
TEST(DescriptionParseTest, NumbersAtTheLimitsReadBackUnchanged) {
  const TDescObject root = ParseDescription(
      "object A: TSampleRoot\n  V = ($7FFAAAAAAAAAAAAA -9223372036854775808 9223372036854775807 "
      "$FFFFFFFFFFFFFFFF -$8000000000000000 2.0 1e3 -0.5)\nend\n");
  const std::vector<TDescValue>& list = root.properties[0].value.list;
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(list[0].integer, 0x7FFAAAAAAAAAAAAA);
  EXPECT_EQ(list[1].integer, INT64_MIN);
  EXPECT_EQ(list[2].integer, INT64_MAX);
  EXPECT_EQ(list[3].integer, -1);
  EXPECT_EQ(list[4].integer, INT64_MIN);
  const TDescObject again = ParseDescription(FormatDescription(root));
  const std::vector<TDescValue>& back = again.properties[0].value.list;
  ASSERT_EQ(back.size(), 8u);
  for (size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(back[i].kind, list[i].kind) << i;
    EXPECT_EQ(back[i].integer, list[i].integer) << i;
    EXPECT_EQ(back[i].real, list[i].real) << i;
  }
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Size = 9223372036854775808\nend\n"),
            "Line 2: Number too large");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Size = -9223372036854775809\nend\n"),
            "Line 2: Number too large");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Size = 1e999\nend\n"), "Line 2: Number too large");
}

TEST(DescriptionParseTest, MalformedTextNamesTheLine) {
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Size = \n"),
            "Line 3: Unexpected end of description, expected a value");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Text = 'open\nend\n"), "Line 2: Unterminated string");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Blob = {ABC}\nend\n"),
            "Line 2: Binary data with an odd number of hex digits");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Size = 1\n"),
            "Line 3: Unexpected end of description, expected 'end'");
  EXPECT_EQ(ErrorOf("thing A: TSampleRoot\nend\n"), "Line 1: Expected 'object' but found 'thing'");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Size = %\nend\n"),
            "Line 2: Invalid property value starting with '%'");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\nend\nextra"), "Line 3: Unexpected text after the final end");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Items = <\n  thing end>\nend\n"),
            "Line 3: Expected 'item' but found 'thing'");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Items = < item\n"),
            "Line 3: Unexpected end of description, expected 'end'");
}

TEST(DescriptionReadTest, BuildsComponentsAndCallsLoadedInOrder) {
  TSample::loadedOrder().clear();
  auto root = TComponent::Make<TSampleRoot>();
  ReadComponent(*root, kSample);
  EXPECT_EQ(root->Name(), "Root");
  EXPECT_EQ(root->Text(), "It's joined\r\nx");
  auto* first = ObjectAs<TSample>(root->FindComponent("First"));
  auto* inner = ObjectAs<TSample>(root->FindComponent("Inner"));
  auto* second = ObjectAs<TSample>(root->FindComponent("Second"));
  ASSERT_TRUE(first && inner && second);
  EXPECT_EQ(first->Size(), -3);
  EXPECT_TRUE(first->Flag());
  EXPECT_EQ(first->Shape(), 1);
  EXPECT_EQ(first->Shapes(), 0b101u);
  EXPECT_EQ(first->Colour(), 0xFF);
  EXPECT_EQ(first->Lines()->ToVector(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(first->blob.size(), 4u);
  ASSERT_EQ(first->Items()->Count(), 2);
  EXPECT_EQ(first->Items()->Items(0)->Text(), "a");
  EXPECT_EQ(first->Items()->Items(0)->Size(), 4);
  EXPECT_EQ(first->Items()->Items(1)->Index(), 1);
  EXPECT_EQ(inner->Buddy(), first);
  EXPECT_EQ(ObjectAs<TSample>(root->FindComponent("Third"))->Buddy(),
            root->FindComponent("Fourth"));  // read later
  EXPECT_EQ(inner->Size(), 31);
  EXPECT_EQ(inner->parentComponent, first);  // nested objects learn where they stand
  EXPECT_EQ(first->parentComponent, root.get());
  EXPECT_EQ(TSample::loadedOrder(),
            (std::vector<std::string>{"Root", "First", "Inner", "Second", "Third", "Fourth"}));
  EXPECT_FALSE(first->IsLoading());

  first->OnPoke(first);  // bound to the root's published method
  ASSERT_EQ(root->pokedBy.size(), 1u);
  EXPECT_EQ(root->pokedBy[0], first);
  EXPECT_EQ(first->OnPoke.methodName, "Poked");
}

TEST(DescriptionReadTest, EventsWithParametersBindOnlyToMethodsOfTheSameParameters) {
  auto root = TComponent::Make<TSampleRoot>();
  ReadComponent(*root, "object Root: TSampleRoot\n  object B: TSample\n    OnWeigh = Weighed\n  end\nend\n");
  auto* b = ObjectAs<TSample>(root->FindComponent("B"));
  ASSERT_TRUE(b && b->OnWeigh);
  int amount = 21;
  b->OnWeigh(b, amount);  // the root's method, with the by-reference parameter
  EXPECT_EQ(amount, 42);
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  OnWeigh = Poked\nend\n"),
            "Line 2: Method Poked does not have the parameters of OnWeigh");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  OnPoke = Weighed\nend\n"),
            "Line 2: Method Weighed does not have the parameters of OnPoke");
}

TEST(DescriptionReadTest, TypedEventsBindByNameAndAreReachedByTheirParameters) {
  auto root = TComponent::Make<TSampleRoot>();
  ReadComponent(*root,
                "object Root: TSampleRoot\n  object B: TSample\n    OnMeasure = Weighed\n  end\nend\n");
  auto* b = ObjectAs<TSample>(root->FindComponent("B"));
  ASSERT_TRUE(b && b->OnMeasure);
  EXPECT_EQ(b->OnMeasure.data, root.get()) << "the handler remembers whom it is bound to";
  int amount = 4;
  b->OnMeasure(b, amount);
  EXPECT_EQ(amount, 8);
  EXPECT_EQ((GetTypedEventProp<TObject*, int&>(*b, "OnMeasure")), &b->OnMeasure);
  EXPECT_EQ((GetTypedEventProp<TObject*, int>(*b, "OnMeasure")), nullptr) << "other parameters";
  EXPECT_EQ((GetTypedEventProp<TObject*, int&>(*b, "OnWeigh")), nullptr) << "a plain function event";
  EXPECT_EQ((GetTypedEventProp<TObject*, int&>(*b, "Size")), nullptr);
  b->OnMeasure.Clear();
  EXPECT_FALSE(b->OnMeasure);
  EXPECT_EQ(b->OnMeasure.data, nullptr);
}

TEST(DescriptionReadTest, AReferenceToAComponentFurtherDownIsSetOnceItExists) {
  auto root = TComponent::Make<TSampleRoot>();
  ReadComponent(*root, "object Root: TSampleRoot\n  Buddy = Later\n  object Later: TSample\n  end\nend\n");
  EXPECT_EQ(root->Buddy(), root->FindComponent("Later"));
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Buddy = Later\n  object Other: TSample\n  end\nend\n"),
            "Line 2: Component Later not found");
}

TEST(DescriptionReadTest, UnknownClassPropertyMethodOrValueIsAnError) {
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  object B: TNoSuchClass\n  end\nend\n"),
            "Line 2: Class TNoSuchClass not found");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Bogus = 1\nend\n"),
            "Line 2: Property TSampleRoot.Bogus does not exist");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Font.Name = 'x'\nend\n"),
            "Line 2: Property TSampleRoot.Font does not exist");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  OnPoke = Missing\nend\n"),
            "Line 2: Method Missing not found in TSampleRoot");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Shape = shHexagon\nend\n"),
            "Line 2: Invalid property value for Shape");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Shapes = [shBlob]\nend\n"),
            "Line 2: Invalid set member shBlob");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Size = 'text'\nend\n"),
            "Line 2: Invalid property value for Size");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Buddy = Nobody\nend\n"), "Line 2: Component Nobody not found");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Items = <item\n  Bogus = 1 end>\nend\n"),
            "Line 3: Property TSampleItem.Bogus does not exist");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  Lines = <>\nend\n"),
            "Line 2: Invalid property value for Lines");
  EXPECT_EQ(ErrorOf("object A: TSample\nend\n"), "Line 1: Class TSample does not match TSampleRoot");
  EXPECT_EQ(ErrorOf("object A: TSampleRoot\n  object B: TSample\n  end\n  object B: TSample\n  end\nend\n"),
            "Line 4: A component named B already exists");
}

}  // namespace
