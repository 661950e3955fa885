// Pixel-exact tests of element drawing under Wine: nine pieces with margins, narrow targets,
// tiled and stretched centres, frame selection, bars and single frames, read back from the
// drawn bitmaps.
#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "skin/data/draw/draw_helpers.h"

namespace quarnel {
namespace {

using draw_test::Filled;
using draw_test::Paint;

// Region colours of a test frame with margins L, T, R, B: each of the nine regions has its own
// colour, and the frame number sits in the blue channel.
COLORREF RegionColour(int frame, int column, int row) {
  return RGB(40 + 60 * column, 40 + 60 * row, 50 * frame);
}
int Band(int v, int low, int high, int size) {
  return v < low ? 0 : (v >= size - high ? 2 : 1);
}

constexpr int kFw = 12, kFh = 12;
constexpr SkinMargins kMargins{3, 2, 4, 5};

std::unique_ptr<TBitmap> ThreeFrameImage() {
  return Paint(3 * kFw, kFh, [](int x, int y) {
    const int frame = x / kFw + 1, fx = x % kFw;
    return RegionColour(frame, Band(fx, kMargins.LeftWidth, kMargins.RightWidth, kFw),
                        Band(y, kMargins.TopHeight, kMargins.BottomHeight, kFh));
  });
}

TEST(BuildSkinBitmap, NinePiecesLandOnTheirRegions) {
  auto image = ThreeFrameImage();
  const int w = 40, h = 30;
  auto built = BuildSkinBitmap(RECT{5, 7, 5 + w, 7 + h}, *image, kMargins, false, false, 3, 2);
  ASSERT_EQ(built->Width(), w);
  ASSERT_EQ(built->Height(), h);
  draw_test::Screenshot(*built, "nine_pieces");
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      ASSERT_EQ(built->PixelAt(x, y), RegionColour(2, Band(x, 3, 4, w), Band(y, 2, 5, h))) << x << "," << y;
}

TEST(BuildSkinBitmap, NarrowTargetSpansEdgesAndCentreOverTheWholeWidth) {
  // Source columns: 0-7 left colour A, 8-11 middle B, 12-19 right C; margins 8 and 8 on a
  // 10-pixel target (less than 16): the frame is squeezed 2:1 as a whole, so column 3 still
  // shows A and columns 4-5 show B. With the margins kept, the right edge would cover 2-9 with C.
  const COLORREF A = RGB(200, 0, 0), B = RGB(0, 200, 0), C = RGB(0, 0, 200);
  auto image = Paint(20, 6, [&](int x, int) { return x < 8 ? A : (x < 12 ? B : C); });
  auto built = BuildSkinBitmap(RECT{0, 0, 10, 6}, *image, SkinMargins{8, 0, 8, 0}, false, false, 1, 1);
  for (int y = 0; y < 6; ++y) {
    EXPECT_EQ(built->PixelAt(0, y), A);
    EXPECT_EQ(built->PixelAt(3, y), A);
    EXPECT_EQ(built->PixelAt(4, y), B);
    EXPECT_EQ(built->PixelAt(5, y), B);
    EXPECT_EQ(built->PixelAt(9, y), C);
  }
}

// A 12 x 12 frame with margins 3 whose centre 6 x 6 has a colour per pixel; the border is grey.
constexpr COLORREF kBorder = RGB(90, 90, 90);
COLORREF CentreColour(int cx, int cy) {
  return RGB(10 + 40 * cx, 10 + 40 * cy, 250);
}
std::unique_ptr<TBitmap> PatternedCentre() {
  return Paint(12, 12, [](int x, int y) {
    const bool centre = x >= 3 && x < 9 && y >= 3 && y < 9;
    return centre ? CentreColour(x - 3, y - 3) : kBorder;
  });
}

TEST(BuildSkinBitmap, TiledCentreRepeatsAndIsCoveredOnTheRightAndBottom) {
  auto image = PatternedCentre();
  const int w = 20, h = 17;  // centre 14 x 11: tiles at x 3, 9, 15 and y 3, 9 run past it
  auto built = BuildSkinBitmap(RECT{0, 0, w, h}, *image, SkinMargins{3, 3, 3, 3}, false, true, 1, 1);
  draw_test::Screenshot(*built, "tiled_centre");
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool centre = x >= 3 && x < w - 3 && y >= 3 && y < h - 3;
      const COLORREF want = centre ? CentreColour((x - 3) % 6, (y - 3) % 6) : kBorder;
      ASSERT_EQ(built->PixelAt(x, y), want) << x << "," << y;
    }
}

TEST(BuildSkinBitmap, StretchedCentreScalesTheWholeCentre) {
  auto image = PatternedCentre();
  auto built = BuildSkinBitmap(RECT{0, 0, 30, 30}, *image, SkinMargins{3, 3, 3, 3}, false, false, 1, 1);
  // 6 -> 24 pixels: every source pixel becomes a 4 x 4 block.
  for (int y = 3; y < 27; ++y)
    for (int x = 3; x < 27; ++x)
      ASSERT_EQ(built->PixelAt(x, y), CentreColour((x - 3) / 4, (y - 3) / 4)) << x << "," << y;
  EXPECT_EQ(built->PixelAt(27, 15), kBorder);
  EXPECT_EQ(built->PixelAt(15, 29), kBorder);
}

TEST(DrawSkinElement, FrameTwoOfThreeIsColumnsThirtyToFiftyNine) {
  // Frame 2 of a 90-pixel image: marked first and last columns 30 and 59.
  auto image = Paint(90, 4, [](int x, int) {
    if (x == 30) return RGB(255, 0, 0);
    if (x == 59) return RGB(0, 255, 0);
    return RGB(0, 0, 50 * (x / 30 + 1));
  });
  auto target = Filled(40, 10, RGB(1, 2, 3));
  DrawSkinElement(target->Canvas().Handle(), RECT{5, 3, 35, 7}, *image, false, false, false, 3, 2,
                  SkinMargins{});
  EXPECT_EQ(target->PixelAt(5, 3), RGB(255, 0, 0));
  EXPECT_EQ(target->PixelAt(34, 6), RGB(0, 255, 0));
  EXPECT_EQ(target->PixelAt(20, 5), RGB(0, 0, 100));
  EXPECT_EQ(target->PixelAt(4, 3), RGB(1, 2, 3));  // outside the rectangle
  EXPECT_EQ(target->PixelAt(35, 3), RGB(1, 2, 3));
}

TEST(DrawSkinElement, DrawsWhatBuildSkinBitmapBuildsAfterOtherDraws) {
  auto white = Filled(60, 20, RGB(255, 255, 255));
  // Margins wider than the 10-pixel frame leave the centre without a source: it stays black.
  auto narrow = Paint(10, 20, [](int x, int y) { return RGB(20 * x, 10 * y, 99); });
  const SkinMargins wide{8, 4, 8, 4};
  for (bool tile : {false, true}) {
    auto target = Filled(60, 20, RGB(0, 0, 0));
    DrawSkinElement(target->DC(), RECT{0, 0, 60, 20}, *white, false, false, false, 1, 1, SkinMargins{});
    DrawSkinElement(target->DC(), RECT{0, 0, 60, 20}, *narrow, false, tile, false, 1, 1, wide);
    auto built = BuildSkinBitmap(RECT{0, 0, 60, 20}, *narrow, wide, false, tile, 1, 1);
    EXPECT_EQ(built->PixelAt(30, 10), RGB(0, 0, 0));
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(target->PixelAt(x, y), built->PixelAt(x, y)) << x << "," << y;
  }
}

TEST(DrawSkinElement, InvertedRectangleDrawsNothing) {
  auto image = Filled(10, 10, RGB(255, 255, 255));
  auto target = Filled(20, 20, RGB(7, 7, 7));
  DrawSkinElement(target->Canvas().Handle(), RECT{15, 5, 5, 15}, *image, false, false, false, 1, 1,
                  SkinMargins{});
  DrawSkinElement(target->Canvas().Handle(), RECT{5, 15, 15, 5}, *image, false, false, true, 1, 1,
                  SkinMargins{});
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(target->PixelAt(x, y), RGB(7, 7, 7));
}

TEST(DrawSkinElement, MagentaPixelsKeepTheDestination) {
  auto image = Paint(8, 8, [](int x, int y) { return (x + y) % 3 == 0 ? RGB(255, 0, 255) : RGB(0, 128, 0); });
  auto target = Filled(8, 8, RGB(30, 60, 90));
  DrawSkinElement(target->Canvas().Handle(), RECT{0, 0, 8, 8}, *image, false, false, true, 1, 1,
                  SkinMargins{});
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(target->PixelAt(x, y), (x + y) % 3 == 0 ? RGB(30, 60, 90) : RGB(0, 128, 0)) << x << "," << y;
}

TEST(DrawTransparent, BothPathsGiveTheSamePixels) {
  auto image = Paint(9, 7, [](int x, int y) {
    if (x == y || x == 8) return RGB(255, 0, 255);
    if (x == y + 1) return RGB(255, 1, 255);  // one off the key: drawn
    return RGB(20 * x, 30 * y, 7);
  });
  for (GdiPlatform platform : {GdiPlatform::Nt, GdiPlatform::Win9x}) {
    auto target = Paint(12, 10, [](int x, int y) { return RGB(3 * x, 100, 5 * y); });
    DrawTransparentOn(platform, target->Canvas().Handle(), RECT{2, 1, 11, 8}, *image, kSkinTransparentColor);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 12; ++x) {
        const bool inside = x >= 2 && x < 11 && y >= 1 && y < 8;
        const COLORREF dest = RGB(3 * x, 100, 5 * y);
        const COLORREF src = inside ? image->PixelAt(x - 2, y - 1) : 0;
        const COLORREF want = inside && src != RGB(255, 0, 255) ? src : dest;
        ASSERT_EQ(target->PixelAt(x, y), want)
            << (platform == GdiPlatform::Nt ? "NT " : "9x ") << x << "," << y;
      }
  }
}

