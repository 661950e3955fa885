// Media-player bar geometry (native).
#include "skin/controls/media_layout.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(MediaLayoutTest, SetTextNamesButtonsByWholeNamesInAnyCase) {
  EXPECT_EQ(MediaButtonsInSetText("[btPlay,btStop]"), (1u << 0) | (1u << 2));
  EXPECT_EQ(MediaButtonsInSetText("[BTEJECT, btrecord]"), (1u << 8) | (1u << 7));
  EXPECT_EQ(MediaButtonsInSetText("[btPlayer,btSto]"), 0u) << "only whole names";
  EXPECT_EQ(MediaButtonsInSetText("[]"), 0u);
}

TEST(MediaLayoutTest, ButtonUnderAPointCountsOnlyVisibleButtons) {
  const unsigned visible = (1u << 1) | (1u << 4) | (1u << 8);  // pause, prev, eject
  EXPECT_EQ(MediaButtonAt(0, 90, visible), 1);
  EXPECT_EQ(MediaButtonAt(45, 90, visible), 4);
  EXPECT_EQ(MediaButtonAt(89, 90, visible), 8);
  EXPECT_EQ(MediaButtonAt(90, 90, visible), -1);
  EXPECT_EQ(MediaButtonAt(-1, 90, visible), -1);
  EXPECT_EQ(MediaButtonAt(10, 90, 0), -1);
  EXPECT_EQ(MediaButtonAt(99, 100, visible), 8) << "the last cell takes the remainder";
}

TEST(MediaLayoutTest, LastCellTakesTheRemainder) {
  const SkinRect last = MediaButtonCell(2, 3, 100, 20);
  EXPECT_EQ(last.left, 66);
  EXPECT_EQ(last.right, 100);
  EXPECT_EQ(MediaButtonCell(0, 3, 100, 20).right, 33);
}

}  // namespace
}  // namespace quarnel
