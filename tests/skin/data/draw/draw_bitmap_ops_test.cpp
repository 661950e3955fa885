// Tests under Wine of gradients, window regions, bitmap transforms, colour resolution and text,
// read back from real bitmaps and regions.
#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "skin/data/draw/draw_helpers.h"

namespace quarnel {
namespace {

using draw_test::Filled;
using draw_test::Paint;

TEST(FillGradient, RowsFollowTheRamp) {
  auto target = Filled(6, 40, RGB(255, 255, 255));
  FillGradient(target->Canvas().Handle(), RECT{1, 0, 5, 40}, RGB(0, 0, 0), true, RGB(200, 100, 40));
  const std::vector<uint32_t> ramp = ComputeRamp(40, RGB(0, 0, 0), RGB(200, 100, 40));
  for (int y = 0; y < 40; ++y) {
    EXPECT_EQ(target->PixelAt(1, y), ramp[y]) << y;
    EXPECT_EQ(target->PixelAt(4, y), ramp[y]) << y;
    EXPECT_EQ(target->PixelAt(5, y), RGB(255, 255, 255));
  }
  EXPECT_EQ(target->PixelAt(2, 39), RGB(200, 100, 40));
}

TEST(FillGradient, ClipBoxPaintsOnlyTheVisibleHalfWithTheFullPaintsColours) {
  for (bool vertical : {true, false}) {
    auto full = Filled(40, 40, RGB(255, 255, 255));
    FillGradient(full->Canvas().Handle(), RECT{0, 0, 40, 40}, RGB(10, 200, 30), vertical, clBtnFace);
    auto half = Filled(40, 40, RGB(255, 255, 255));
    HDC dc = half->Canvas().Handle();
    {
      fw::SavedDCState saved(dc);
      if (vertical) {
        IntersectClipRect(dc, 0, 20, 40, 40);
      } else {
        IntersectClipRect(dc, 0, 0, 20, 40);
      }
      FillGradient(dc, RECT{0, 0, 40, 40}, RGB(10, 200, 30), vertical, clBtnFace);
    }
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool visible = vertical ? y >= 20 : x < 20;
        ASSERT_EQ(half->PixelAt(x, y), visible ? full->PixelAt(x, y) : RGB(255, 255, 255))
            << (vertical ? "vertical " : "horizontal ") << x << "," << y;
      }
    // The system colour end was resolved: the last stripe is the button face.
    EXPECT_EQ(full->PixelAt(39, 39), GetSysColor(COLOR_BTNFACE));
  }
}

TEST(FillGradient, EmptyOrInvisibleRectanglesPaintNothing) {
  auto target = Filled(10, 10, RGB(1, 2, 3));
  HDC dc = target->Canvas().Handle();
  FillGradient(dc, RECT{0, 5, 10, 5}, 0, true, 0xFFFFFF);
  FillGradient(dc, RECT{5, 0, 2, 10}, 0, false, 0xFFFFFF);
  FillGradient(dc, RECT{20, 20, 30, 30}, 0, true, 0xFFFFFF);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(target->PixelAt(x, y), RGB(1, 2, 3));
}

TEST(RegionFromBitmap, MatchesAHandMadeMaskWithGreenToleranceOne) {
  // k: magenta, g: green 1 (also cut with tolerance 1), G: green 2 (kept), x: kept
  const char* rows[] = {
      "kkxxxxkk", "kxxgGxxk", "xxxxxxxx", "gxxkkxxg", "kkkkkkkk",
  };
  auto bitmap = Paint(8, 5, [&](int x, int y) {
    switch (rows[y][x]) {
      case 'k':
        return RGB(255, 0, 255);
      case 'g':
        return RGB(255, 1, 255);
      case 'G':
        return RGB(255, 2, 255);
      default:
        return RGB(10, 20, 30);
    }
  });
  fw::UniqueRegion region = RegionFromBitmap(*bitmap, 100, 50, 1, 1, 1, kSkinTransparentColor);
  ASSERT_TRUE(region);
  EXPECT_EQ(bitmap->PixelFormat(), pf32bit);
  for (int y = -1; y <= 5; ++y)
    for (int x = -1; x <= 8; ++x) {
      const bool kept = y >= 0 && y < 5 && x >= 0 && x < 8 && (rows[y][x] == 'x' || rows[y][x] == 'G');
      EXPECT_EQ(PtInRegion(region.get(), x + 100, y + 50) != 0, kept) << x << "," << y;
    }
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.get(), &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 100);
  EXPECT_EQ(box.top, 50);
  EXPECT_EQ(box.right, 108);
  EXPECT_EQ(box.bottom, 54);
}

TEST(RegionFromBitmap, ManyRunsAcrossSeveralBatches) {
  // 5000 one-pixel runs: more than two batches of 2000 and many buffer growths.
  auto bitmap = Paint(100, 100, [](int x, int y) { return (x + y) % 2 ? RGB(255, 0, 255) : RGB(0, 0, 0); });
  fw::UniqueRegion region = RegionFromBitmap(*bitmap, 0, 0, 0, 0, 0, kSkinTransparentColor);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      ASSERT_EQ(PtInRegion(region.get(), x, y) != 0, (x + y) % 2 == 0) << x << "," << y;
}

