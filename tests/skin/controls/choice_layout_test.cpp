// Frame choice and placement of check boxes, radio buttons and group boxes (native).
#include "skin/controls/choice_layout.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

ChoiceState Checked(bool disabled = false) {
  ChoiceState s;
  s.base = kCheckChecked;
  s.disabled = disabled;
  return s;
}

TEST(ChoiceLayoutTest, CheckFramesOfShortStripsAddTwoWhenDisabled) {
  for (int frames : {4, 5}) {
    EXPECT_EQ(CheckFrameIndex(ChoiceState{}, frames), 1);
    EXPECT_EQ(CheckFrameIndex(Checked(), frames), 2);
    ChoiceState off;
    off.disabled = true;
    EXPECT_EQ(CheckFrameIndex(off, frames), 3);
    EXPECT_EQ(CheckFrameIndex(Checked(true), frames), 4);
    ChoiceState grayed;
    grayed.indeterminate = true;
    EXPECT_EQ(CheckFrameIndex(grayed, frames), 4);
    grayed.disabled = true;
    EXPECT_EQ(CheckFrameIndex(grayed, frames), 4) << "never past the strip";
    ChoiceState hot = Checked();
    hot.hot = hot.pressed = true;
    EXPECT_EQ(CheckFrameIndex(hot, frames), 2) << "short strips have no hot or pressed frames";
  }
}

TEST(ChoiceLayoutTest, TwelveFrameCheckStripHasRowsOfNormalHotPressedDisabled) {
  EXPECT_EQ(CheckFrameIndex(ChoiceState{}, 12), 1);
  EXPECT_EQ(CheckFrameIndex(Checked(), 12), 5);
  ChoiceState off;
  off.disabled = true;
  EXPECT_EQ(CheckFrameIndex(off, 12), 4);
  EXPECT_EQ(CheckFrameIndex(Checked(true), 12), 8);
  ChoiceState grayed;
  grayed.base = kCheckGrayed;
  EXPECT_EQ(CheckFrameIndex(grayed, 12), 9);
  grayed.disabled = true;
  EXPECT_EQ(CheckFrameIndex(grayed, 12), 12);
  ChoiceState s = Checked();
  s.hot = true;
  EXPECT_EQ(CheckFrameIndex(s, 12), 6);
  s.pressed = true;
  EXPECT_EQ(CheckFrameIndex(s, 12), 7) << "pressed wins over hot";
  s.disabled = true;
  EXPECT_EQ(CheckFrameIndex(s, 12), 8) << "a disabled box is neither hot nor pressed";
}

TEST(ChoiceLayoutTest, RadioFramesOfFourAndEightFrameStrips) {
  EXPECT_EQ(RadioFrameIndex(false, false, false, false, 4), 1);
  EXPECT_EQ(RadioFrameIndex(true, false, true, true, 4), 2);
  EXPECT_EQ(RadioFrameIndex(false, true, false, false, 4), 3);
  EXPECT_EQ(RadioFrameIndex(true, true, false, false, 4), 4);
  EXPECT_EQ(RadioFrameIndex(true, false, false, false, 8), 5);
  EXPECT_EQ(RadioFrameIndex(false, true, false, false, 8), 4);
  EXPECT_EQ(RadioFrameIndex(true, true, false, false, 8), 8);
  EXPECT_EQ(RadioFrameIndex(false, false, true, false, 8), 2);
  EXPECT_EQ(RadioFrameIndex(true, false, false, true, 8), 7);
  EXPECT_EQ(RadioFrameIndex(true, false, false, false, 1), 1) << "a one-frame strip";
}

TEST(ChoiceLayoutTest, StateNamesOfForeignCheckBoxes) {
  EXPECT_EQ(CheckStateFromName("cbunchecked"), kCheckUnchecked);
  EXPECT_EQ(CheckStateFromName("cbchecked"), kCheckChecked);
  EXPECT_EQ(CheckStateFromName("cbgrayed"), kCheckGrayed);
  EXPECT_EQ(CheckStateFromName("other"), 0);
}

TEST(ChoiceLayoutTest, GlyphSitsCentredAtTheLeftOrAtTheRightForTheRightButtonStyle) {
  const SkinRect r{0, 0, 100, 20};
  ChoiceBoxes left = CheckBoxLayout(r, 13, 13, false);
  EXPECT_EQ(left.glyph.left, 0);
  EXPECT_EQ(left.glyph.top, 3);
  EXPECT_EQ(left.glyph.bottom, 16);
  EXPECT_EQ(left.text.left, 15);
  EXPECT_EQ(left.text.right, 100);
  ChoiceBoxes right = CheckBoxLayout(r, 13, 13, true);
  EXPECT_EQ(right.glyph.right, 100);
  EXPECT_EQ(right.text.left, 0);
  EXPECT_EQ(right.text.right, 85);
  ChoiceBoxes radio = RadioLayout(r, 13, 13, true);
  EXPECT_EQ(radio.glyph.right, 99) << "one pixel before the edge";
  EXPECT_EQ(radio.text.right, 84);
  ChoiceBoxes tall = CheckBoxLayout(SkinRect{0, 0, 10, 8}, 13, 13, false);
  EXPECT_EQ(tall.glyph.top, -2) << "a glyph taller than the control is centred over it";
}

TEST(ChoiceLayoutTest, ButtonStyleBitsPlaceTheContent) {
  // BS_RIGHT 0x200, BS_CENTER 0x300, BS_TOP 0x400, BS_BOTTOM 0x800, BS_VCENTER 0xC00, BS_MULTILINE 0x2000.
  const SkinRect area{10, 0, 110, 40};
  auto at = [&](unsigned style, bool pushLike) {
    return AlignInArea(area, 20, 10, ChoiceAlignmentOf(style, pushLike));
  };
  EXPECT_EQ(at(0, false).left, 10) << "a check box starts at the left";
  EXPECT_EQ(at(0, true).left, 50) << "a push-like one centres";
  EXPECT_EQ(at(0x100, true).left, 10);
  EXPECT_EQ(at(0x200, false).left, 90);
  EXPECT_EQ(at(0x300, false).left, 50);
  EXPECT_EQ(at(0, false).top, 15);
  EXPECT_EQ(at(0x400, false).top, 0);
  EXPECT_EQ(at(0x800, false).bottom, 40);
  EXPECT_EQ(at(0xC00, false).top, 15) << "both bits centre";
  EXPECT_FALSE(ChoiceAlignmentOf(0x300, false).multiline);
  EXPECT_TRUE(ChoiceAlignmentOf(0x2000, false).multiline);
  const SkinRect r{0, 0, 100, 40};
  EXPECT_EQ(CheckBoxLayout(r, 13, 13, false, ChoiceVertical::Top).glyph.top, 0);
  EXPECT_EQ(RadioLayout(r, 13, 13, true, ChoiceVertical::Bottom).glyph.bottom, 40);
}

TEST(ChoiceLayoutTest, CaptionCentringAndGroupFrameTop) {
  const SkinRect moved = CentreTextVertically(SkinRect{15, 0, 100, 20}, 13);
  EXPECT_EQ(moved.top, 3);
  EXPECT_EQ(GroupFrameTop(13), 5);
  EXPECT_EQ(GroupFrameTop(1), 0);
  EXPECT_EQ(GroupFrameTop(0), 0);
}

}  // namespace
}  // namespace quarnel
