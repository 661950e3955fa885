// Native tests of the skin colour arithmetic: mixing, saturation and the gradient ramp cache.
#include <gtest/gtest.h>

#include "skin/data/draw/color_math.h"

namespace quarnel {
namespace {

TEST(MixRgb, PerCentAndPerMilleWeights) {
  EXPECT_EQ(MixRgb(0x000000, 0xFFFFFF, 50), 0x808080u);   // (255 * 50 + 50) div 100 = 128
  EXPECT_EQ(MixRgb(0xFFFFFF, 0x000000, 150), 0x262626u);  // (38250 + 500) div 1000 = 38
  EXPECT_EQ(MixRgb(0x0000FF, 0xFF0000, 100), 0xE6001Au);  // 100 counts per mille: 10 % red
  EXPECT_EQ(MixRgb(0x0000FF, 0xFF0000, 1000), 0x0000FFu);
  EXPECT_EQ(MixRgb(0x0000FF, 0xFF0000, 0), 0xFF0000u);
}

TEST(MixRgb, ChannelsStayApart) {
  // red 200/100, green 10/30, blue 0/255 at 25 %: (200*25+100*75+50)/100 = 125, 25, 191
  EXPECT_EQ(MixRgb(0x000AC8, 0xFF1E64, 25), 0xBF197Du);
}

TEST(ColorSaturation, BrightGreyAndDarkColours) {
  EXPECT_EQ(ColorSaturation(0x0000FF), 255);  // pure red
  EXPECT_EQ(ColorSaturation(0x808080), 200);  // no channel above 159
  EXPECT_EQ(ColorSaturation(0xA0A0A0), 0);
  EXPECT_EQ(ColorSaturation(0x000080), 200);  // saturated but dark
  EXPECT_EQ(ColorSaturation(0x0000A0), 255);
  EXPECT_EQ(ColorSaturation(0x5050A0), 128);  // 80/160 * 255 = 127.5, to the even neighbour
  EXPECT_EQ(ColorSaturation(0x6464C8), 128);  // 100/200 * 255 = 127.5
  EXPECT_EQ(ColorSaturation(0x4040C8), 173);  // 136/200 * 255 = 173.4
}

TEST(ComputeRamp, EndsAndMidpoints) {
  const auto ramp = ComputeRamp(3, 0x000000, 0xFF0A02);
  ASSERT_EQ(ramp.size(), 3u);
  EXPECT_EQ(ramp[0], 0x000000u);
  EXPECT_EQ(ramp[1], 0x800501u);  // (1 + 255) div 2 = 128, (1 + 10) div 2 = 5, (1 + 2) div 2 = 1
  EXPECT_EQ(ramp[2], 0xFF0A02u);
  EXPECT_EQ(ComputeRamp(1, 0x000010, 0x000030)[0], 0x000020u);
}

TEST(ComputeRamp, FallingChannelsTruncateTowardZero) {
  // red 1 -> 0 over 3 entries: (1 + 2 * -1) div 2 = 0, so the last entry keeps 1
  const auto ramp = ComputeRamp(3, 0x000001, 0x000000);
  EXPECT_EQ(ramp[0], 1u);
  EXPECT_EQ(ramp[1], 1u);
  EXPECT_EQ(ramp[2], 1u);
  const auto down = ComputeRamp(5, 0x0000FF, 0x000000);  // d = 4: (2 - 255 i) div 4
  EXPECT_EQ(down[1], 255u - 63u);
  EXPECT_EQ(down[4], 255u - 254u);
}

TEST(GradientCache, HitsReturnTheSameSlot) {
  GradientCache cache;
  const int a = cache.Ramp(10, 0x000000, 0xFFFFFF);
  const int b = cache.Ramp(20, 0x000000, 0xFFFFFF);
  EXPECT_NE(a, b);
  EXPECT_EQ(cache.Ramp(10, 0x000000, 0xFFFFFF), a);
  EXPECT_EQ(cache.Entries(a).size(), 10u);
  EXPECT_EQ(cache.Entries(a).back(), 0xFFFFFFu);
  // A falling ramp whose last entry differs from its end colour is still found again.
  const int falling = cache.Ramp(3, 0x000001, 0x000000);
  EXPECT_EQ(cache.Ramp(3, 0x000001, 0x000000), falling);
}

TEST(GradientCache, SeventeenthRampEvictsTheFirst) {
  GradientCache cache;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(cache.Ramp(10 + i, 0x000000, 0x0000FF), i);
  EXPECT_EQ(cache.Ramp(100, 0x000000, 0x0000FF), 0);  // overwrites slot 0
  EXPECT_EQ(cache.Entries(0).size(), 100u);
  EXPECT_EQ(cache.Ramp(11, 0x000000, 0x0000FF), 1);  // the second is still there
  EXPECT_EQ(cache.Ramp(10, 0x000000, 0x0000FF), 1);  // the first is gone: made again in slot 1
}

TEST(GradientCache, CountBelowOneIsAnAssertion) {
  GradientCache cache;
  try {
    cache.Ramp(0, 0, 0);
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure");
  }
  EXPECT_THROW(cache.Ramp(-5, 0, 0), EAssertionFailed);
}

}  // namespace
}  // namespace quarnel
