// Tests of BMP decoding: every supported depth and row order, and malformed files that must give
// an empty image without reading outside the data (the native build runs under AddressSanitizer).
#include <gtest/gtest.h>

#include "framework/graphics/bmp_decode.h"
#include "graphics_bmp_builder.h"

namespace {

using bmp_test::BmpSpec;
using bmp_test::EncodeBmp;
using bmp_test::Put16;
using bmp_test::Put32;

fw::bmp::DecodedImage Decode(const std::vector<uint8_t>& file) {
  return fw::bmp::Decode(file.data(), file.size());
}

BmpSpec Rgb24(int w, int h) {
  BmpSpec s;
  s.width = w;
  s.height = h;
  for (int i = 0; i < w * h; ++i) s.pixels.push_back(0x010203u * (i + 1));
  return s;
}

TEST(BmpDecode, TwentyFourBitBothRowOrders) {
  for (bool topDown : {false, true}) {
    BmpSpec s = Rgb24(3, 2);  // odd width: rows are padded
    s.topDown = topDown;
    auto img = Decode(EncodeBmp(s));
    ASSERT_EQ(img.width, 3);
    ASSERT_EQ(img.height, 2);
    EXPECT_EQ(img.source_bits, 24);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(img.pixels[i], s.pixels[i]) << "pixel " << i;
  }
}

TEST(BmpDecode, PalettedDepths) {
  for (int bits : {1, 4, 8}) {
    BmpSpec s;
    s.width = 13;  // not a whole byte of pixels
    s.height = 3;
    s.bits = bits;
    const int colours = 1 << bits;
    for (int i = 0; i < colours; ++i) s.palette.push_back((0x102030u + 0x030507u * i) & 0xFFFFFFu);
    for (int i = 0; i < 39; ++i) s.pixels.push_back(static_cast<uint32_t>((i * 7) % colours));
    auto img = Decode(EncodeBmp(s));
    ASSERT_EQ(img.width, 13) << bits;
    for (int i = 0; i < 39; ++i)
      EXPECT_EQ(img.pixels[i], s.palette[s.pixels[i]]) << bits << " bits, pixel " << i;
  }
}

TEST(BmpDecode, IndexBeyondAShortPaletteReadsBlack) {
  BmpSpec s;
  s.width = 2;
  s.height = 1;
  s.bits = 8;
  s.palette = {0x112233, 0x445566};
  s.pixels = {1, 200};
  auto img = Decode(EncodeBmp(s));
  ASSERT_EQ(img.width, 2);
  EXPECT_EQ(img.pixels[0], 0x445566u);
  EXPECT_EQ(img.pixels[1], 0u);
}

TEST(BmpDecode, CoreHeaderWithThreeBytePalette) {
  BmpSpec s;
  s.headerSize = 12;
  s.width = 4;
  s.height = 2;
  s.bits = 1;
  s.palette = {0x000000, 0xFFFFFF};
  s.pixels = {1, 0, 1, 0, 0, 1, 0, 1};
  auto img = Decode(EncodeBmp(s));
  ASSERT_EQ(img.width, 4);
  EXPECT_EQ(img.pixels[0], 0xFFFFFFu);
  EXPECT_EQ(img.pixels[5], 0xFFFFFFu);
  EXPECT_EQ(img.pixels[4], 0u);
}

TEST(BmpDecode, SixteenBitDefaultAndFieldMasks) {
  BmpSpec s;
  s.width = 3;
  s.height = 1;
  s.bits = 16;
  s.pixels = {0x7C00, 0x03E0, 0x001F};  // 5-5-5 red, green, blue
  auto img = Decode(EncodeBmp(s));
  ASSERT_EQ(img.width, 3);
  EXPECT_EQ(img.pixels[0], 0xFF0000u);
  EXPECT_EQ(img.pixels[1], 0x00FF00u);
  EXPECT_EQ(img.pixels[2], 0x0000FFu);

  s.compression = 3;
  s.masks[0] = 0xF800;
  s.masks[1] = 0x07E0;
  s.masks[2] = 0x001F;
  s.pixels = {0xF800, 0x0400, 0x0010};  // 5-6-5: full red, green 32 of 63, blue 16 of 31
  img = Decode(EncodeBmp(s));
  ASSERT_EQ(img.width, 3);
  EXPECT_EQ(img.pixels[0], 0xFF0000u);
  EXPECT_EQ(img.pixels[1], 0x008200u);  // 32 * 255 / 63 = 129.5
  EXPECT_EQ(img.pixels[2], 0x000084u);  // 16 * 255 / 31 = 131.6
}

TEST(BmpDecode, ThirtyTwoBitKeepsTheFourthByte) {
  BmpSpec s;
  s.width = 2;
  s.height = 1;
  s.bits = 32;
  s.pixels = {0x80112233, 0x00445566};
  auto img = Decode(EncodeBmp(s));
  ASSERT_EQ(img.width, 2);
  EXPECT_EQ(img.source_bits, 32);
  EXPECT_EQ(img.pixels[0], 0x80112233u);
  EXPECT_EQ(img.pixels[1], 0x00445566u);
}

TEST(BmpDecode, ThirtyTwoBitFieldsInAVersionFiveHeader) {
  BmpSpec s;
  s.width = 1;
  s.height = 1;
  s.bits = 32;
  s.headerSize = 124;
  s.compression = 3;
  s.masks[0] = 0x000000FF;  // red in the lowest byte
  s.masks[1] = 0x0000FF00;
  s.masks[2] = 0x00FF0000;
  s.pixels = {0x00CCBBAA};
  auto img = Decode(EncodeBmp(s));
  ASSERT_EQ(img.width, 1);
  EXPECT_EQ(img.pixels[0], 0x00AABBCCu);
}

TEST(BmpDecode, MalformedHeadersGiveAnEmptyImage) {
  const std::vector<uint8_t> good = EncodeBmp(Rgb24(4, 4));
  ASSERT_FALSE(Decode(good).empty());
  auto broken = [&](auto change) {
    std::vector<uint8_t> f = good;
    change(f);
    return Decode(f).empty();
  };
  EXPECT_TRUE(broken([](auto& f) { f[0] = 'X'; }));
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 14, 41); }));          // unknown header size
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 14, 0x7FFFFFFF); }));  // header larger than the file
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 18, 0); }));           // no width
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 18, 0xFFFFFFFC); }));  // negative width
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 22, 0); }));           // no height
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 22, 0x80000000); }));  // height that cannot be negated
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 18, 40000); }));       // wider than allowed
  EXPECT_TRUE(broken([](auto& f) { Put16(f, 26, 2); }));           // planes
  EXPECT_TRUE(broken([](auto& f) { Put16(f, 28, 7); }));           // depth
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 30, 1); }));           // run-length on 24 bits
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 30, 3); }));           // bit fields on 24 bits
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 10, 20); }));          // pixels inside the header
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 10, 0xFFFFFFF0); }));  // pixels past the end
  EXPECT_TRUE(broken([](auto& f) { Put32(f, 22, 1000); }));        // more rows than data
}