TEST(DrawTransparent, RectangleLargerThanTheImageLeavesTheRest) {
  auto image = Paint(4, 3, [](int x, int) { return x == 0 ? RGB(255, 0, 255) : RGB(0, 90, 0); });
  for (GdiPlatform platform : {GdiPlatform::Nt, GdiPlatform::Win9x}) {
    auto target = Filled(12, 8, RGB(5, 5, 5));
    DrawTransparentOn(platform, target->DC(), RECT{1, 1, 12, 8}, *image, kSkinTransparentColor);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 12; ++x) {
        const bool drawn = x >= 2 && x < 5 && y >= 1 && y < 4;
        ASSERT_EQ(target->PixelAt(x, y), drawn ? RGB(0, 90, 0) : RGB(5, 5, 5)) << x << "," << y;
      }
  }
}

TEST(TileDraw, RepeatsFromTheTargetCornerAndSkipsEmptySources) {
  auto image = Paint(4, 4, [](int x, int y) { return RGB(60 * x, 60 * y, 0); });
  auto target = Filled(10, 10, RGB(1, 1, 1));
  TileDraw(target->Canvas(), RECT{1, 1, 8, 6}, *image, RECT{1, 1, 4, 3});  // 3 x 2 tiles
  EXPECT_EQ(target->PixelAt(1, 1), RGB(60, 60, 0));
  EXPECT_EQ(target->PixelAt(4, 3), RGB(60, 60, 0));
  EXPECT_EQ(target->PixelAt(9, 2), RGB(180, 120, 0));  // third column of tiles runs to x 9
  EXPECT_EQ(target->PixelAt(0, 1), RGB(1, 1, 1));
  auto untouched = Filled(10, 10, RGB(1, 1, 1));
  TileDraw(untouched->Canvas(), RECT{0, 0, 10, 10}, *image, RECT{2, 2, 2, 4});
  TileDraw(untouched->Canvas(), RECT{0, 0, 10, 10}, *image, RECT{3, 3, 1, 1});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(untouched->PixelAt(x, y), RGB(1, 1, 1));
}

