// Copies and stretches done in bitmap memory against GDI's own block transfers under Wine: every
// pixel must be the one StretchBlt (colour-on-colour) or BitBlt gives, for widening and
// narrowing in each direction, both pixel formats, and whole elements of many sizes.
#include "skin/data/draw/draw_memory_copy.h"

#include <gtest/gtest.h>

#include <cstring>

#include "draw_test_support.h"
#include "skin/data/draw/draw_helpers.h"

namespace quarnel {
namespace {

using draw_test::Paint;

std::unique_ptr<TBitmap> Numbered(int w, int h, TPixelFormat format) {
  return Paint(
      w, h, [](int x, int y) { return RGB(x * 5 + 1, y * 9 + 2, (x * y) % 251); }, format);
}

void ExpectSameBytes(TBitmap& a, TBitmap& b, const char* what, int from, int to) {
  for (int y = 0; y < a.Height(); ++y)
    ASSERT_EQ(std::memcmp(a.ScanLine(y), b.ScanLine(y), static_cast<size_t>(a.Width()) * a.BytesPerPixel()),
              0)
        << what << " " << from << " to " << to << ", row " << y;
}

TEST(MemoryCopy, StretchesTakeTheSourcePixelsStretchBltTakes) {
  for (TPixelFormat format : {pf24bit, pf32bit})
    for (bool vertical : {false, true})
      for (int from : {1, 2, 3, 7, 20, 33})
        for (int to : {1, 2, 5, 19, 20, 21, 64, 360}) {
          if (from == to) continue;
          auto source = Numbered(vertical ? 6 : from + 4, vertical ? from + 3 : 5, format);
          const int w = vertical ? 6 : to, h = vertical ? to : 5;
          auto byGdi = Paint(
              w + 3, h + 2, [](int, int) { return RGB(9, 9, 9); }, format);
          auto inMemory = Paint(
              w + 3, h + 2, [](int, int) { return RGB(9, 9, 9); }, format);
          const SkinRect src = vertical ? RectAt(0, 2, 6, from) : RectAt(3, 0, from, 5);
          const SkinRect dst = RectAt(2, 1, w, h);
          SetStretchBltMode(byGdi->DC(), COLORONCOLOR);
          StretchBlt(byGdi->DC(), dst.left, dst.top, w, h, source->DC(), src.left, src.top, src.Width(),
                     src.Height(), SRCCOPY);
          MemoryCopy memory(*inMemory, *source);
          ASSERT_TRUE(memory.Stretch(dst, src));
          ExpectSameBytes(*byGdi, *inMemory, vertical ? "vertical" : "horizontal", from, to);
        }
}

TEST(MemoryCopy, LeavesWhatItCannotDoToGdi) {
  auto source = Numbered(10, 10, pf24bit);
  auto target = Numbered(20, 20, pf24bit);
  auto wide = Numbered(20, 20, pf32bit);
  MemoryCopy memory(*target, *source);
  EXPECT_FALSE(memory.Stretch(RectAt(0, 0, 15, 15), RectAt(0, 0, 10, 10)));   // both directions
  EXPECT_FALSE(memory.Stretch(RectAt(10, 0, 15, 10), RectAt(0, 0, 10, 10)));  // past the target
  EXPECT_FALSE(memory.Copy(0, 0, 5, 5, 7, 7));                                // past the source
  MemoryCopy mixed(*wide, *source);
  EXPECT_FALSE(mixed.Copy(0, 0, 5, 5, 0, 0));
}

TEST(MemoryCopy, CopiesAreCutAtTheTargetEdgesLikeBitBlt) {
  auto source = Numbered(12, 9, pf24bit);
  auto byGdi = Numbered(10, 8, pf24bit), inMemory = Numbered(10, 8, pf24bit);
  MemoryCopy memory(*inMemory, *source);
  for (const auto& at : {RectAt(-3, -2, 12, 9), RectAt(4, 5, 12, 9), RectAt(8, -4, 4, 9)}) {
    BitBlt(byGdi->DC(), at.left, at.top, at.Width(), at.Height(), source->DC(), 0, 0, SRCCOPY);
    ASSERT_TRUE(memory.Copy(at.left, at.top, at.Width(), at.Height(), 0, 0));
  }
  ExpectSameBytes(*byGdi, *inMemory, "copies", 0, 0);
}

// The nine pieces executed with GDI only, into a new bitmap, as the reference.
std::unique_ptr<TBitmap> BuiltByGdi(int w, int h, TBitmap& image, const SkinMargins& m, bool vertical,
                                    bool tile, int n, int k) {
  auto out = std::make_unique<TBitmap>(w, h, pf24bit);
  HDC dc = out->DC();
  SetStretchBltMode(dc, COLORONCOLOR);
  const SkinRect frame = SelectFrame(image.Width(), image.Height(), n, k, vertical);
  for (const SkinPiece& p : NinePieces(frame, w, h, m, tile)) {
    if (p.tiled) {
      for (const SkinPiece& t : TilePieces(p.dest, p.source))
        BitBlt(dc, t.dest.left, t.dest.top, t.dest.Width(), t.dest.Height(), image.DC(), t.source.left,
               t.source.top, SRCCOPY);
    } else {
      StretchBlt(dc, p.dest.left, p.dest.top, p.dest.Width(), p.dest.Height(), image.DC(), p.source.left,
                 p.source.top, p.source.Width(), p.source.Height(), SRCCOPY);
    }
  }
  return out;
}

TEST(BuildSkinBitmap, SamePixelsAsGdiAloneForManySizes) {
  // A 3-frame horizontal image and a 2-frame stacked one; targets wider, narrower, taller and
  // lower than a frame, drawn in turn so that the reused surface holds older pixels.
  auto across = Numbered(3 * 23, 17, pf24bit);
  auto stacked = Numbered(19, 2 * 21, pf24bit);
  const SkinMargins m{5, 4, 6, 3};
  const int sizes[][2] = {{400, 30}, {23, 17}, {11, 17}, {60, 9}, {7, 40}, {100, 100}, {3, 3}, {23, 50}};
  for (bool tile : {false, true})
    for (const auto& size : sizes)
      for (bool vertical : {false, true}) {
        TBitmap& image = vertical ? *stacked : *across;
        const int n = vertical ? 2 : 3, k = vertical ? 2 : 3;
        auto want = BuiltByGdi(size[0], size[1], image, m, vertical, tile, n, k);
        auto built = BuildSkinBitmap(RECT{0, 0, size[0], size[1]}, image, m, vertical, tile, n, k);
        ExpectSameBytes(*want, *built, tile ? "built tiled" : "built stretched", size[0], size[1]);
        auto drawn = Paint(size[0], size[1], [](int, int) { return RGB(1, 2, 3); });
        DrawSkinElement(drawn->DC(), RECT{0, 0, size[0], size[1]}, image, vertical, tile, false, n, k, m);
        ExpectSameBytes(*want, *drawn, tile ? "drawn tiled" : "drawn stretched", size[0], size[1]);
      }
}

}  // namespace
}  // namespace quarnel
