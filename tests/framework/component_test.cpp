// Components: ownership, names, notifications and destruction order.
#include <gtest/gtest.h>

#include "framework/core/error.h"
#include "tests/framework/sample_components.h"

namespace {

class Watcher : public TComponent {
 public:
  using TComponent::TComponent;
  void Notification(TComponent* c, TOperation op) override {
    events.push_back((op == opInsert ? "+" : "-") + c->Name());
  }
  std::vector<std::string> events;
};

TEST(ComponentTest, OwnerListsAndFindsItsComponents) {
  auto root = TComponent::Make<TSampleRoot>();
  auto* a = TComponent::CreateIn<TSample>(root.get());
  a->SetName("Alpha");
  auto* b = TComponent::CreateIn<TSample>(root.get());
  b->SetName("Beta");
  EXPECT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(1), b);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(root->FindComponent("alpha"), a);
  EXPECT_EQ(root->FindComponent("Gamma"), nullptr);
  EXPECT_EQ(a->Owner(), root.get());
}

TEST(ComponentTest, NamesMustBeValidAndUniqueWithinOwner) {
  auto root = TComponent::Make<TSampleRoot>();
  auto* a = TComponent::CreateIn<TSample>(root.get());
  auto* b = TComponent::CreateIn<TSample>(root.get());
  a->SetName("Same");
  EXPECT_THROW(b->SetName("same"), EComponentError);
  EXPECT_THROW(b->SetName("1abc"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  b->SetName("Other_2");
  EXPECT_EQ(b->Name(), "Other_2");
}

TEST(ComponentTest, DestroyingOwnerFreesOwnedInReverseOrderAndNotifies) {
  auto watcher = TComponent::Make<Watcher>();
  auto* a = TComponent::CreateIn<TSample>(watcher.get());
  a->SetName("A");
  auto* b = TComponent::CreateIn<TSample>(watcher.get());
  b->SetName("B");
  EXPECT_EQ(watcher->events, (std::vector<std::string>{"+", "+"}));  // named after insertion
  watcher->events.clear();
  watcher->DestroyComponent(a);
  EXPECT_EQ(watcher->events, (std::vector<std::string>{"-A"}));
  EXPECT_EQ(watcher->ComponentCount(), 1);
}

TEST(ComponentTest, FreeNotificationReachesTheOtherSide) {
  auto root = TComponent::Make<TSampleRoot>();
  auto watcher = TComponent::Make<Watcher>();
  auto* a = TComponent::CreateIn<TSample>(root.get());
  a->SetName("Gone");
  a->FreeNotification(watcher.get());
  root->DestroyComponent(a);
  EXPECT_EQ(watcher->events, (std::vector<std::string>{"-Gone"}));
}

TEST(StringListTest, AddInsertDeleteAndText) {
  TStringList list;
  list.Add("one");
  list.Add("three");
  list.Insert(1, "two");
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(list.IndexOf("TWO"), 1);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_THROW(list.Get(2), EListError);
  list.SetText("a\rb\nc\r\nd");
  EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

}  // namespace