TEST(BmpDecode, TooManyPixelsAreRefusedEvenWithTheirData) {
  BmpSpec s;
  s.width = 1;
  s.height = 1;
  s.bits = 1;
  s.palette = {0, 0xFFFFFF};
  s.pixels = {1};
  std::vector<uint8_t> f = EncodeBmp(s);
  const size_t offBits = f.size() - 4;
  const int width = 4097, height = 4096;  // just over the pixel limit, 2 MB of rows
  ASSERT_GT(int64_t{width} * height, fw::bmp::kMaxPixels);
  Put32(f, 18, width);
  Put32(f, 22, height);
  f.resize(offBits + (width + 31) / 32 * 4 * static_cast<size_t>(height), 0);
  EXPECT_TRUE(Decode(f).empty());
  Put32(f, 22, height - 1);  // under the limit: decoded
  EXPECT_EQ(Decode(f).height, height - 1);
}

TEST(BmpDecode, PaletteAndMaskChecks) {
  BmpSpec s;
  s.width = 2;
  s.height = 2;
  s.bits = 4;
  s.palette.assign(16, 0x808080);
  s.pixels = {0, 1, 2, 3};
  std::vector<uint8_t> f = EncodeBmp(s);
  Put32(f, 46, 17);  // more colours than 4 bits can index
  EXPECT_TRUE(Decode(f).empty());
  Put32(f, 46, 0x40000000);  // a palette far past the end
  EXPECT_TRUE(Decode(f).empty());

  BmpSpec m;
  m.width = 1;
  m.height = 1;
  m.bits = 16;
  m.compression = 3;
  m.masks[0] = 0xF0F0;  // not one run of bits
  m.masks[1] = 0x0F00;
  m.masks[2] = 0x000F;
  m.pixels = {0};
  EXPECT_TRUE(Decode(EncodeBmp(m)).empty());
  m.masks[0] = 0x1F0000;  // outside a 16-bit pixel
  EXPECT_TRUE(Decode(EncodeBmp(m)).empty());
}

