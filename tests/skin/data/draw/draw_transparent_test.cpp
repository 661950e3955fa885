// Pixel-exact tests of transparent drawing under Wine beyond the basic cases: destinations of 24
// and 32 bits (every destination byte of a key pixel stays), DCs that take the masked transfer,
// and a long sequence of sizes through the reused scratch bitmaps, compared with a pixel-by-pixel
// expectation.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "draw_test_support.h"
#include "skin/data/draw/draw_helpers.h"

namespace quarnel {
namespace {

using draw_test::Paint;

// An image of w x h whose pixels are magenta in blocks and otherwise a function of their place.
std::unique_ptr<TBitmap> Spotted(int w, int h, int seed, TPixelFormat format = pf24bit) {
  return Paint(
      w, h,
      [seed](int x, int y) {
        return ((x / 3 + y / 2 + seed) % 5 == 0) ? RGB(255, 0, 255) : RGB((x * 7 + seed) % 256, y % 256, 99);
      },
      format);
}

// A target whose every byte (X included) is a function of its place.
std::unique_ptr<TBitmap> Noise(int w, int h, TPixelFormat format) {
  auto b = std::make_unique<TBitmap>(w, h, format);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = b->ScanLine(y);
    for (int i = 0; i < w * b->BytesPerPixel(); ++i) row[i] = static_cast<uint8_t>(i * 31 + y * 17 + 5);
  }
  return b;
}

// Draws `image` transparently at (x, y) of a copy of `before` and checks every byte: the image's
// pixels where it is not magenta (as a plain copy would put them), the old bytes elsewhere. The
// XOR/AND/XOR sequence works on colours only: there the X byte of 32-bit pixels is not checked.
void ExpectTransparentDraw(GdiPlatform platform, TBitmap& image, TBitmap& before, int x, int y) {
  const TPixelFormat format = before.PixelFormat();
  const int w = before.Width(), h = before.Height();
  auto drawn = Noise(w, h, format), copied = Noise(w, h, format);
  const RECT rect{x, y, x + image.Width(), y + image.Height()};
  DrawTransparentOn(platform, drawn->DC(), rect, image, kSkinTransparentColor);
  BitBlt(copied->DC(), x, y, image.Width(), image.Height(), image.DC(), 0, 0, SRCCOPY);
  const int bpp = drawn->BytesPerPixel();
  const int checked = platform == GdiPlatform::Nt ? bpp : 3;
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) {
      const bool inside = px >= x && px < rect.right && py >= y && py < rect.bottom;
      const bool key = inside && image.PixelAt(px - x, py - y) == RGB(255, 0, 255);
      const uint8_t* want = (inside && !key ? *copied : before).ScanLine(py) + px * bpp;
      ASSERT_EQ(std::memcmp(drawn->ScanLine(py) + px * bpp, want, checked), 0)
          << (platform == GdiPlatform::Nt ? "NT, " : "9x, ") << bpp * 8 << " bits, image " << image.Width()
          << "x" << image.Height() << " at " << px << "," << py;
    }
}

TEST(DrawTransparent, KeepsEveryDestinationByteOfKeyPixels) {
  for (TPixelFormat targetFormat : {pf24bit, pf32bit})
    for (TPixelFormat imageFormat : {pf24bit, pf32bit}) {
      auto image = Spotted(23, 9, 1, imageFormat);
      auto before = Noise(30, 12, targetFormat);
      ExpectTransparentDraw(GdiPlatform::Nt, *image, *before, 4, 2);
      ExpectTransparentDraw(GdiPlatform::Win9x, *image, *before, 4, 2);
    }
}

TEST(DrawTransparent, ReusedScratchGivesTheSamePixelsOverManySizes) {
  // Large, small, odd widths and heights in turn, one larger than any bitmap the drawing keeps:
  // no pixel of an earlier draw may show in a later one.
  std::mt19937 random(11);
  const int sizes[][2] = {{64, 40}, {1, 1}, {17, 3}, {3, 17}, {1000, 600}, {33, 21}, {64, 40}, {5, 2}};
  for (int round = 0; round < 2; ++round)
    for (const auto& size : sizes) {
      auto image = Spotted(size[0], size[1], static_cast<int>(random() % 50));
      auto before = Noise(size[0] + 6, size[1] + 4, pf24bit);
      ExpectTransparentDraw(GdiPlatform::Nt, *image, *before, 3, 1);
      if (size[0] < 100) ExpectTransparentDraw(GdiPlatform::Win9x, *image, *before, 3, 1);
    }
}

TEST(DrawTransparent, ScaledDestinationTakesTheMaskedTransferWithTheSameResult) {
  auto image = Spotted(20, 10, 3);
  auto before = Noise(26, 14, pf24bit);
  auto drawn = Noise(26, 14, pf24bit);
  HDC dc = drawn->DC();
  // An isotropic mapping of scale 1 still counts as scaled: the DC cannot be read back as is.
  SetMapMode(dc, MM_ISOTROPIC);
  SetWindowExtEx(dc, 1, 1, nullptr);
  SetViewportExtEx(dc, 1, 1, nullptr);
  DrawTransparentOn(GdiPlatform::Nt, dc, RECT{2, 3, 22, 13}, *image, kSkinTransparentColor);
  SetMapMode(dc, MM_TEXT);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 26; ++x) {
      const bool inside = x >= 2 && x < 22 && y >= 3 && y < 13;
      const COLORREF src = inside ? image->PixelAt(x - 2, y - 3) : 0;
      ASSERT_EQ(drawn->PixelAt(x, y), inside && src != RGB(255, 0, 255) ? src : before->PixelAt(x, y))
          << x << "," << y;
    }
}

TEST(DrawSkinFrameCentred, TransparentFrameTakesItsOwnPartOfTheImage) {
  // Frame 2 of 3 (x 10 to 19), centred in a 30 x 14 rectangle at (4, 3) of the target.
  auto image = Paint(30, 6, [](int x, int y) {
    if (x >= 10 && x < 20 && (x + y) % 4 == 0) return RGB(255, 0, 255);
    return RGB(x * 8, y * 40, 7);
  });
  auto target = Noise(40, 20, pf24bit);
  auto before = Noise(40, 20, pf24bit);
  DrawSkinFrameCentred(target->DC(), RECT{4, 3, 34, 17}, *image, true, 3, 2);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const int ix = x - 14 + 10, iy = y - 7;  // left 4 + (30 - 10) / 2, top 3 + (14 - 6) / 2
      const bool inside = ix >= 10 && ix < 20 && iy >= 0 && iy < 6;
      const COLORREF src = inside ? image->PixelAt(ix, iy) : 0;
      ASSERT_EQ(target->PixelAt(x, y), inside && src != RGB(255, 0, 255) ? src : before->PixelAt(x, y))
          << x << "," << y;
    }
}

}  // namespace
}  // namespace quarnel
