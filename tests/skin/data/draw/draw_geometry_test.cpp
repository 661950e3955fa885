// Native tests of the skin drawing geometry: frame selection, nine pieces, tiles, bars,
// centring, gradient stripes and region runs.
#include "skin/data/draw/draw_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarnel {
namespace {

TEST(SelectFrame, ThreeFramesSideBySide) {
  EXPECT_EQ(SelectFrame(90, 20, 3, 1, false), (SkinRect{0, 0, 30, 20}));
  EXPECT_EQ(SelectFrame(90, 20, 3, 2, false), (SkinRect{30, 0, 60, 20}));  // x 30 to 59
  EXPECT_EQ(SelectFrame(90, 20, 3, 3, false), (SkinRect{60, 0, 90, 20}));
}

TEST(SelectFrame, StackedFramesAndRemainders) {
  EXPECT_EQ(SelectFrame(10, 40, 4, 3, true), (SkinRect{0, 20, 10, 30}));
  EXPECT_EQ(SelectFrame(31, 8, 3, 3, false), (SkinRect{20, 0, 30, 8}));  // 31 div 3 = 10
}

TEST(SelectFrame, CountAndNumberOutOfRangeStayInsideTheImage) {
  EXPECT_EQ(SelectFrame(90, 20, 0, 1, false), (SkinRect{0, 0, 90, 20}));
  EXPECT_EQ(SelectFrame(90, 20, 3, 0, false), (SkinRect{0, 0, 30, 20}));
  EXPECT_EQ(SelectFrame(90, 20, 3, 7, false), (SkinRect{60, 0, 90, 20}));
}

std::vector<SkinPiece> Pieces(const SkinRect& frame, int w, int h, SkinMargins m, bool tile) {
  SkinPieces p = NinePieces(frame, w, h, m, tile);
  return std::vector<SkinPiece>(p.begin(), p.end());
}

TEST(NinePieces, AllPiecesInDrawingOrder) {
  // frame 2 of a 3-frame 60 x 20 image, margins 3 4 5 6, target 100 x 50
  const auto p = Pieces({20, 0, 40, 20}, 100, 50, {3, 4, 5, 6}, false);
  ASSERT_EQ(p.size(), 9u);
  EXPECT_EQ(p[0].dest, (SkinRect{0, 0, 3, 4}));
  EXPECT_EQ(p[0].source, (SkinRect{20, 0, 23, 4}));
  EXPECT_EQ(p[1].dest, (SkinRect{0, 44, 3, 50}));  // bottom-left
  EXPECT_EQ(p[1].source, (SkinRect{20, 14, 23, 20}));
  EXPECT_EQ(p[2].dest, (SkinRect{95, 0, 100, 4}));  // top-right
  EXPECT_EQ(p[2].source, (SkinRect{35, 0, 40, 4}));
  EXPECT_EQ(p[3].dest, (SkinRect{0, 4, 3, 44}));  // left edge
  EXPECT_EQ(p[3].source, (SkinRect{20, 4, 23, 14}));
  EXPECT_EQ(p[4].dest, (SkinRect{3, 0, 95, 4}));  // top edge
  EXPECT_EQ(p[4].source, (SkinRect{23, 0, 35, 4}));
  EXPECT_EQ(p[5].dest, (SkinRect{3, 4, 95, 44}));  // centre
  EXPECT_EQ(p[5].source, (SkinRect{23, 4, 35, 14}));
  EXPECT_FALSE(p[5].tiled);
  EXPECT_EQ(p[6].dest, (SkinRect{95, 44, 100, 50}));  // bottom-right
  EXPECT_EQ(p[6].source, (SkinRect{35, 14, 40, 20}));
  EXPECT_EQ(p[7].dest, (SkinRect{95, 4, 100, 44}));  // right edge
  EXPECT_EQ(p[8].dest, (SkinRect{3, 44, 95, 50}));   // bottom edge
  EXPECT_EQ(p[8].source, (SkinRect{23, 14, 35, 20}));
}

TEST(NinePieces, NarrowTargetDropsLeftAndRightMargins) {
  const auto p = Pieces({0, 0, 20, 20}, 7, 50, {4, 2, 4, 2}, false);
  // no corners, no side edges: top edge, centre and bottom edge span the whole width
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].dest, (SkinRect{0, 0, 7, 2}));
  EXPECT_EQ(p[0].source, (SkinRect{0, 0, 20, 2}));
  EXPECT_EQ(p[1].dest, (SkinRect{0, 2, 7, 48}));
  EXPECT_EQ(p[1].source, (SkinRect{0, 2, 20, 18}));
  EXPECT_EQ(p[2].dest, (SkinRect{0, 48, 7, 50}));
}

TEST(NinePieces, LowTargetDropsTopAndBottomMargins) {
  const auto p = Pieces({0, 0, 20, 20}, 50, 3, {4, 2, 4, 2}, true);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].dest, (SkinRect{0, 0, 4, 3}));
  EXPECT_EQ(p[1].dest, (SkinRect{4, 0, 46, 3}));
  EXPECT_TRUE(p[1].tiled);
  EXPECT_EQ(p[2].dest, (SkinRect{46, 0, 50, 3}));
}

TEST(NinePieces, MarginsWiderThanTheFrameCopyNothingMirrored) {
  for (const SkinPiece& piece : Pieces({0, 0, 10, 10}, 100, 100, {8, 0, 8, 0}, false)) {
    EXPECT_GT(piece.source.Width(), 0);
    EXPECT_GT(piece.dest.Width(), 0);
  }
}