TEST(BmpDecode, EveryTruncationIsRefusedOrHarmless) {
  BmpSpec s = Rgb24(5, 3);
  const std::vector<uint8_t> full = EncodeBmp(s);
  const size_t stride = 16, lastRowBytes = 15;
  for (size_t n = 0; n < full.size(); ++n) {
    const std::vector<uint8_t> cut(full.begin(), full.begin() + n);  // exactly n bytes: ASan sees overreads
    auto img = Decode(cut);
    // Only the padding of the last row may be missing.
    if (n >= full.size() - (stride - lastRowBytes)) {
      EXPECT_FALSE(img.empty()) << n;
    } else {
      EXPECT_TRUE(img.empty()) << n;
    }
  }
  EXPECT_TRUE(fw::bmp::Decode(nullptr, 100).empty());
}

// A run-length file: 40-byte header, `palette`, then `data` as given.
std::vector<uint8_t> RleFile(int w, int h, int bits, const std::vector<uint32_t>& palette,
                             const std::vector<uint8_t>& data) {
  BmpSpec s;
  s.width = w;
  s.height = 0;  // no plain rows: the encoded data follows
  s.bits = bits;
  s.palette = palette;
  std::vector<uint8_t> f = EncodeBmp(s);
  Put32(f, 22, static_cast<uint32_t>(h));
  Put32(f, 30, bits == 8 ? 1 : 2);
  f.insert(f.end(), data.begin(), data.end());
  Put32(f, 2, static_cast<uint32_t>(f.size()));
  return f;
}

std::vector<uint32_t> Expected(const std::vector<uint32_t>& palette, const std::vector<int>& indices) {
  std::vector<uint32_t> out;
  for (int i : indices) out.push_back(palette[static_cast<size_t>(i)]);
  return out;
}

TEST(BmpDecode, RunLengthEightBitsEveryEscape) {
  const std::vector<uint32_t> pal = {0x111111, 0xAA0000, 0x00BB00, 0x0000CC, 0x444444};
  const std::vector<uint8_t> data = {
      0x03, 0x01,                          // bottom row: three of 1,
      0x00, 0x03, 0x02, 0x03, 0x04, 0x00,  // then 2, 3, 4 literally (4 is past the edge), padded
      0x00, 0x00,                          // end of line
      0x00, 0x02, 0x02, 0x01,              // move right 2, up 1: the middle row stays untouched
      0x02, 0x03,                          // two of 3 at x = 2 of the top row
      0x00, 0x01,                          // end of bitmap
      0x07, 0x04};                         // never read
  auto img = Decode(RleFile(5, 3, 8, pal, data));
  ASSERT_EQ(img.width, 5);
  ASSERT_EQ(img.height, 3);
  EXPECT_EQ(img.source_bits, 8);
  EXPECT_EQ(img.pixels, Expected(pal, {0, 0, 3, 3, 0,  //
                                       0, 0, 0, 0, 0,  //
                                       1, 1, 1, 2, 3}));
}

