// Scroll-bar geometry: hit testing, the layout of arrows, track, thumb and grip, frame numbers,
// the dragged thumb, the thumb of a separate scroll-bar control and a list's dragged position.
#include "skin/controls/scroll_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace quarnel {
namespace {

TEST(ScrollHitTest, WalksThePartsAlongTheAxis) {
  const ScrollAxis axis{100, 16, 40, 60};
  EXPECT_EQ(ScrollHitTest(axis, -5), spFirstArrow);
  EXPECT_EQ(ScrollHitTest(axis, 0), spFirstArrow);
  EXPECT_EQ(ScrollHitTest(axis, 15), spFirstArrow);
  EXPECT_EQ(ScrollHitTest(axis, 16), spTrackBefore);
  EXPECT_EQ(ScrollHitTest(axis, 39), spTrackBefore);
  EXPECT_EQ(ScrollHitTest(axis, 40), spThumb);
  EXPECT_EQ(ScrollHitTest(axis, 59), spThumb);
  EXPECT_EQ(ScrollHitTest(axis, 60), spTrackAfter);
  EXPECT_EQ(ScrollHitTest(axis, 83), spTrackAfter);
  EXPECT_EQ(ScrollHitTest(axis, 84), spSecondArrow);
  EXPECT_EQ(ScrollHitTest(axis, 99), spSecondArrow);
}

TEST(ScrollHitTest, ThumbAgainstTheArrowsLeavesNoTrack) {
  const ScrollAxis axis{100, 16, 16, 84};
  EXPECT_EQ(ScrollHitTest(axis, 16), spThumb);
  EXPECT_EQ(ScrollHitTest(axis, 83), spThumb);
  EXPECT_EQ(ScrollHitTest(axis, 84), spSecondArrow);
  // Without a thumb (an unavailable bar reports 0, 0) the track after it fills the middle.
  const ScrollAxis noThumb{100, 16, 0, 0};
  EXPECT_EQ(ScrollHitTest(noThumb, 50), spTrackAfter);
}

TEST(ScrollThickness, GlyphHeightUnlessItDiffersByMoreThanTwo) {
  EXPECT_EQ(ScrollThickness(17, 16), 17);
  EXPECT_EQ(ScrollThickness(18, 16), 18);
  EXPECT_EQ(ScrollThickness(14, 16), 14);
  EXPECT_EQ(ScrollThickness(19, 16), 16);
  EXPECT_EQ(ScrollThickness(13, 16), 16);
}

ScrollBarShape VerticalBar(int height, int thumbStart, int thumbEnd) {
  ScrollBarShape s;
  s.width = 16;
  s.height = height;
  s.vertical = true;
  s.arrowSize = 16;
  s.thickness = 16;
  s.thumbStart = thumbStart;
  s.thumbEnd = thumbEnd;
  s.gripSize = 8;
  return s;
}

TEST(LayoutScrollBar, VerticalBarArrowsTrackThumbAndCentredGrip) {
  const ScrollBarLayout l = LayoutScrollBar(VerticalBar(120, 30, 70));
  EXPECT_EQ(l.firstArrow, (SkinRect{0, 0, 16, 16}));
  EXPECT_EQ(l.secondArrow, (SkinRect{0, 104, 16, 120}));
  ASSERT_TRUE(l.hasTrack);
  EXPECT_EQ(l.track, (SkinRect{0, 16, 16, 104}));
  ASSERT_TRUE(l.hasThumb);
  EXPECT_EQ(l.thumb, (SkinRect{0, 30, 16, 70}));
  ASSERT_TRUE(l.hasGrip);
  EXPECT_EQ(l.grip, (SkinRect{0, 46, 8, 54}));
}

TEST(LayoutScrollBar, HorizontalBarRunsAlongX) {
  ScrollBarShape s = VerticalBar(0, 20, 50);
  s.vertical = false;
  s.width = 90;
  s.height = 16;
  s.thickness = 17;
  const ScrollBarLayout l = LayoutScrollBar(s);
  EXPECT_EQ(l.firstArrow, (SkinRect{0, 0, 16, 17}));
  EXPECT_EQ(l.secondArrow, (SkinRect{74, 0, 90, 17}));
  EXPECT_EQ(l.track, (SkinRect{16, 0, 74, 16}));  // the track keeps the bar's own cross size
  EXPECT_EQ(l.thumb, (SkinRect{20, 0, 50, 17}));
  EXPECT_TRUE(l.hasThumb);
}

TEST(LayoutScrollBar, BarShorterThanTwoArrowsHasHalfArrowsAndNoTrack) {
  const ScrollBarLayout l = LayoutScrollBar(VerticalBar(20, 0, 0));
  EXPECT_EQ(l.firstArrow, (SkinRect{0, 0, 16, 10}));
  EXPECT_EQ(l.secondArrow, (SkinRect{0, 10, 16, 20}));
  EXPECT_FALSE(l.hasTrack);
  EXPECT_FALSE(l.hasThumb);
  // Exactly two arrows long: whole arrows, still no track.
  const ScrollBarLayout two = LayoutScrollBar(VerticalBar(32, 0, 0));
  EXPECT_EQ(two.secondArrow, (SkinRect{0, 16, 16, 32}));
  EXPECT_FALSE(two.hasTrack);
  // Odd length: the two halves leave the middle pixel to the background.
  const ScrollBarLayout odd = LayoutScrollBar(VerticalBar(21, 0, 0));
  EXPECT_EQ(odd.firstArrow.bottom, 10);
  EXPECT_EQ(odd.secondArrow.top, 11);
}

TEST(LayoutScrollBar, ThumbOnlyWhenEnabledAndInside) {
  ScrollBarShape s = VerticalBar(120, 30, 70);
  s.enabled = false;
  EXPECT_FALSE(LayoutScrollBar(s).hasThumb);
  EXPECT_FALSE(LayoutScrollBar(s).hasGrip);
  EXPECT_FALSE(LayoutScrollBar(VerticalBar(120, 100, 130)).hasThumb);
  EXPECT_FALSE(LayoutScrollBar(VerticalBar(120, -2, 30)).hasThumb);
  EXPECT_FALSE(LayoutScrollBar(VerticalBar(120, 40, 40)).hasThumb);
}

TEST(LayoutScrollBar, GripNeedsAPixelOfThumbOnEachSide) {
  EXPECT_TRUE(LayoutScrollBar(VerticalBar(120, 30, 40)).hasGrip);   // 10 = 8 + 2
  EXPECT_FALSE(LayoutScrollBar(VerticalBar(120, 30, 39)).hasGrip);  // 9 < 8 + 2
  ScrollBarShape wideGrip = VerticalBar(120, 30, 70);
  wideGrip.gripSize = 17;  // wider than the 16-pixel bar: outside the overlay
  EXPECT_FALSE(LayoutScrollBar(wideGrip).hasGrip);
}

TEST(ScrollFrames, ArrowsHotAndPressed) {
  EXPECT_EQ(ArrowGlyphFrame(spFirstArrow, false, spNone, false), 1);
  EXPECT_EQ(ArrowGlyphFrame(spSecondArrow, false, spNone, false), 5);
  EXPECT_EQ(ArrowGlyphFrame(spFirstArrow, true, spNone, false), 9);
  EXPECT_EQ(ArrowGlyphFrame(spSecondArrow, true, spNone, false), 13);
  EXPECT_EQ(ArrowGlyphFrame(spSecondArrow, true, spSecondArrow, true), 14);
  EXPECT_EQ(ArrowGlyphFrame(spSecondArrow, true, spSecondArrow, false), 16);
  EXPECT_EQ(ArrowGlyphFrame(spFirstArrow, false, spFirstArrow, false), 4);
  // Another part being active leaves the arrow normal.
  EXPECT_EQ(ArrowGlyphFrame(spFirstArrow, true, spThumb, true), 9);
}

TEST(ScrollFrames, TrackThumbAndGrip) {
  EXPECT_EQ(TrackFrame(true), 1);
  EXPECT_EQ(TrackFrame(false), 3);
  EXPECT_EQ(ThumbFrame(spNone, false), 1);
  EXPECT_EQ(ThumbFrame(spTrackAfter, true), 1);
  EXPECT_EQ(ThumbFrame(spThumb, true), 2);
  EXPECT_EQ(ThumbFrame(spThumb, false), 3);
  EXPECT_EQ(GripGlyphFrame(false, spNone, false), 17);
  EXPECT_EQ(GripGlyphFrame(true, spNone, true), 20);
  EXPECT_EQ(GripGlyphFrame(true, spThumb, true), 21);
  EXPECT_EQ(GripGlyphFrame(false, spThumb, false), 19);
}

TEST(DraggedThumbStart, FollowsTheCursorBetweenTheArrows) {
  const ScrollAxis axis{120, 16, 30, 50};  // thumb 20 long
  EXPECT_EQ(DraggedThumbStart(axis, 30, 0), 30);
  EXPECT_EQ(DraggedThumbStart(axis, 30, 25), 55);
  EXPECT_EQ(DraggedThumbStart(axis, 30, -10), 20);
  EXPECT_EQ(DraggedThumbStart(axis, 30, -100), 16);
  EXPECT_EQ(DraggedThumbStart(axis, 30, 1000), 84);  // 120 - 16 - 20
  // A thumb longer than the track stays after the first arrow.
  EXPECT_EQ(DraggedThumbStart(ScrollAxis{40, 16, 16, 40}, 16, 10), 16);
}

TEST(MulDivRound, RoundsHalfAwayFromZeroAtFullWidth) {
  EXPECT_EQ(MulDivRound(10, 3, 4), 8);  // 7.5
  EXPECT_EQ(MulDivRound(10, 1, 4), 3);  // 2.5
  EXPECT_EQ(MulDivRound(-10, 1, 4), -3);
  EXPECT_EQ(MulDivRound(10, -1, -4), 3);
  EXPECT_EQ(MulDivRound(7, 1, 3), 2);
  EXPECT_EQ(MulDivRound(100000, 100000, 100000), 100000);  // the product exceeds 32 bits
  EXPECT_EQ(MulDivRound(1, 1, 0), -1);
  EXPECT_EQ(MulDivRound(INT_MAX, 2, 1), -1);
}

TEST(ControlThumb, WithAPageTheThumbShowsThePage) {
  // 200 long, arrows 16: 168 pixels of travel; range 100, page 21: thumb 168 * 20 / 100.
  const ScrollInfoValues top{0, 100, 21, 0};
  EXPECT_EQ(ControlThumb(200, 16, top).length, 34);
  EXPECT_EQ(ControlThumb(200, 16, top).start, 16);
  const ScrollInfoValues middle{0, 100, 21, 50};
  EXPECT_EQ(ControlThumb(200, 16, middle).start, 16 + 84);
  const ScrollInfoValues end{0, 100, 21, 80};
  const ThumbExtent t = ControlThumb(200, 16, end);
  EXPECT_EQ(t.start + t.length, 200 - 16 + 0);  // reaches the second arrow
}

TEST(ControlThumb, ShortThumbTakesTheMinimumLength) {
  const ScrollInfoValues info{0, 1000, 10, 500};
  const ThumbExtent t = ControlThumb(200, 16, info);
  EXPECT_EQ(t.length, kMinimumThumbLength);
  EXPECT_EQ(t.start, 16 + (168 - 8) / 2);
  EXPECT_EQ(ControlThumb(200, 16, ScrollInfoValues{0, 1000, 10, 0}).start, 16);
}

TEST(ControlThumb, WithoutAPageTheThumbIsAnArrowLong) {
  const ThumbExtent t = ControlThumb(200, 16, ScrollInfoValues{0, 100, 0, 50});
  EXPECT_EQ(t.length, 16);
  EXPECT_EQ(t.start, 16 + 76);  // (200 - 48) / 2
  EXPECT_EQ(ControlThumb(200, 16, ScrollInfoValues{-50, 50, 0, -50}).start, 16);
}

TEST(ControlThumb, EmptyRangeKeepsTheThumbAtTheStart) {
  EXPECT_EQ(ControlThumb(200, 16, ScrollInfoValues{5, 5, 0, 5}).start, 16);
  // A position beyond an empty range is divided by the large stand-in range, not by zero.
  EXPECT_EQ(ControlThumb(200, 16, ScrollInfoValues{5, 5, 0, 6}).start, 16);
  EXPECT_EQ(ControlThumb(200, 16, ScrollInfoValues{5, 5, 4, 6}).length, kMinimumThumbLength);
}

TEST(DraggedListPosition, WithoutAPage) {
  const ScrollInfoValues info{0, 100, 0, 0};
  // Track 100, thumb 20: 80 pixels of travel for 100 positions.
  EXPECT_EQ(DraggedListPosition(0, 40, 100, 20, info), 50);
  EXPECT_EQ(DraggedListPosition(0, -30, 100, 20, info), 0);
  EXPECT_EQ(DraggedListPosition(0, 500, 100, 20, info), 100);
  EXPECT_EQ(DraggedListPosition(40, -20, 100, 20, info), 25);
}

TEST(DraggedListPosition, WithAPage) {
  const ScrollInfoValues info{0, 109, 10, 0};  // 100 lines, 10 visible: last top line 100
  EXPECT_EQ(DraggedListPosition(0, 0, 100, 20, info), 0);
  EXPECT_EQ(DraggedListPosition(0, 40, 100, 20, info), 50);
  EXPECT_EQ(DraggedListPosition(0, 80, 100, 20, info), 99);
  // One pixel past the travel reaches the last position.
  EXPECT_EQ(DraggedListPosition(0, 90, 100, 20, info), 100);
  const ScrollInfoValues shifted{10, 119, 10, 10};
  EXPECT_EQ(DraggedListPosition(0, -5, 100, 20, shifted), 10);
}

TEST(DraggedListPosition, ThumbFillingTheTrackStaysAtTheStart) {
  EXPECT_EQ(DraggedListPosition(0, 30, 20, 20, ScrollInfoValues{3, 9, 0, 3}), 3);
  EXPECT_EQ(DraggedListPosition(0, 30, 10, 20, ScrollInfoValues{3, 9, 2, 3}), 3);
}

TEST(ScrollCorner, SpansFromTheVerticalBarToTheHorizontalBar) {
  const SkinRect vertical{150, 0, 166, 80};
  const SkinRect horizontal{0, 80, 150, 96};
  EXPECT_EQ(ScrollCorner(vertical, horizontal, 2, 2), (SkinRect{152, 82, 168, 98}));
  EXPECT_EQ(ScrollCorner(vertical, horizontal, 0, 2), (SkinRect{150, 80, 168, 98}));
}

}  // namespace
}  // namespace quarnel
