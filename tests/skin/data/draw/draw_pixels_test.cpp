// Native tests of the key-colour pixel loops: drawn pixels copied over the destination for every
// pair of pixel sizes and row widths around the block sizes of the search, and one-bit masks.
#include "skin/data/draw/draw_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace quarnel {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

struct Image {
  int width = 0, height = 0, bpp = 3, stride = 0;
  std::vector<std::uint8_t> bytes;
  Image(int w, int h, int bytesPerPixel) : width(w), height(h), bpp(bytesPerPixel) {
    stride = (w * bpp + 3) & ~3;
    bytes.assign(static_cast<size_t>(stride) * h, 0);
  }
  std::uint8_t* At(int x, int y) { return bytes.data() + y * stride + x * bpp; }
  void Set(int x, int y, std::uint32_t rgb, std::uint8_t extra = 0) {  // rgb as 0x00BBGGRR
    std::uint8_t* p = At(x, y);
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
    if (bpp == 4) p[3] = extra;
  }
  PixelRows Rows() const { return {bytes.data(), stride, bpp}; }
  MutablePixelRows MutableRows() { return {bytes.data(), stride, bpp}; }
};

// Key pixels in runs of random length, other pixels random, sometimes one step off the key.
Image RandomSource(int w, int h, int bpp, std::mt19937& random) {
  Image image(w, h, bpp);
  for (int y = 0; y < h; ++y) {
    bool key = random() % 2 == 0;
    int left = 0;
    for (int x = 0; x < w; ++x) {
      if (left-- == 0) {
        key = !key;
        left = static_cast<int>(random() % 40);
      }
      std::uint32_t colour = random() & 0xFFFFFF;
      if (random() % 8 == 0) colour = kMagenta ^ (1u << (random() % 24));  // one bit off the key
      image.Set(x, y, key ? kMagenta : colour, static_cast<std::uint8_t>(random()));
    }
  }
  return image;
}

TEST(CopyUnkeyedPixels, MatchesAPixelByPixelCopyForEverySizePair) {
  std::mt19937 random(5);
  for (int sourceBpp : {3, 4})
    for (int destBpp : {3, 4})
      for (int w : {1, 2, 3, 4, 5, 15, 16, 17, 31, 33, 47, 48, 64, 65, 130, 401}) {
        const Image source = RandomSource(w, 3, sourceBpp, random);
        Image dest(w, 3, destBpp);
        for (auto& b : dest.bytes) b = static_cast<std::uint8_t>(random());
        Image want = dest;
        for (int y = 0; y < 3; ++y)
          for (int x = 0; x < w; ++x) {
            const std::uint8_t* s = source.bytes.data() + y * source.stride + x * sourceBpp;
            if (s[0] == 0xFF && s[1] == 0x00 && s[2] == 0xFF) continue;  // the key: dest stays
            std::uint8_t* d = want.At(x, y);
            d[0] = s[0], d[1] = s[1], d[2] = s[2];
            if (destBpp == 4) d[3] = sourceBpp == 4 ? s[3] : 0;
          }
        CopyUnkeyedPixels(source.Rows(), dest.MutableRows(), w, 3, KeyPixel(kMagenta));
        ASSERT_EQ(dest.bytes, want.bytes) << sourceBpp << " to " << destBpp << " bytes, width " << w;
      }
}

TEST(CopyUnkeyedPixels, KeyIsComparedOnColourBytesOnly) {
  Image source(20, 1, 4), dest(20, 1, 4);
  for (int x = 0; x < 20; ++x) {
    source.Set(x, 0, x == 7 || x == 18 ? 0x123456 : 0xABCDEF, static_cast<std::uint8_t>(x * 13));
    dest.Set(x, 0, 0x010203, 0x99);
  }
  CopyUnkeyedPixels(source.Rows(), dest.MutableRows(), 20, 1, KeyPixel(0x123456));
  for (int x = 0; x < 20; ++x) {
    const std::uint8_t* d = dest.At(x, 0);
    if (x == 7 || x == 18) {
      EXPECT_EQ(d[2], 0x03);
      EXPECT_EQ(d[3], 0x99);
    } else {
      EXPECT_EQ(d[2], 0xEF);
      EXPECT_EQ(d[3], static_cast<std::uint8_t>(x * 13));
    }
  }
}

TEST(CopyUnkeyedPixels, StaysInsideTheWidthAndHeight) {
  std::mt19937 random(9);
  const Image source = RandomSource(40, 4, 3, random);
  Image dest(40, 4, 3);
  for (auto& b : dest.bytes) b = 0x5A;
  CopyUnkeyedPixels(source.Rows(), dest.MutableRows(), 17, 2, KeyPixel(kMagenta));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 40; ++x)
      if (x >= 17 || y >= 2) {
        ASSERT_EQ(dest.At(x, y)[0], 0x5A) << x << "," << y;
      }
}

TEST(BuildKeyMask, SetsBitsOfKeyPixelsFromTheTopBitAndClearsThePadding) {
  std::mt19937 random(3);
  for (int bpp : {3, 4})
    for (int w : {1, 7, 8, 9, 16, 17, 50}) {
      const Image source = RandomSource(w, 2, bpp, random);
      const int stride = ((w + 31) / 32) * 4;
      std::vector<std::uint8_t> mask(static_cast<size_t>(stride) * 2, 0xFF);
      BuildKeyMask(source.Rows(), w, 2, KeyPixel(kMagenta), mask.data(), stride);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < stride * 8; ++x) {
          const bool bit = (mask[y * stride + x / 8] >> (7 - x % 8)) & 1;
          const std::uint8_t* s = source.bytes.data() + y * source.stride + x * bpp;
          const bool key = x < w && s[0] == 0xFF && s[1] == 0 && s[2] == 0xFF;
          ASSERT_EQ(bit, key) << bpp << " bytes, width " << w << " at " << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace quarnel
