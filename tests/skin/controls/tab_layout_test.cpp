// Tab strip geometry: the side from the style bits, pane and strip per side, a tab's place in
// the drawn strip turned back onto the control for side tabs, caption start and header hot areas.
#include "skin/controls/tab_layout.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(TabLayoutTest, SideComesFromTheBottomAndVerticalBits) {
  EXPECT_EQ(TabSideFromStyle(0), TabSide::Top);
  EXPECT_EQ(TabSideFromStyle(0x2), TabSide::Bottom);
  EXPECT_EQ(TabSideFromStyle(0x80), TabSide::Left);
  EXPECT_EQ(TabSideFromStyle(0x82), TabSide::Right);
}

TEST(TabLayoutTest, PaneGrowsByFourAndStripFillsTheTabSide) {
  const SkinRect control{0, 0, 200, 100}, display{4, 26, 196, 96};
  const SkinRect pane = TabPaneRect(display, TabSide::Top);
  EXPECT_EQ(pane, (SkinRect{0, 23, 200, 100}));
  EXPECT_EQ(TabStripRect(control, pane, TabSide::Top), (SkinRect{0, 0, 200, 23}));
  const SkinRect right = TabPaneRect(SkinRect{4, 4, 170, 96}, TabSide::Right);
  EXPECT_EQ(right, (SkinRect{0, 0, 173, 100}));
  EXPECT_EQ(TabStripRect(control, right, TabSide::Right), (SkinRect{173, 0, 200, 100}));
  // A pane past the control (no room for tabs) leaves an empty strip, not an inverted one.
  EXPECT_EQ(TabStripRect(control, SkinRect{0, -5, 200, 100}, TabSide::Top).Height(), 0);
}

// Where a drawn point lands once the strip is turned (the transforms' own rule).
struct Pt {
  int x, y;
};
Pt Turned(Pt drawn, const SkinRect& strip, TabSide side) {
  if (side == TabSide::Left) return {strip.left + drawn.y, strip.top + strip.Height() - 1 - drawn.x};
  return {strip.left + strip.Width() - 1 - drawn.y, strip.top + drawn.x};
}

TEST(TabLayoutTest, SideTabsLandOnTheirItemOneStepTowardThePane) {
  const SkinRect strip{0, 0, 30, 120};
  const SkinRect item{2, 10, 28, 60};
  for (TabSide side : {TabSide::Left, TabSide::Right}) {
    const SkinRect s = (side == TabSide::Left) ? strip : SkinRect{170, 0, 200, 120};
    const SkinRect it = (side == TabSide::Left) ? item : SkinRect{172, 10, 198, 60};
    const StripSize size = DrawnStripSize(s, side);
    EXPECT_EQ(size.width, 120);
    EXPECT_EQ(size.height, 30);
    const SkinRect drawn = TabInDrawnStrip(it, s, side);
    EXPECT_EQ(drawn.Width(), it.Height());
    EXPECT_EQ(drawn.Height(), it.Width());
    // The drawn tab's outer corners land on the item's corners, shifted 1 toward the pane.
    const Pt a = Turned({drawn.left, drawn.top}, s, side);
    const Pt b = Turned({drawn.right - 1, drawn.bottom - 1}, s, side);
    const int shift = side == TabSide::Left ? 1 : -1;
    EXPECT_EQ(std::min(a.x, b.x), it.left + shift);
    EXPECT_EQ(std::max(a.x, b.x), it.right - 1 + shift);
    EXPECT_EQ(std::min(a.y, b.y), it.top);
    EXPECT_EQ(std::max(a.y, b.y), it.bottom - 1);
    // The close box turned back covers the same pixels the drawn one does.
    const SkinRect box = TabCloseBox(drawn);
    const SkinRect back = CloseBoxInControl(box, s, side);
    const Pt c = Turned({box.left, box.top}, s, side), d = Turned({box.right - 1, box.bottom - 1}, s, side);
    EXPECT_EQ(back, (SkinRect{std::min(c.x, d.x), std::min(c.y, d.y), std::max(c.x, d.x) + 1,
                              std::max(c.y, d.y) + 1}));
  }
}

TEST(TabLayoutTest, TopAndBottomTabsMoveOneTowardThePane) {
  EXPECT_EQ(TabInDrawnStrip(SkinRect{2, 2, 60, 22}, SkinRect{0, 0, 200, 24}, TabSide::Top),
            (SkinRect{2, 3, 60, 23}));
  EXPECT_EQ(TabInDrawnStrip(SkinRect{2, 78, 60, 98}, SkinRect{0, 76, 200, 100}, TabSide::Bottom),
            (SkinRect{2, 1, 60, 21}));
  EXPECT_EQ(TabCloseBox(SkinRect{0, 0, 60, 20}), (SkinRect{52, 2, 58, 8}));
}

TEST(TabLayoutTest, CaptionStartsByJustificationButNeverBeforeOne) {
  EXPECT_EQ(CaptionStart(100, 16, 40, 0), 3);
  EXPECT_EQ(CaptionStart(100, 16, 40, 1), 22);
  EXPECT_EQ(CaptionStart(100, 16, 40, 2), 42);
  EXPECT_EQ(CaptionStart(30, 16, 40, 1), 1) << "a caption wider than its tab starts at 1";
  EXPECT_EQ(CaptionStart(30, 0, 40, 2), 1);
}

TEST(TabLayoutTest, HeaderHotAreasLeaveThreePixelsAtEachDivider) {
  const SkinRect areas[] = {HeaderHotArea({0, 0, 80, 20}), HeaderHotArea({80, 0, 150, 20})};
  EXPECT_EQ(HeaderItemAt(areas, 2, 3, 5), 0);
  EXPECT_EQ(HeaderItemAt(areas, 2, 77, 5), -1) << "next to the divider nothing is hot";
  EXPECT_EQ(HeaderItemAt(areas, 2, 82, 5), -1);
  EXPECT_EQ(HeaderItemAt(areas, 2, 83, 5), 1);
  EXPECT_EQ(HeaderItemAt(areas, 2, 100, 25), -1);
}

TEST(TabLayoutTest, SortArrowFollowsTheCaptionButStaysInsideItsItem) {
  const SkinRect item{100, 0, 200, 20};
  EXPECT_EQ(HeaderSortArrowBox(item, 130), (SkinRect{136, 7, 145, 12}));
  EXPECT_EQ(HeaderSortArrowBox(item, 195), (SkinRect{185, 7, 194, 12})) << "a long caption";
  EXPECT_EQ(HeaderSortArrowBox(SkinRect{100, 0, 112, 20}, 101), SkinRect{}) << "no room";
  EXPECT_EQ(HeaderSortArrowBox(SkinRect{0, 0, 100, 4}, 10), SkinRect{}) << "too low";
}

TEST(TabLayoutTest, SortArrowPointsTheWayOfTheSort) {
  const SkinRect box{10, 20, 19, 25};
  const SortArrowRows up = SortArrowShape(box, true), down = SortArrowShape(box, false);
  EXPECT_EQ(up.rows[0], (SkinRect{14, 20, 15, 21})) << "the apex on top";
  EXPECT_EQ(up.rows[4], (SkinRect{10, 24, 19, 25})) << "the base fills the box";
  EXPECT_EQ(down.rows[0], (SkinRect{10, 20, 19, 21}));
  EXPECT_EQ(down.rows[4], (SkinRect{14, 24, 15, 25}));
  for (int i = 1; i < kSortArrowHeight; ++i) EXPECT_EQ(up.rows[i].Width(), up.rows[i - 1].Width() + 2);
}

}  // namespace
}  // namespace quarnel
