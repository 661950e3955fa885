// The skin manager: one instance, registration, and actions that wait for the first window
// activation before they go through the 250 ms timer.
#include "skin/controls/manager/skin_manage.h"

#include <gtest/gtest.h>

#include "skin/data/skin_data.h"
#include "tests/support/window_support.h"

namespace quarnel {
namespace {

class SkinManageTest : public ::testing::Test {
 protected:
  void SetUp() override { TSkinManage::Destroy(); }
  void TearDown() override {
    data.clear();
    TSkinManage::Destroy();
  }
  TSkinData& NewData(int formType) {
    data.push_back(TComponent::Make<TSkinData>());
    data.back()->SetSkinFormtype(formType);
    return *data.back();
  }
  std::vector<ComponentPtr<TSkinData>> data;
};

TEST_F(SkinManageTest, IsMadeOnceOnFirstNeed) {
  EXPECT_EQ(TSkinManage::Instance(), nullptr);
  TSkinManage& first = TSkinManage::Ensure();
  EXPECT_EQ(&TSkinManage::Ensure(), &first);
  EXPECT_EQ(TSkinManage::Instance(), &first);
  EXPECT_FALSE(first.Running());
  EXPECT_EQ(first.SkinningCount(), 0);
  EXPECT_EQ(first.Actions().TimerInterval(), 100);
  EXPECT_FALSE(first.Actions().TimerEnabled());
}

TEST_F(SkinManageTest, FirstMainFormComponentBecomesMain) {
  TSkinManage& m = TSkinManage::Ensure();
  TSkinData& dialog = NewData(sfDialog);
  TSkinData& main1 = NewData(sfMainform);
  TSkinData& main2 = NewData(sfMainform);
  m.SkinData().Register(&dialog);
  EXPECT_EQ(m.SkinData().Main(), nullptr);
  m.SkinData().Register(&main1);
  m.SkinData().Register(&main2);
  EXPECT_EQ(m.SkinData().Main(), &main1);
  EXPECT_EQ(m.SkinData().All(), (std::vector<TSkinData*>{&dialog, &main1, &main2}));
  m.UnregisterSkinData(&dialog);
  EXPECT_EQ(m.SkinData().All(), (std::vector<TSkinData*>{&main1, &main2}));
  // A component that leaves is never read again, not even as the main one.
  m.UnregisterSkinData(&main1);
  EXPECT_EQ(m.SkinData().Main(), nullptr);
}

TEST_F(SkinManageTest, BeforeAnyActivationActionsTakeEffectAtOnce) {
  TSkinManage& m = TSkinManage::Ensure();
  m.Actions().Post(saSkinOn, 250);
  EXPECT_TRUE(m.Running());
  EXPECT_FALSE(m.Actions().TimerEnabled());
  m.Actions().Post(saRefresh, 250);
  EXPECT_TRUE(m.Running());
  EXPECT_FALSE(m.Actions().TimerEnabled());
  m.Actions().Post(saSkinOff, 250);
  EXPECT_FALSE(m.Running());
  EXPECT_FALSE(m.Actions().TimerEnabled());
}

TEST_F(SkinManageTest, WindowActivationStartsTheTimedActions) {
  TSkinManage& m = TSkinManage::Ensure();
  m.Hook().Install();
  ASSERT_TRUE(m.Hook().Installed());
  TSkinData& main = NewData(sfMainform);
  m.SkinData().Register(&main);
  int changed = 0;
  main.OnSkinChanged.code = [&](TObject*) { ++changed; };

  HWND window = CreateWindowExW(0, L"STATIC", L"activate me", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(window);
  SetActiveWindow(window);
  testing_support::flush_events(50);
  EXPECT_EQ(m.SkinningCount(), 1);

  m.SkinData().SetCurrent(&main);
  m.Actions().Post(saSkinOn, 250);
  EXPECT_TRUE(m.Actions().TimerEnabled());
  EXPECT_EQ(m.Actions().TimerInterval(), 250);
  EXPECT_FALSE(m.Running());  // not before the delay
  EXPECT_TRUE(testing_support::wait_until([&] { return changed == 1; }));
  EXPECT_TRUE(m.Running());
  EXPECT_EQ(m.SkinData().Current(), nullptr);
  EXPECT_FALSE(m.Actions().TimerEnabled());
  EXPECT_EQ(m.Actions().Pending(), saNone);

  // Without a requesting component a timed action does nothing at all.
  m.Actions().Post(saSkinOff, 20);
  testing_support::flush_events(200);
  EXPECT_TRUE(m.Running());
  EXPECT_EQ(changed, 1);
  DestroyWindow(window);
}

TEST_F(SkinManageTest, DestroyRemovesTheHook) {
  // An activation reaches the hook: the manager counts it.
  auto activateNewWindow = [] {
    HWND window = CreateWindowExW(0, L"STATIC", L"activate me", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 100,
                                  50, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(window);
    testing_support::flush_events(20);
    DestroyWindow(window);
  };
  TSkinManage::Ensure().Hook().Install();
  activateNewWindow();
  ASSERT_EQ(TSkinManage::Instance()->SkinningCount(), 1);
  TSkinManage::Destroy();
  EXPECT_EQ(TSkinManage::Instance(), nullptr);
  // A later manager that installs no hook of its own hears of no activation: a hook of the old
  // one left in place would find the new manager and count it.
  TSkinManage& later = TSkinManage::Ensure();
  ASSERT_FALSE(later.Hook().Installed());
  activateNewWindow();
  EXPECT_EQ(later.SkinningCount(), 0);
}

}  // namespace
}  // namespace quarnel