TEST(DrawSkinBar, EndsStretchedToTheHeightAndMiddleRepeated) {
  // Frame 1 of 2, 10 x 4: left 2 red, middle 5 with a green first column, right 3 blue.
  auto image = Paint(20, 4, [](int x, int) {
    const int fx = x % 10;
    if (fx < 2) return RGB(255, 0, 0);
    if (fx == 2) return RGB(0, 255, 0);
    return fx < 7 ? RGB(0, 100, 0) : RGB(0, 0, 255);
  });
  auto target = Filled(30, 12, RGB(9, 9, 9));
  DrawSkinBar(target->Canvas(), RECT{0, 2, 20, 10}, *image, false, false, 2, 1, SkinMargins{2, 0, 3, 0});
  for (int y = 2; y < 10; ++y) {
    EXPECT_EQ(target->PixelAt(1, y), RGB(255, 0, 0));
    EXPECT_EQ(target->PixelAt(2, y), RGB(0, 255, 0));  // middle copies start at x 2, 7, 12
    EXPECT_EQ(target->PixelAt(7, y), RGB(0, 255, 0));
    EXPECT_EQ(target->PixelAt(12, y), RGB(0, 255, 0));
    EXPECT_EQ(target->PixelAt(17, y), RGB(0, 0, 255));  // right end covers the last copy
  }
  EXPECT_EQ(target->PixelAt(5, 1), RGB(9, 9, 9));
  EXPECT_EQ(target->PixelAt(20, 5), RGB(9, 9, 9));
}