TEST(RegionFromBitmap, AllKeyGivesAnEmptyRegion) {
  auto bitmap = Filled(30, 4, RGB(255, 0, 255));
  fw::UniqueRegion region = RegionFromBitmap(*bitmap, 0, 0, 1, 1, 1, kSkinTransparentColor);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
}

// An asymmetric 3 x 2 image: every pixel different.
COLORREF Asym(int x, int y) {
  return RGB(10 + 50 * x, 10 + 100 * y, 77);
}

TEST(BitmapTransforms, RotationsMoveEveryPixel) {
  auto left = Paint(3, 2, Asym);
  RotateLeft(*left);
  ASSERT_EQ(left->Width(), 2);
  ASSERT_EQ(left->Height(), 3);
  EXPECT_EQ(left->PixelFormat(), pf24bit);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(left->PixelAt(y, 2 - x), Asym(x, y)) << "left " << x << "," << y;
  EXPECT_EQ(left->PixelAt(0, 0), Asym(2, 0));  // anticlockwise: the top-right corner comes to the top-left

  auto right = Paint(3, 2, Asym, pf32bit);
  RotateRight(*right);
  ASSERT_EQ(right->Width(), 2);
  ASSERT_EQ(right->Height(), 3);
  EXPECT_EQ(right->PixelFormat(), pf24bit);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(right->PixelAt(1 - y, x), Asym(x, y)) << "right " << x << "," << y;
  EXPECT_EQ(right->PixelAt(0, 0), Asym(0, 1));  // clockwise: the bottom-left corner comes to the top-left

  RotateLeft(*right);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(right->PixelAt(x, y), Asym(x, y));
}

TEST(BitmapTransforms, MirrorAndFlipInBothFormats) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    auto mirrored = Paint(3, 2, Asym, format);
    MirrorBitmap(*mirrored);
    auto flipped = Paint(3, 2, Asym, format);
    FlipBitmap(*flipped);
    EXPECT_EQ(mirrored->PixelFormat(), format);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(mirrored->PixelAt(2 - x, y), Asym(x, y));
        EXPECT_EQ(flipped->PixelAt(x, 1 - y), Asym(x, y));
      }
  }
}

TEST(BitmapTransforms, ReplaceMagentaOnlyExactMagenta) {
  auto bitmap = Paint(
      3, 1, [](int x, int) { return x == 0 ? RGB(255, 0, 255) : (x == 1 ? RGB(255, 1, 255) : RGB(1, 2, 3)); },
      pf32bit);
  ReplaceMagenta(*bitmap, RGB(12, 34, 56));
  EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
  EXPECT_EQ(bitmap->PixelAt(0, 0), RGB(12, 34, 56));
  EXPECT_EQ(bitmap->PixelAt(1, 0), RGB(255, 1, 255));
  EXPECT_EQ(bitmap->PixelAt(2, 0), RGB(1, 2, 3));
  // System colours are not resolved: their low three bytes are taken as they are.
  auto system = Filled(1, 1, RGB(255, 0, 255));
  ReplaceMagenta(*system, clBtnFace);
  EXPECT_EQ(system->PixelAt(0, 0), RGB(COLOR_BTNFACE, 0, 0));
}

TEST(MixColors, EdgeCasesAndSystemColours) {
  EXPECT_EQ(MixColors(clBlack, clWhite, 50), 0x808080);
  EXPECT_EQ(MixColors(clWhite, clBlack, 150), 0x262626);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(static_cast<uint32_t>(MixColors(clBtnFace, clBlack, 99)), MixRgb(face, 0, 99));
  EXPECT_EQ(static_cast<uint32_t>(MixColors(clWhite, clBtnFace, 0)), face);
  EXPECT_EQ(ColorSaturation(0x0000FF), 255);
  EXPECT_EQ(ColorSaturation(0x808080), 200);
  EXPECT_EQ(ColorSaturation(0xA0A0A0), 0);
}

TEST(Text, AnsiToWideAndBothDrawingPaths) {
  EXPECT_EQ(AnsiToWide("Skin 42"), L"Skin 42");
  EXPECT_EQ(AnsiToWide(""), L"");
  for (GdiPlatform platform : {GdiPlatform::Nt, GdiPlatform::Win9x}) {
    auto target = Filled(80, 20, RGB(255, 255, 255));
    HDC dc = target->Canvas().Handle();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT measure{0, 0, 80, 20};
    const int height = DrawTextWideOn(platform, dc, L"Quarnel", measure, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GT(height, 0);
    EXPECT_GT(measure.right, 0);
    for (int y = 0; y < 20; ++y)  // computing the rectangle draws nothing
      for (int x = 0; x < 80; ++x) ASSERT_EQ(target->PixelAt(x, y), RGB(255, 255, 255));
    RECT r{0, 0, 80, 20};
    EXPECT_EQ(DrawTextWideOn(platform, dc, L"Quarnel", r, DT_SINGLELINE), height);
    int dark = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 80; ++x) dark += target->PixelAt(x, y) != RGB(255, 255, 255);
    EXPECT_GT(dark, 20);
  }
}

}  // namespace
}  // namespace quarnel
