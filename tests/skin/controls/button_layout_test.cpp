// Button geometry: the frame chosen per state, caption centring and focus mark, the "||" break,
// glyph layouts with computed margins and spacing, the drop-down arrow and speed-button rules.
#include "skin/controls/button_layout.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(ButtonFrameTest, FirstMatchingStateWins) {
  EXPECT_EQ(ButtonFrameIndex(false, true, true, true), 3) << "a disabled default button shows frame 3";
  EXPECT_EQ(ButtonFrameIndex(true, true, true, true), 2);
  EXPECT_EQ(ButtonFrameIndex(true, false, true, true), 4);
  EXPECT_EQ(ButtonFrameIndex(true, false, false, true), 5);
  EXPECT_EQ(ButtonFrameIndex(true, false, false, false), 1);
}

TEST(CaptionTest, CentredOnePixelAboveTheMiddle) {
  // 75 x 25 button, text 31 x 13: x = (75 - 31) / 2 = 22, y = (25 - 13) / 2 - 1 = 5.
  EXPECT_EQ(CentreCaption(RectAt(2, 2, 31, 13), RectAt(0, 0, 75, 25)), RectAt(22, 5, 31, 13));
  // Odd differences round toward zero, also when the text is larger than the box.
  EXPECT_EQ(CentreCaption(RectAt(0, 0, 80, 30), RectAt(0, 0, 75, 25)), RectAt(-2, -3, 80, 30));
}

TEST(CaptionTest, OnlyTheFirstDoubleBarBreaksTheLine) {
  EXPECT_EQ(SplitCaptionLines(L"One||Two||Three"), L"One\r\nTwo||Three");
  EXPECT_EQ(SplitCaptionLines(L"Plain"), L"Plain");
  EXPECT_EQ(SplitCaptionLines(L"|||"), L"\r\n|");
}

TEST(FocusMarkTest, CentredCaptionMarkIsAboveTheCentreAndClamped) {
  const SkinRect rect = RectAt(0, 0, 75, 25);
  // Measured at the rectangle's origin: 31 x 13 -> moved by (22, 5), grown by 2 and 1.
  EXPECT_EQ(CaptionFocusRect(RectAt(0, 0, 31, 13), rect, kFmtCenter), (SkinRect{20, 4, 55, 19}));
  // Text as wide as the rectangle: the grown mark is clamped inside it.
  EXPECT_EQ(CaptionFocusRect(RectAt(0, 0, 75, 25), rect, kFmtCenter), (SkinRect{0, 0, 75, 25}));
  // Right flag: moved by the whole width difference; no vertical move.
  EXPECT_EQ(CaptionFocusRect(RectAt(0, 0, 30, 13), rect, kFmtRight), (SkinRect{43, 0, 75, 14}));
  // Neither flag: stays at the left, clamped at the top-left edge.
  EXPECT_EQ(CaptionFocusRect(RectAt(0, 0, 30, 13), rect, 0), (SkinRect{0, 0, 32, 14}));
}

TEST(GlyphLayoutTest, ComputedMarginAndSpacingShareTheFreeSpace) {
  // 100 wide, glyph 16, text 40, Margin -1 and Spacing -1: (100 - 16 - 40) / 3 = 14 each.
  GlyphPlaces p = LayoutGlyphButton({100, 30}, {16, 16}, {40, 13}, GlyphLayout::Left, -1, -1, false);
  EXPECT_EQ(p.glyphX, 14);
  EXPECT_EQ(p.textX, 14 + 16 + 14);
  EXPECT_EQ(p.glyphY, (30 - 16 + 1) / 2);
  EXPECT_EQ(p.textY, (30 - 13 + 1) / 2);
  // Given spacing 4, centred margin: (100 - 16 - 4 - 40) / 2 = 20.
  p = LayoutGlyphButton({100, 30}, {16, 16}, {40, 13}, GlyphLayout::Left, -1, 4, false);
  EXPECT_EQ(p.glyphX, 20);
  EXPECT_EQ(p.textX, 40);
  // Given margin 5, spacing -1: (100 - 5 - 16 - 40) / 2 = 19.
  p = LayoutGlyphButton({100, 30}, {16, 16}, {40, 13}, GlyphLayout::Left, 5, -1, false);
  EXPECT_EQ(p.textX, 5 + 16 + 19);
  // taCenter forces the centred margin even when one is given.
  p = LayoutGlyphButton({100, 30}, {16, 16}, {40, 13}, GlyphLayout::Left, 5, 4, true);
  EXPECT_EQ(p.glyphX, 20);
}

