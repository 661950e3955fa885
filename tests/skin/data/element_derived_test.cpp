// Derived elements: the mirrored combo button, the composed combo strips and arrow, the frame
// colour sample and the toolbar gradient.
#include <gtest/gtest.h>

#include "skin/data/draw/color_math.h"
#include "skin_test_package.h"

namespace quarnel {
namespace {

using testing::LoadElements;
using testing::MakeBmp;
using testing::PackageRecipe;
using testing::SolidBmp;

// Left half red, right half blue, with a magenta stripe at x = 0.
testing::Bytes HalvesBmp(int w, int h) {
  return MakeBmp(w, h, [w](int x, int) -> uint32_t {
    return x == 0 ? 0xFF00FF : x < w / 2 ? 0x0000FF : 0xFF0000;
  });
}

TEST(DerivedElements, ComboButtonAloneIsMirroredAndGivesTheArrow) {
  TSkinElements e;
  LoadElements(e,
               PackageRecipe{"[Colours]\nButtonFace=1 2 3\n[ComboButton]\nImage=c.bmp\nFrame=9\n****=x.bmp\n",
                             {{"c.bmp", HalvesBmp(40, 10)}, {"x.bmp", SolidBmp(3, 3, 0)}}});
  ASSERT_TRUE(e.ComboButton);
  TDataSkinBorder& c = *e.ComboButton;
  EXPECT_EQ(c.FrameCount, 4);
  EXPECT_EQ(c.Style, 0);
  ASSERT_EQ(c.Image2.Width(), 40);
  EXPECT_EQ(c.Image2.PixelFormat(), pf24bit);
  EXPECT_EQ(c.Image2.PixelAt(39, 5), 0xFF00FFu);
  EXPECT_EQ(c.Image2.PixelAt(0, 5), 0xFF0000u);
  ASSERT_TRUE(e.ComboArrow);
  EXPECT_EQ(e.ComboArrow->FrameCount, 4);
  EXPECT_EQ(e.ComboArrow->Image.PixelAt(0, 5), static_cast<COLORREF>(1 + 2 * 256 + 3 * 65536));
  EXPECT_EQ(e.ComboArrow->Image.PixelAt(5, 5), 0x0000FFu);
}

TEST(DerivedElements, SunkEdgeAndComboButtonAreComposedIntoStrips) {
  TSkinElements e;
  LoadElements(
      e, PackageRecipe{"[SunkEdge]\nImage=s.bmp\nTopHeight=2\nBottomHeight=3\n[ComboButton]\nImage=c.bmp\n",
                       {{"s.bmp", SolidBmp(40, 10, 0x00FF00)}, {"c.bmp", SolidBmp(40, 10, 0x0000FF)}}});
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
  TDataSkinBorder& c = *e.ComboButton;
  EXPECT_EQ(c.Style, 2);
  EXPECT_EQ(c.Image.Width(), 200);
  EXPECT_EQ(c.Image.Height(), 21);
  EXPECT_EQ(c.LeftWidth, 2);
  EXPECT_EQ(c.RightWidth, b + 2);
  EXPECT_EQ(c.TopHeight, 2);
  EXPECT_EQ(c.BottomHeight, 3);
  // Each cell: edge at the left, button at the right, the inside transparent.
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(c.Image.PixelAt(50 * k, 10), 0x00FF00u);
    EXPECT_EQ(c.Image.PixelAt(50 * k + 49, 10), 0x0000FFu);
    EXPECT_EQ(c.Image.PixelAt(50 * k + 10, 10), 0xFF00FFu);
  }
  TDataSkinObject& s = *e.SunkEdge;
  EXPECT_EQ(s.Image.Width(), 200);
  EXPECT_EQ(s.Image.PixelAt(0, 10), 0x0000FFu);  // mirrored: the button is at the left
  EXPECT_EQ(s.LeftWidth, b + 2);
  EXPECT_EQ(s.RightWidth, 2);
  // The arrow: 17 x 17 per frame, cut from the button end of each cell.
  TDataSkinObject& a = *e.ComboArrow;
  EXPECT_EQ(a.Image.Width(), 68);
  EXPECT_EQ(a.Image.Height(), 17);
  EXPECT_EQ(a.FrameCount, 4);
  EXPECT_EQ(a.Image.PixelAt(16, 8), 0x0000FFu);
}

TEST(DerivedElements, SunkEdgeWithoutComboButtonLeavesTheArrowEmpty) {
  TSkinElements e;
  LoadElements(e, PackageRecipe{"[SunkEdge]\nImage=s.bmp\n", {{"s.bmp", SolidBmp(40, 10, 0x00FF00)}}});
  ASSERT_TRUE(e.ComboArrow);
  EXPECT_TRUE(e.ComboArrow->Image.Empty());
  EXPECT_EQ(e.SunkEdge->Image.Width(), 40);
}

TEST(DerivedElements, FrameColourIsSampledFromTheTopBorder) {
  // Two frames of 30 x 12 stacked: the sample is at (30 / 3, (24 / 2) / 3) = (10, 4).
  auto top =
      MakeBmp(30, 24, [](int x, int y) -> uint32_t { return x == 10 && y == 4 ? 0x336699 : 0x000000; });
  TSkinElements e;
  LoadElements(e, PackageRecipe{"[Personality]\nTop=t.bmp\nTopFrame=2\n", {{"t.bmp", top}}});
  EXPECT_EQ(e.Colors[scFrame], 0x336699);
  // A frame count of 0 must not divide by zero: the image counts as one frame.
  auto one = MakeBmp(30, 24, [](int x, int y) -> uint32_t { return x == 10 && y == 8 ? 0x112233 : 0; });
  TSkinElements zero;
  LoadElements(zero, PackageRecipe{"[Personality]\nTop=t.bmp\nTopFrame=0\n", {{"t.bmp", one}}});
  EXPECT_EQ(zero.Colors[scFrame], 0x112233);
}

TEST(DerivedElements, ToolbarGradientRunsFromTheLightFaceToTheFrameShade) {
  // End colours worked out by hand. Dark grey counts as saturated (200): weight 54 towards the
  // frame colour, the rest white. Pure blue-ish (255): weight 45. Light grey (0): 15 % grey 128
  // over the frame colour.
  struct Case {
    uint32_t frame;
    TColor end;
  };
  for (const Case& c : {Case{0x404040, 0x989898}, Case{0xFF2000, 0xFF9B8C}, Case{0xC0C0C0, 0xB6B6B6}}) {
    auto top = SolidBmp(30, 30, c.frame);
    TSkinElements e;
    LoadElements(
        e, PackageRecipe{"[Colours]\nButtonFace=200 200 200\n[Personality]\nTop=t.bmp\n", {{"t.bmp", top}}});
    // The light end is the face 200 grey mixed 15 % with white: 247.
    const auto ramp = ComputeRamp(40, 0xF7F7F7, c.end);
    TBitmap& image = e.Toolbar->Image;
    EXPECT_EQ(image.PixelAt(0, 0), 0xF7F7F7u) << std::hex << c.frame;
    EXPECT_EQ(image.PixelAt(9, 20), ramp[20]) << std::hex << c.frame;
    EXPECT_EQ(image.PixelAt(9, 39), ramp[39]) << std::hex << c.frame;
    EXPECT_EQ(e.Toolbar->FrameCount, 1);
  }
}

}  // namespace
}  // namespace quarnel
