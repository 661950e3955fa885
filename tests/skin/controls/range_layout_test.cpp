// Range and text control geometry: progress fill at the ends and past them, channel placement,
// up-down halves, states and the edit-border rule, the grip, the combo button's boxes and frames.
#include "skin/controls/range_layout.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(ProgressLayoutTest, FillFollowsThePositionInsideTheRange) {
  EXPECT_EQ(ProgressFilledLength(200, 0, 100, 0), 0) << "at the low limit only the track shows";
  EXPECT_EQ(ProgressFilledLength(200, 0, 100, 50), 100);
  EXPECT_EQ(ProgressFilledLength(200, 0, 100, 100), 200);
  EXPECT_EQ(ProgressFilledLength(200, 0, 100, 150), 200) << "past the end stays inside the bar";
  EXPECT_EQ(ProgressFilledLength(200, 0, 100, -5), 0);
  EXPECT_EQ(ProgressFilledLength(200, -100, 0, -50), 100) << "a range below zero fills too";
  EXPECT_EQ(ProgressFilledLength(200, 5, 5, 5), 0) << "an empty range divides by nothing";
  EXPECT_EQ(ProgressFilledLength(30000, 0, 2000000000, 1000000000), 15000) << "no overflow";
}

TEST(TrackLayoutTest, ChannelImagePlacedAcrossTheChannel) {
  EXPECT_EQ(HorizontalChannelPlace(SkinRect{8, 10, 100, 20}, 4), (SkinRect{8, 13, 100, 17}));
  EXPECT_EQ(HorizontalChannelPlace(SkinRect{8, 10, 100, 13}, 5), (SkinRect{8, 10, 100, 15}))
      << "an image higher than the channel starts at its top";
  // Reported as (left 10, top 8, right 150, bottom 20): the real channel is x 8..20, y 10..150.
  EXPECT_EQ(VerticalChannelPlace(SkinRect{10, 8, 150, 20}, 4), (SkinRect{12, 10, 16, 150}));
  EXPECT_EQ(VerticalChannelPlace(SkinRect{8, 10, 20, 150}, 4), (SkinRect{12, 10, 16, 150}))
      << "a channel reported upright is taken as it is";
}

TEST(UpDownLayoutTest, HalvesStatesAndTheEditBorder) {
  auto v = UpDownHalves(SkinRect{0, 0, 16, 21}, false);
  EXPECT_EQ(v[0], (SkinRect{0, 0, 16, 10}));
  EXPECT_EQ(v[1], (SkinRect{0, 10, 16, 21}));
  auto h = UpDownHalves(SkinRect{0, 0, 31, 16}, true);
  EXPECT_EQ(h[0], (SkinRect{0, 0, 15, 16}));
  EXPECT_EQ(h[1], (SkinRect{15, 0, 31, 16}));
  EXPECT_EQ(UpDownHalfState(false, true, true), 1) << "pressed shows only on the half under the cursor";
  EXPECT_EQ(UpDownHalfState(true, true, true), 2);
  EXPECT_EQ(UpDownHalfState(true, false, true), 4);
  EXPECT_EQ(UpDownHalfState(true, true, false), 3);
  EXPECT_EQ(UpDownInsideEdit(SkinRect{0, 0, 16, 20}, 0, 1, 5), (SkinRect{0, 3, 14, 20}));
  EXPECT_EQ(UpDownInsideEdit(SkinRect{0, 0, 16, 20}, 3, 3, 3), (SkinRect{0, 0, 16, 20}));
}

TEST(StatusLayoutTest, GripSitsOnePixelInFromTheCorner) {
  EXPECT_EQ(StatusGripRect(300, 22, 12, 12), (SkinRect{287, 9, 299, 21}));
}

TEST(ComboLayoutTest, BorderRuleFramesAndButtonBoxes) {
  EXPECT_TRUE(HasClientBorder(100, 24, 96, 20));
  EXPECT_FALSE(HasClientBorder(100, 24, 100, 20)) << "no border on one side means none at all";
  EXPECT_EQ(ComboFrameIndex(true, true, true), 2);
  EXPECT_EQ(ComboFrameIndex(false, true, true), 4);
  EXPECT_EQ(ComboFrameIndex(false, false, true), 1);
  EXPECT_EQ(ComboFrameIndex(true, false, false), 3);
  EXPECT_EQ(FlatComboFrameIndex(false, true, false), 4) << "the flat look shows disabled only when unlit";
  EXPECT_EQ(FlatComboFrameIndex(false, false, false), 3);

  const ComboButtonBoxes right = ComboElementBoxes(SkinRect{0, 0, 120, 21}, 16, false);
  EXPECT_EQ(right.exclude, (SkinRect{2, 2, 100, 19}));
  EXPECT_EQ(right.button, (SkinRect{102, 0, 120, 21}));
  EXPECT_EQ(right.glyph, (SkinRect{102, 0, 118, 21}));
  const ComboButtonBoxes left = ComboElementBoxes(SkinRect{0, 0, 120, 21}, 16, true);
  EXPECT_EQ(left.exclude, (SkinRect{20, 2, 118, 19}));
  EXPECT_EQ(left.button, (SkinRect{0, 0, 18, 21}));
  EXPECT_EQ(left.glyph, (SkinRect{2, 0, 18, 21}));

  const FlatComboBoxes flat = FlatComboLayout(SkinRect{0, 0, 120, 25}, 16, 17, 17, false);
  EXPECT_EQ(flat.column, (SkinRect{102, 2, 118, 23}));
  EXPECT_EQ(flat.glyph, (SkinRect{102, 4, 118, 21})) << "one column wide, the image's height, centred";
  const FlatComboBoxes mirrored = FlatComboLayout(SkinRect{0, 0, 120, 18}, 16, 12, 17, true);
  EXPECT_EQ(mirrored.column, (SkinRect{2, 2, 18, 16}));
  EXPECT_EQ(mirrored.glyph, (SkinRect{2, 2, 14, 16})) << "a higher image is squeezed into the column";
  EXPECT_EQ(DateArrowLeft(120, 16, false), 100);
  EXPECT_EQ(DateArrowLeft(120, 16, true), 2);
}

}  // namespace
}  // namespace quarnel
