// Socket sets: the 64-handle limit, index checks, removal, and select refusing larger sets.
#include <gtest/gtest.h>

#include <vector>

#include "net/id_component.h"
#include "net/id_exceptions.h"
#include "net/id_socket_list.h"

namespace {

TEST(SocketListTest, HoldsSixtyFourHandlesAndRefusesTheNext) {
  TIdSocketListWindows list;
  for (int i = 1; i <= 64; ++i) list.Add(static_cast<SOCKET>(i));
  EXPECT_EQ(list.Count(), 64);
  try {
    list.Add(65);
    FAIL() << "no error";
  } catch (const EIdStackSetSizeExceeded& e) {
    EXPECT_STREQ(e.what(), "Set Size Exceeded.");
  }
  EXPECT_EQ(list.Count(), 64);
  EXPECT_EQ(list.Item(63), 64u);
}

TEST(SocketListTest, IndexOutsideTheSetRaisesTheSameError) {
  TIdSocketListWindows list;
  EXPECT_THROW(list.Item(0), EIdStackSetSizeExceeded);
  list.Add(7);
  EXPECT_EQ(list.Item(0), 7u);
  EXPECT_THROW(list.Item(1), EIdStackSetSizeExceeded);
  EXPECT_THROW(list.Item(-1), EIdStackSetSizeExceeded);
}

TEST(SocketListTest, RemoveMovesTheLastHandleIntoTheGap) {
  TIdSocketListWindows list;
  for (SOCKET s : {10, 20, 30, 40}) list.Add(s);
  list.Remove(20);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(0), 10u);
  EXPECT_EQ(list.Item(1), 40u);
  EXPECT_EQ(list.Item(2), 30u);
  list.Remove(99);  // absent: nothing happens
  EXPECT_EQ(list.Count(), 3);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

// A set without the 64-handle limit, to reach the select's own check.
class UnboundedList : public TIdSocketList {
 public:
  SOCKET Item(int index) const override { return handles.at(static_cast<size_t>(index)); }
  void Add(SOCKET h) override { handles.push_back(h); }
  void Remove(SOCKET h) override { std::erase(handles, h); }
  int Count() const override { return static_cast<int>(handles.size()); }
  std::vector<SOCKET> handles;
};

TEST(SocketListTest, SelectRefusesASetOfMoreThanSixtyFour) {
  auto component = TComponent::Make<TIdComponent>();
  UnboundedList list;
  for (int i = 1; i <= 65; ++i) list.Add(static_cast<SOCKET>(i));
  try {
    GStack()->Select(&list, nullptr, nullptr, 0);
    FAIL() << "no error";
  } catch (const EIdStackSetSizeExceeded& e) {
    EXPECT_STREQ(e.what(), "Set Size Exceeded.");
  }
  EXPECT_EQ(list.Count(), 65);
}

}  // namespace
