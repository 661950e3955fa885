// Collections: the owner hears of every change (once per update block), items know their index,
// and bad indexes are errors; descriptions write collections back in their own syntax.
#include <gtest/gtest.h>

#include "framework/core/error.h"
#include "framework/description/description.h"
#include "tests/framework/sample_components.h"

namespace {

TEST(CollectionTest, OwnerHearsOfItemAndListChanges) {
  TOwnedCollection<TSampleItem> items;
  std::vector<int> heard;  // index of the changed item, -1 for the list
  items.OnUpdate = [&](TCollectionItem* item) { heard.push_back(item ? item->Index() : -1); };
  TSampleItem* a = items.Add();
  TSampleItem* b = items.Add();
  b->SetText("b");
  items.Insert(0)->SetSize(3);
  EXPECT_EQ(heard, (std::vector<int>{-1, -1, 1, -1, 0}));
  EXPECT_EQ(a->Index(), 1);
  EXPECT_EQ(items.Items(2), b);

  heard.clear();
  items.BeginUpdate();
  items.Move(2, 0);
  a->SetSize(7);
  items.Delete(1);
  EXPECT_TRUE(heard.empty());
  items.EndUpdate();
  EXPECT_EQ(heard, std::vector<int>{-1});  // once, as a whole
  EXPECT_EQ(items.Count(), 2);
  EXPECT_EQ(items.Items(0), b);
  EXPECT_EQ(GetOrdPropByName(*items.Items(1), "Size"), 7);

  EXPECT_THROW(items.Item(2), EListError);
  EXPECT_THROW(items.Insert(5), EListError);
  EXPECT_THROW(items.Delete(-1), EListError);
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(GetOrdPropByName(items, "Count"), 0);
}

TEST(CollectionTest, DescriptionsWriteCollectionsBackInTheirOwnSyntax) {
  const char* text =
      "object A: TSampleRoot\n"
      "  Items = <\n"
      "    item\n"
      "      Text = 'x'\n"
      "      Lines.Strings = (\n"
      "        'in an item')\n"
      "    end\n"
      "    item\n"
      "    end>\n"
      "end\n";
  TDescObject root = ParseDescription(text);
  std::string written = FormatDescription(root);
  EXPECT_NE(written.find("Items = <"), std::string::npos);
  TDescObject again = ParseDescription(written);
  ASSERT_EQ(again.properties[0].value.collection.size(), 2u);
  EXPECT_EQ(again.properties[0].value.collection[0][1].value.list[0].text, "in an item");
  EXPECT_EQ(FormatDescription(again), written);
}

}  // namespace