TEST(DrawSkinBar, NoMiddlePartStillDrawsTheEnds) {
  auto image = Paint(6, 2, [](int x, int) { return x < 3 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
  auto target = Filled(40, 2, RGB(9, 9, 9));
  DrawSkinBar(target->Canvas(), RECT{0, 0, 40, 2}, *image, false, false, 1, 1, SkinMargins{3, 0, 3, 0});
  EXPECT_EQ(target->PixelAt(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(target->PixelAt(39, 1), RGB(0, 0, 255));
}

TEST(DrawSkinBarStretched, ThreeCopiesOntoTheDC) {
  auto image = Paint(
      10, 2, [](int x, int) { return x < 2 ? RGB(255, 0, 0) : (x < 7 ? RGB(0, 255, 0) : RGB(0, 0, 255)); });
  auto target = Filled(40, 6, RGB(9, 9, 9));
  DrawSkinBarStretched(target->Canvas().Handle(), RECT{5, 1, 35, 5}, *image, false, 1, 1,
                       SkinMargins{2, 0, 3, 0});
  EXPECT_EQ(target->PixelAt(6, 4), RGB(255, 0, 0));
  EXPECT_EQ(target->PixelAt(7, 1), RGB(0, 255, 0));
  EXPECT_EQ(target->PixelAt(31, 3), RGB(0, 255, 0));
  EXPECT_EQ(target->PixelAt(32, 3), RGB(0, 0, 255));
  EXPECT_EQ(target->PixelAt(4, 3), RGB(9, 9, 9));
}

TEST(DrawSkinFrame, CentredAtItsOwnSizeAndStretched) {
  auto image = Paint(8, 3, [](int x, int) { return x < 4 ? RGB(255, 0, 255) : RGB(0, 0, 200 + x); });
  auto target = Filled(20, 10, RGB(9, 9, 9));
  // frame 2 (4 x 3) centred in 11 x 10: at 2 + (11 - 4) / 2 = 5, 0 + (10 - 3) / 2 = 3
  DrawSkinFrameCentred(target->Canvas().Handle(), RECT{2, 0, 13, 10}, *image, false, 2, 2);
  EXPECT_EQ(target->PixelAt(5, 3), RGB(0, 0, 204));
  EXPECT_EQ(target->PixelAt(8, 5), RGB(0, 0, 207));
  EXPECT_EQ(target->PixelAt(4, 3), RGB(9, 9, 9));
  EXPECT_EQ(target->PixelAt(9, 3), RGB(9, 9, 9));
  EXPECT_EQ(target->PixelAt(5, 6), RGB(9, 9, 9));

  auto stretched = Filled(20, 10, RGB(9, 9, 9));
  DrawSkinFrameStretched(stretched->Canvas().Handle(), RECT{0, 0, 16, 6}, *image, true, 2, 1);
  EXPECT_EQ(stretched->PixelAt(0, 0), RGB(9, 9, 9));  // frame 1 is all magenta
  auto opaque = Filled(20, 10, RGB(9, 9, 9));
  DrawSkinFrameStretched(opaque->Canvas().Handle(), RECT{0, 0, 16, 6}, *image, false, 2, 2);
  EXPECT_EQ(opaque->PixelAt(0, 0), RGB(0, 0, 204));
  EXPECT_EQ(opaque->PixelAt(15, 5), RGB(0, 0, 207));
  EXPECT_EQ(opaque->PixelAt(16, 5), RGB(9, 9, 9));
}

}  // namespace
}  // namespace quarnel
