// Tests under Wine of TBitmap: sizes and formats that keep their pixels, row access after canvas
// drawing, BMP loading and saving, the transparent colour and handle copies.
#include <gtest/gtest.h>

#include <sstream>

#include "framework/graphics/bitmap.h"
#include "graphics_bmp_builder.h"

namespace {

void Fill(TBitmap& b, COLORREF (*colour)(int, int)) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      uint8_t* p = b.ScanLine(y) + x * b.BytesPerPixel();
      const COLORREF c = colour(x, y);
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
}
COLORREF Pattern(int x, int y) {
  return RGB(10 * x, 20 * y, 200);
}

TEST(Bitmap, ResizeKeepsTheOverlapAndClearsTheRest) {
  TBitmap b(4, 3);
  Fill(b, Pattern);
  b.SetSize(6, 2);
  ASSERT_EQ(b.Width(), 6);
  ASSERT_EQ(b.Height(), 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.PixelAt(x, y), Pattern(x, y));
    EXPECT_EQ(b.PixelAt(5, y), 0u);
  }
  b.SetWidth(0);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Handle(), nullptr);
  EXPECT_EQ(b.ScanLine(0), nullptr);
}

TEST(Bitmap, FormatChangesConvertThePixels) {
  TBitmap b(5, 2, pf24bit);
  EXPECT_EQ(b.Stride(), 16);  // 15 bytes padded to 4
  Fill(b, Pattern);
  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(b.Stride(), 20);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(b.PixelAt(x, 1), Pattern(x, 1));
  b.SetPixelFormat(pf24bit);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(b.PixelAt(x, 1), Pattern(x, 1));
}

TEST(Bitmap, CanvasDrawingIsVisibleInTheRows) {
  TBitmap b(10, 10);
  b.Canvas().Brush().SetColor(RGB(1, 2, 3));
  b.Canvas().FillRect(RECT{0, 0, 10, 10});
  b.Canvas().Brush().SetColor(RGB(200, 100, 50));
  b.Canvas().FillRect(RECT{2, 3, 5, 6});
  EXPECT_EQ(b.PixelAt(2, 3), RGB(200, 100, 50));
  EXPECT_EQ(b.PixelAt(4, 5), RGB(200, 100, 50));
  EXPECT_EQ(b.PixelAt(5, 5), RGB(1, 2, 3));
  // Resizing keeps the canvas working on the new pixels.
  b.SetSize(20, 20);
  b.Canvas().FillRect(RECT{15, 15, 20, 20});
  EXPECT_EQ(b.PixelAt(19, 19), RGB(200, 100, 50));
  EXPECT_EQ(b.PixelAt(3, 4), RGB(200, 100, 50));
}

TEST(Bitmap, LoadsBmpFilesOfEveryDepth) {
  bmp_test::BmpSpec s;
  s.width = 3;
  s.height = 2;
  s.bits = 8;
  s.palette = {0x0000FF, 0x00FF00, 0xFF0000};
  s.pixels = {0, 1, 2, 2, 1, 0};
  const auto file = bmp_test::EncodeBmp(s);
  std::istringstream in(std::string(file.begin(), file.end()));
  TBitmap b;
  ASSERT_TRUE(b.LoadFromStream(in));
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.PixelAt(0, 0), RGB(0, 0, 255));  // palette 0x0000FF is blue
  EXPECT_EQ(b.PixelAt(2, 0), RGB(255, 0, 0));
  EXPECT_EQ(b.PixelAt(0, 1), RGB(255, 0, 0));

  bmp_test::BmpSpec wide;
  wide.width = 2;
  wide.height = 1;
  wide.bits = 32;
  wide.pixels = {0x11223344, 0x00FF00FF};
  const auto file32 = bmp_test::EncodeBmp(wide);
  ASSERT_TRUE(b.LoadFromMemory(file32.data(), file32.size()));
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_EQ(b.ScanLine(0)[3], 0x11);
  EXPECT_EQ(b.PixelAt(1, 0), RGB(255, 0, 255));
}

TEST(Bitmap, MalformedStreamLeavesAnEmptyImage) {
  TBitmap b(8, 8);
  std::istringstream in(std::string("BM\x10\0\0\0garbage", 13));
  EXPECT_FALSE(b.LoadFromStream(in));
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, SaveAndLoadRoundTrip) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap b(7, 5, format);
    Fill(b, Pattern);
    std::stringstream io;
    b.SaveToStream(io);
    TBitmap back;
    ASSERT_TRUE(back.LoadFromStream(io));
    EXPECT_EQ(back.PixelFormat(), format);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_EQ(back.PixelAt(x, y), Pattern(x, y));
  }
}

TEST(Bitmap, SaveToMemoryGivesAWholeBottomUpFile) {
  TBitmap b(3, 2, pf24bit);
  Fill(b, Pattern);
  const std::vector<uint8_t> bytes = b.SaveToMemory();
  const uint32_t stride = 12;  // three 24-bit pixels padded to four bytes
  ASSERT_EQ(bytes.size(), 54u + 2 * stride);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(bytes[2] | bytes[3] << 8, static_cast<int>(bytes.size()));  // bfSize
  EXPECT_EQ(bytes[10], 54);                                             // bfOffBits
  // The first stored row is the bottom one, blue first.
  EXPECT_EQ(bytes[54], GetBValue(Pattern(0, 1)));
  EXPECT_EQ(bytes[55], GetGValue(Pattern(0, 1)));
  EXPECT_EQ(bytes[56], GetRValue(Pattern(0, 1)));
  TBitmap back;
  ASSERT_TRUE(back.LoadFromMemory(bytes.data(), bytes.size()));
  EXPECT_EQ(back.PixelAt(2, 0), Pattern(2, 0));
}

TEST(Bitmap, TransparentColourAutoAndFixed) {
  TBitmap b(4, 4);
  Fill(b, Pattern);
  EXPECT_EQ(b.TransparentMode(), tmAuto);
  EXPECT_EQ(b.TransparentColor(), static_cast<TColor>(Pattern(0, 3)));  // bottom-left pixel
  b.SetTransparentColor(clFuchsia);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_EQ(b.TransparentColor(), clFuchsia);
  b.SetTransparentColor(clDefault);
  EXPECT_EQ(b.TransparentMode(), tmAuto);
}

TEST(Bitmap, AssignAndHandleCopiesAreIndependent) {
  TBitmap a(3, 3, pf32bit);
  Fill(a, Pattern);
  a.SetTransparent(true);
  TBitmap b;
  b.Assign(a);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_NE(b.Handle(), a.Handle());
  b.ScanLine(0)[0] = 0x99;
  EXPECT_EQ(a.PixelAt(0, 0), Pattern(0, 0));

  TBitmap c;
  ASSERT_TRUE(c.AssignHandle(a.Handle(), pf24bit));
  EXPECT_EQ(c.Width(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(c.PixelAt(x, y), Pattern(x, y));
}

}  // namespace