TEST(GlyphLayoutTest, RightTopAndBottomLayouts) {
  GlyphPlaces p = LayoutGlyphButton({100, 30}, {16, 16}, {40, 13}, GlyphLayout::Right, 4, 2, false);
  EXPECT_EQ(p.glyphX, 100 - 4 - 16);
  EXPECT_EQ(p.textX, 80 - 2 - 40);
  EXPECT_TRUE(p.textRightAligned);
  p = LayoutGlyphButton({80, 60}, {16, 16}, {30, 13}, GlyphLayout::Top, 3, 2, false);
  EXPECT_EQ(p.glyphY, 3);
  EXPECT_EQ(p.textY, 3 + 16 + 2);
  EXPECT_EQ(p.glyphX, (80 - 16 + 1) / 2);
  EXPECT_EQ(p.textX, (80 - 30 + 1) / 2);
  p = LayoutGlyphButton({80, 60}, {16, 16}, {30, 13}, GlyphLayout::Bottom, 3, 2, false);
  EXPECT_EQ(p.glyphY, 60 - 3 - 16);
  EXPECT_EQ(p.textY, 41 - 2 - 13);
  EXPECT_EQ(GlyphLayoutFromName("blglyphbottom"), GlyphLayout::Bottom);
  EXPECT_EQ(GlyphLayoutFromName("whatever"), GlyphLayout::Left);
}

TEST(GlyphLayoutTest, NoSpacingWithoutTextOrGlyph) {
  // No text: spacing 0, margin (100 - 16 - 0 - 0) / 2 = 42 even with a given spacing.
  GlyphPlaces p = LayoutGlyphButton({100, 30}, {16, 16}, {0, 0}, GlyphLayout::Left, -1, 6, false);
  EXPECT_EQ(p.glyphX, 42);
}

TEST(MenuButtonLayoutTest, MarginsAndTheArrow) {
  // 120 x 30, glyph 16, text 40, both -1: (120 - 16 - 40 - 8) / 4 = 14.
  MenuButtonPlaces p = LayoutMenuButton({120, 30}, {16, 16}, {40, 13}, -1, -1);
  EXPECT_EQ(p.glyphX, 14);
  EXPECT_EQ(p.glyphY, 7);
  EXPECT_EQ(p.textX, 14 + 16 + 14);
  EXPECT_EQ(p.textY, 9);
  EXPECT_EQ(p.arrowX, 44 + 40 + 28);
  EXPECT_EQ(p.arrowY, 13);
  // Only the margin computed: (120 - 16 - 40 - 2 * 3 - 8) / 2 = 25.
  p = LayoutMenuButton({120, 30}, {16, 16}, {40, 13}, -1, 3);
  EXPECT_EQ(p.glyphX, 25);
  // Only the spacing computed: the arrow width is added, (120 - 10 - 16 + 8 - 40) / 2 = 31.
  p = LayoutMenuButton({120, 30}, {16, 16}, {40, 13}, 5, -1);
  EXPECT_EQ(p.textX, 5 + 16 + 31);
}

TEST(GlyphFrameTest, PressedDisabledAndFallBack) {
  EXPECT_EQ(GlyphFrame(true, true, 4), 3);
  EXPECT_EQ(GlyphFrame(false, false, 4), 2);
  EXPECT_EQ(GlyphFrame(false, true, 4), 1);
  EXPECT_EQ(GlyphFrame(true, true, 2), 1) << "frame 3 beyond two frames falls back to 1";
  EXPECT_EQ(GlyphFrame(false, false, 0), 1) << "counts below 1 count as 1";
}

TEST(SpeedButtonTest, StatesGlyphFramesAndFlatLook) {
  EXPECT_EQ(SpeedButtonState(true, false, false, false), 2) << "down wins over disabled";
  EXPECT_EQ(SpeedButtonState(false, false, true, true), 3);
  EXPECT_EQ(SpeedButtonState(false, true, true, true), 2);
  EXPECT_EQ(SpeedButtonState(false, true, false, true), 4);
  EXPECT_EQ(SpeedButtonState(false, true, false, false), 1);
  EXPECT_EQ(SpeedButtonGlyphFrame(2, true), 4);
  EXPECT_EQ(SpeedButtonGlyphFrame(2, false), 3);
  EXPECT_EQ(SpeedButtonGlyphFrame(3, false), 2);
  EXPECT_EQ(SpeedButtonGlyphFrame(4, false), 1);
  EXPECT_FALSE(SpeedButtonDrawsFrame(1, true)) << "a flat idle speed button shows only its background";
  EXPECT_TRUE(SpeedButtonDrawsFrame(1, false));
  EXPECT_TRUE(SpeedButtonDrawsFrame(4, true));
  EXPECT_TRUE(SpeedButtonDrawsFrame(2, true));
  EXPECT_FALSE(SpeedButtonDrawsFrame(3, true));
}

}  // namespace
}  // namespace quarnel
