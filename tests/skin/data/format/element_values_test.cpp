// Colour triples, image names and the frame-count rules of the element loader.
#include <gtest/gtest.h>

#include "skin/data/format/skin_values.h"

namespace quarnel {
namespace {

constexpr int32_t Rgb(int r, int g, int b) {
  return r + g * 256 + b * 65536;
}

TEST(RgbTriple, ThreeNumbersAreRedGreenBlue) {
  EXPECT_EQ(ParseRgbTriple("230 235 245"), Rgb(230, 235, 245));
  EXPECT_EQ(ParseRgbTriple("1,2,3"), Rgb(1, 2, 3));
  EXPECT_EQ(ParseRgbTriple("  7 ;; 8 / 9 "), Rgb(7, 8, 9));
}

TEST(RgbTriple, EachNumberIsTakenModulo256) {
  EXPECT_EQ(ParseRgbTriple("300 0 0"), Rgb(44, 0, 0));
  EXPECT_EQ(ParseRgbTriple("256 511 0"), Rgb(0, 255, 0));
  // A digit run far beyond 32 bits wraps instead of overflowing.
  EXPECT_EQ(ParseRgbTriple("1000000000000000000003 0 0"), Rgb(3, 0, 0));  // 10^21 is a multiple of 256
}

TEST(RgbTriple, ALastNumberWithoutSeparatorIsBlue) {
  EXPECT_EQ(ParseRgbTriple("5"), Rgb(0, 0, 5));
  EXPECT_EQ(ParseRgbTriple("10 20"), Rgb(10, 0, 20));
  EXPECT_EQ(ParseRgbTriple("10 20 "), Rgb(10, 20, 0));
}

TEST(RgbTriple, NumbersBeyondTheThirdAreDropped) {
  EXPECT_EQ(ParseRgbTriple("1 2 3 4"), Rgb(1, 2, 3));
  EXPECT_EQ(ParseRgbTriple("1 2 3 4 5 "), Rgb(1, 2, 3));
}

TEST(RgbTriple, NoDigitsGiveBlack) {
  EXPECT_EQ(ParseRgbTriple(""), 0);
  EXPECT_EQ(ParseRgbTriple("red"), 0);
  EXPECT_EQ(ParseRgbTriple("-5 -6 -7"), Rgb(5, 6, 7));  // signs are separators
}

TEST(SkinImageName, OnlyALowerCaseBmpExtensionNamesAnImage) {
  EXPECT_TRUE(IsSkinImageName("left.bmp"));
  EXPECT_TRUE(IsSkinImageName("skin\\left.bmp"));
  EXPECT_TRUE(IsSkinImageName("a.b.bmp"));
  EXPECT_FALSE(IsSkinImageName("left.BMP"));
  EXPECT_FALSE(IsSkinImageName("left.bmp "));
  EXPECT_FALSE(IsSkinImageName("left.png"));
  EXPECT_FALSE(IsSkinImageName("left"));
  EXPECT_FALSE(IsSkinImageName("skin\\"));
  EXPECT_FALSE(IsSkinImageName("bmp.dir\\left"));
  EXPECT_FALSE(IsSkinImageName(""));
}

TEST(SkinImageName, FileNamePartFollowsTheLastSeparator) {
  EXPECT_EQ(SkinFileNamePart("a\\b/c.bmp"), "c.bmp");
  EXPECT_EQ(SkinFileNamePart("c:x.bmp"), "x.bmp");
  EXPECT_EQ(SkinFileNamePart("x.bmp"), "x.bmp");
}

TEST(CaptionButtonFrames, WideImagesHaveSixFramesNarrowOnesThree) {
  EXPECT_EQ(CaptionButtonFrameCount(72, 18, 0), 6);    // ratio 4.0
  EXPECT_EQ(CaptionButtonFrameCount(54, 18, 0), 3);    // ratio 3.0
  EXPECT_EQ(CaptionButtonFrameCount(68, 18, 0), 3);    // ratio 3.78
  EXPECT_EQ(CaptionButtonFrameCount(69, 18, 0), 6);    // ratio 3.83
  EXPECT_EQ(CaptionButtonFrameCount(684, 180, 0), 3);  // exactly 3.8
  EXPECT_EQ(CaptionButtonFrameCount(0, 0, 0), 6);
  EXPECT_EQ(CaptionButtonFrameCount(54, 18, -1), 6);
}

TEST(GlyphStripFrames, WidthOverThirteenOrSixteenAtLeastFour) {
  EXPECT_EQ(GlyphStripFrameCount(130, 13), 10);
  EXPECT_EQ(GlyphStripFrameCount(160, 16), 10);
  EXPECT_EQ(GlyphStripFrameCount(130, 16), 8);
  EXPECT_EQ(GlyphStripFrameCount(26, 13), 4);
  EXPECT_EQ(GlyphStripFrameCount(0, 0), 4);
}

TEST(ToolbarWeight, FollowsTheSaturation) {
  EXPECT_EQ(ToolbarMixWeight(111), (5625 - 2775) / 140 + 50);
  EXPECT_EQ(ToolbarMixWeight(255), (5625 - 6375) / 140 + 50);  // truncates towards zero
}

}  // namespace
}  // namespace quarnel