TEST(BmpDecode, RunLengthFourBitsAlternatesNibbles) {
  std::vector<uint32_t> pal;
  for (uint32_t i = 0; i < 16; ++i) pal.push_back(0x0F0E0Du * i + 0x010000u);
  const std::vector<uint8_t> data = {0x05, 0x12, 0x00, 0x00,  // bottom row: 1 2 1 2 1, end of line
                                     0x00, 0x03, 0xAB, 0xC0,  // top row: A B C literally (two bytes, no pad)
                                     0x00, 0x05, 0x34, 0x56,
                                     0x70, 0x00,  // 3 4 5 (6 and 7 past the edge), padded
                                     0x00, 0x01};
  auto img = Decode(RleFile(6, 2, 4, pal, data));
  ASSERT_EQ(img.width, 6);
  EXPECT_EQ(img.source_bits, 4);
  EXPECT_EQ(img.pixels, Expected(pal, {10, 11, 12, 3, 4, 5,  //
                                       1, 2, 1, 2, 1, 0}));
}

TEST(BmpDecode, RunLengthDamageIsContained) {
  const std::vector<uint32_t> pal = {0x111111, 0x222222};
  // Data that stops early keeps what it reached; the rest stays at index 0.
  auto img = Decode(RleFile(2, 2, 8, pal, {0x02, 0x01, 0x00}));
  ASSERT_EQ(img.height, 2);
  EXPECT_EQ(img.pixels, Expected(pal, {0, 0, 1, 1}));
  // Moves and runs far outside the image, and a literal run longer than the data.
  img = Decode(
      RleFile(2, 2, 8, pal, {0x02, 0x01, 0x00, 0x02, 0xFF, 0x00, 0xFF, 0x01, 0x00, 0x00, 0x00, 0xFE, 0x01}));
  ASSERT_EQ(img.height, 2);
  EXPECT_EQ(img.pixels, Expected(pal, {0, 0, 1, 1}));
  img = Decode(RleFile(2, 2, 8, pal, {0x00, 0x02, 0x00, 0xFF, 0x02, 0x01}));  // moved above the top
  EXPECT_EQ(img.pixels, Expected(pal, {0, 0, 0, 0}));
  // Index past a short palette reads black, as for plain files.
  img = Decode(RleFile(1, 1, 8, pal, {0x01, 0x09, 0x00, 0x01}));
  ASSERT_EQ(img.pixels.size(), 1u);
  EXPECT_EQ(img.pixels[0], 0u);
  // Run-length data is refused top-down and at a depth that is not its own.
  std::vector<uint8_t> f = RleFile(2, 2, 8, pal, {0x00, 0x01});
  Put32(f, 22, static_cast<uint32_t>(-2));
  EXPECT_TRUE(Decode(f).empty());
  f = RleFile(2, 2, 8, pal, {0x00, 0x01});
  Put32(f, 30, 2);
  EXPECT_TRUE(Decode(f).empty());
  // Every truncation of a full file decodes or refuses without reading past its end.
  const std::vector<uint8_t> full = RleFile(
      5, 3, 8, {0x1, 0x2, 0x3, 0x4, 0x5},
      {0x03, 0x01, 0x00, 0x03, 0x02, 0x03, 0x04, 0x00, 0x00, 0x02, 0x02, 0x01, 0x02, 0x03, 0x00, 0x01});
  for (size_t n = 0; n < full.size(); ++n) {
    const std::vector<uint8_t> cut(full.begin(), full.begin() + n);
    auto part = Decode(cut);
    if (!part.empty()) {
      EXPECT_EQ(part.pixels.size(), 15u) << n;
    }
  }
}

}  // namespace