TEST(TilePieces, ColumnsThenRowsRunningPastTheEdges) {
  const auto t = TilePieces({10, 5, 35, 17}, {0, 0, 10, 8});
  ASSERT_EQ(t.size(), 6u);  // x 10, 20, 30 and y 5, 13
  EXPECT_EQ(t[0].dest, (SkinRect{10, 5, 20, 13}));
  EXPECT_EQ(t[1].dest, (SkinRect{10, 13, 20, 21}));
  EXPECT_EQ(t[2].dest, (SkinRect{20, 5, 30, 13}));
  EXPECT_EQ(t[5].dest, (SkinRect{30, 13, 40, 21}));
}

TEST(TilePieces, EmptyOrNegativeSourceTilesNothing) {
  EXPECT_TRUE(TilePieces({0, 0, 50, 50}, {0, 0, 0, 5}).empty());
  EXPECT_TRUE(TilePieces({0, 0, 50, 50}, {5, 5, 2, 9}).empty());
  EXPECT_TRUE(TilePieces({0, 0, 50, 50}, {5, 9, 9, 2}).empty());
}

TEST(BarPieces, EndsStretchedMiddleRepeated) {
  // frame 30 wide at x 30, margins 5 and 7: middle 18 wide
  const auto p = BarPieces({30, 0, 60, 10}, 60, 14, 5, 7);
  ASSERT_EQ(p.size(), 5u);  // left, middles at x 5, 23, 41, right
  EXPECT_EQ(p[0].dest, (SkinRect{0, 0, 5, 14}));
  EXPECT_EQ(p[0].source, (SkinRect{30, 0, 35, 10}));
  EXPECT_EQ(p[1].dest, (SkinRect{5, 0, 23, 14}));
  EXPECT_EQ(p[1].source, (SkinRect{35, 0, 53, 10}));
  EXPECT_EQ(p[3].dest, (SkinRect{41, 0, 59, 14}));
  EXPECT_EQ(p[4].dest, (SkinRect{53, 0, 60, 14}));
  EXPECT_EQ(p[4].source, (SkinRect{53, 0, 60, 10}));
}

TEST(BarPieces, NoMiddlePartDrawsOnlyTheEnds) {
  const auto p = BarPieces({0, 0, 12, 10}, 100, 10, 6, 6);
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[1].dest, (SkinRect{94, 0, 100, 10}));
}

TEST(StretchedBarPieces, ThreeCopiesOrTheWholeFrame) {
  const auto p = StretchedBarPieces({10, 0, 20, 6}, {100, 50, 140, 62}, 3, 2);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].dest, (SkinRect{100, 50, 103, 62}));
  EXPECT_EQ(p[1].dest, (SkinRect{103, 50, 138, 62}));
  EXPECT_EQ(p[1].source, (SkinRect{13, 0, 18, 6}));
  EXPECT_EQ(p[2].dest, (SkinRect{138, 50, 140, 62}));
  EXPECT_EQ(p[2].source, (SkinRect{18, 0, 20, 6}));
  const auto whole = StretchedBarPieces({10, 0, 20, 6}, {0, 0, 8, 6}, 3, 2);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].source, (SkinRect{10, 0, 20, 6}));
  EXPECT_EQ(whole[0].dest, (SkinRect{0, 0, 8, 6}));
}

TEST(CentredRect, TruncatesTowardZero) {
  EXPECT_EQ(CentredRect({10, 10, 31, 20}, 10, 4), (SkinRect{15, 13, 25, 17}));
  // frame larger than the target: (5 - 10) / 2 = -2, not -3
  EXPECT_EQ(CentredRect({0, 0, 5, 5}, 10, 10), (SkinRect{-2, -2, 8, 8}));
}

TEST(GradientStripes, ClipBoxLimitsTheStripes) {
  const StripeRange whole = GradientStripes(10, 40, 0, 100);
  EXPECT_EQ(whole.first, 0);
  EXPECT_EQ(whole.last, 39);
  const StripeRange lower = GradientStripes(10, 40, 30, 100);
  EXPECT_EQ(lower.first, 20);
  EXPECT_EQ(lower.last, 39);
  const StripeRange upper = GradientStripes(10, 40, 0, 30);
  EXPECT_EQ(upper.first, 0);
  EXPECT_EQ(upper.last, 19);
}

TEST(RegionRuns, RunsOfKeptPixelsPerRowWithOffset) {
  // 5 x 2, magenta key: row 0 = K x x K x, row 1 = x x x x x
  const uint32_t K = 0xFF00FF, X = 0x102030;
  const uint32_t px[] = {K, X, X, K, X, X, X, X, X, X};
  std::vector<SkinRect> runs;
  ScanRegionRuns(reinterpret_cast<const uint8_t*>(px), 5, 2, 20, RegionKey{0xFF00FF}, 100, 200,
                 [&](const SkinRect& r) { runs.push_back(r); });
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0], (SkinRect{101, 200, 103, 201}));
  EXPECT_EQ(runs[1], (SkinRect{104, 200, 105, 201}));
  EXPECT_EQ(runs[2], (SkinRect{100, 201, 105, 202}));
}

TEST(RegionKey, ToleranceAboveTheKeyOnly) {
  const RegionKey key{0xFF00FF, 1, 1, 1};
  EXPECT_TRUE(key.Matches(255, 0, 255));
  EXPECT_TRUE(key.Matches(255, 1, 255));
  EXPECT_FALSE(key.Matches(255, 2, 255));
  EXPECT_FALSE(key.Matches(254, 0, 255));  // below the key channel
  const RegionKey dark{0x000000, 0, 3, 0};
  EXPECT_TRUE(dark.Matches(0, 3, 0));
  EXPECT_FALSE(dark.Matches(1, 0, 0));
}

}  // namespace
}  // namespace quarnel
