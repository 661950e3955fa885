// Native tests of density scaling: rounded lengths, cut margins that stay whole, pixel
// replication at whole factors, no key colour blended in at other factors, frame strips.
#include "skin/data/draw/density_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace quarnel {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;
const std::uint32_t kKey = KeyPixel(kMagenta);

struct Image {
  int width = 0, height = 0, bpp = 3, stride = 0;
  std::vector<std::uint8_t> bytes;
  Image(int w, int h, int bytesPerPixel) : width(w), height(h), bpp(bytesPerPixel) {
    stride = (w * bpp + 3) & ~3;
    bytes.assign(static_cast<size_t>(stride) * h, 0xEE);
  }
  const std::uint8_t* At(int x, int y) const { return bytes.data() + y * stride + x * bpp; }
  std::uint32_t Rgb(int x, int y) const {  // as 0x00BBGGRR
    const std::uint8_t* p = At(x, y);
    return p[2] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[0]} << 16);
  }
  void Set(int x, int y, std::uint32_t rgb) {
    std::uint8_t* p = bytes.data() + y * stride + x * bpp;
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
  }
  PixelRows Rows() const { return {bytes.data(), stride, bpp}; }
  MutablePixelRows MutableRows() { return {bytes.data(), stride, bpp}; }
};

TEST(ScaleLength, RoundsToWholePixelsAndKeepsLengthsVisible) {
  EXPECT_EQ(ScaleLength(0, 192), 0);
  EXPECT_EQ(ScaleLength(10, 96), 10);
  EXPECT_EQ(ScaleLength(10, 192), 20);
  EXPECT_EQ(ScaleLength(3, 120), 4);  // 3.75
  EXPECT_EQ(ScaleLength(5, 144), 8);  // 7.5: halves go up
  EXPECT_EQ(ScaleLength(1, 120), 1);  // 1.25
  EXPECT_EQ(ScaleLength(1, 48), 1);   // 0.5 rounds up anyway
  EXPECT_EQ(ScaleLength(1, 10), 1);   // never 0
  EXPECT_EQ(ScaleLength(-5, 144), -8);
}

TEST(ScaleMargins, StayWithinTheScaledSideAndExactAtWholeFactors) {
  for (int dpi : {96, 120, 144, 168, 192, 240, 288})
    for (int side = 0; side <= 12; ++side)
      for (int a = 0; a <= side; ++a)
        for (int b = 0; a + b <= side; ++b) {
          const int scaled = ScaleLength(side, dpi);
          const SkinMargins m = ScaleMargins({a, b, side - a - b, 0}, side, side, scaled, scaled);
          SCOPED_TRACE(::testing::Message()
                       << "dpi " << dpi << " side " << side << " margins " << a << "," << b);
          EXPECT_GE(m.LeftWidth, 0);
          EXPECT_GE(m.RightWidth, 0);
          EXPECT_LE(m.LeftWidth + m.RightWidth, scaled);
          EXPECT_LE(m.TopHeight + m.BottomHeight, scaled);
          if (a > 0) {
            EXPECT_GT(m.LeftWidth, 0);
          }
          if (side - a - b > 0) {
            EXPECT_GT(m.RightWidth, 0);
          }
          if (dpi % 96 == 0) {
            const int factor = dpi / 96;
            EXPECT_EQ(m.LeftWidth, a * factor);
            EXPECT_EQ(m.TopHeight, b * factor);
            EXPECT_EQ(m.RightWidth, (side - a - b) * factor);
          }
        }
}

TEST(ScaleMargins, MarginsLargerThanTheFrameAreCutToFit) {
  const SkinMargins m = ScaleMargins({8, 9, 6, 7}, 10, 10, 15, 15);
  EXPECT_LE(m.LeftWidth + m.RightWidth, 15);
  EXPECT_LE(m.TopHeight + m.BottomHeight, 15);
  EXPECT_EQ(m.LeftWidth, 12);
}

TEST(ScalePixels, WholeFactorsRepeatEachPixelAsABlock) {
  std::mt19937 random(7);
  for (int sourceBpp : {3, 4})
    for (int destBpp : {3, 4})
      for (int factor : {2, 3}) {
        Image source(7, 5, sourceBpp);
        for (int y = 0; y < source.height; ++y)
          for (int x = 0; x < source.width; ++x)
            source.Set(x, y, random() % 4 == 0 ? kMagenta : random() & 0xFFFFFF);
        Image dest(7 * factor, 5 * factor, destBpp);
        ScalePixels(source.Rows(), 7, 5, dest.MutableRows(), dest.width, dest.height, kKey);
        for (int y = 0; y < dest.height; ++y)
          for (int x = 0; x < dest.width; ++x)
            ASSERT_EQ(dest.Rgb(x, y), source.Rgb(x / factor, y / factor))
                << "factor " << factor << " at " << x << "," << y << " bpp " << sourceBpp << "->" << destBpp;
      }
}

// Green and blue have no red; the key has all of it, so any trace of the key shows as red.
TEST(ScalePixels, OtherFactorsNeverBlendTheKeyColourIn) {
  constexpr std::uint32_t kGreen = 0x00C800, kBlue = 0xC80000;
  Image source(12, 9, 3);
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < source.width; ++x)
      source.Set(x, y, (x + y) % 5 < 2 ? kMagenta : (x / 2 + y) % 2 ? kGreen : kBlue);
  for (int dpi : {120, 144, 168}) {
    const int w = ScaleLength(12, dpi), h = ScaleLength(9, dpi);
    Image dest(w, h, 4);
    ScalePixels(source.Rows(), 12, 9, dest.MutableRows(), w, h, kKey);
    int keys = 0, blends = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint32_t rgb = dest.Rgb(x, y);
        if (rgb == kMagenta) {
          ++keys;
          continue;
        }
        ASSERT_EQ(rgb & 0xFF, 0u) << "key colour blended in at " << x << "," << y << " dpi " << dpi;
        if (rgb != kGreen && rgb != kBlue) ++blends;
      }
    EXPECT_GT(keys, 0) << dpi;
    EXPECT_GT(blends, 0) << "no smooth filter at dpi " << dpi;
  }
}

// Frames 5 pixels wide (7.5 at 150%) in distinct colours, with two columns past the last frame.
TEST(ScaleFrameStrip, EveryFrameGetsTheSameWholeSizeAndOnlyItsOwnPixels) {
  const std::uint32_t colours[] = {0x0000C0, 0x00C000, 0xC00000};
  for (bool vertical : {false, true}) {
    const int width = vertical ? 4 : 17, height = vertical ? 17 : 4;
    Image source(width, height, 3);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const int frame = (vertical ? y : x) / 5;
        source.Set(x, y, frame < 3 ? colours[frame] : kMagenta);
      }
    const PixelSize size = ScaledStripSize(width, height, 3, vertical, 144);
    const PixelSize expected = vertical ? PixelSize{6, 24} : PixelSize{24, 6};
    EXPECT_EQ(size, expected);
    Image dest(size.width, size.height, 3);
    ScaleFrameStrip(source.Rows(), width, height, 3, vertical, 144, dest.MutableRows(), kKey);
    for (int y = 0; y < size.height; ++y)
      for (int x = 0; x < size.width; ++x)
        ASSERT_EQ(dest.Rgb(x, y), colours[(vertical ? y : x) / 8])
            << (vertical ? "stacked" : "side by side") << " at " << x << "," << y;
  }
}

}  // namespace
}  // namespace quarnel
