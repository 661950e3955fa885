// Tests under Wine of TCanvas, TBrush, TPen and TImageList drawing into bitmaps.
#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"

namespace {

std::unique_ptr<TBitmap> Blank(int w, int h, COLORREF colour) {
  auto b = std::make_unique<TBitmap>(w, h);
  b->Canvas().Brush().SetColor(colour);
  b->Canvas().FillRect(RECT{0, 0, w, h});
  return b;
}

TEST(Canvas, RectangleUsesPenAndBrush) {
  auto b = Blank(10, 10, RGB(255, 255, 255));
  TCanvas& c = b->Canvas();
  c.Pen().SetColor(RGB(255, 0, 0));
  c.Brush().SetColor(RGB(0, 0, 255));
  c.Rectangle(1, 1, 8, 8);
  EXPECT_EQ(b->PixelAt(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(b->PixelAt(7, 4), RGB(255, 0, 0));
  EXPECT_EQ(b->PixelAt(4, 4), RGB(0, 0, 255));
  EXPECT_EQ(b->PixelAt(8, 8), RGB(255, 255, 255));
  c.Brush().SetStyle(bsClear);
  c.Pen().SetColor(RGB(0, 255, 0));
  c.Rectangle(2, 2, 6, 6);
  EXPECT_EQ(b->PixelAt(2, 2), RGB(0, 255, 0));
  EXPECT_EQ(b->PixelAt(4, 4), RGB(0, 0, 255));  // a clear brush leaves the inside
}

TEST(Canvas, TextUsesTheFontColourAndAClearBrushKeepsTheBackdrop) {
  auto b = Blank(60, 20, RGB(255, 255, 255));
  TCanvas& c = b->Canvas();
  c.Font().SetColor(RGB(255, 0, 0));
  c.Brush().SetStyle(bsClear);
  c.TextOut(2, 2, "Wg");
  int red = 0, other = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) {
      const COLORREF p = b->PixelAt(x, y);
      red += p == RGB(255, 0, 0);
      other += p != RGB(255, 0, 0) && p != RGB(255, 255, 255) &&
               (GetGValue(p) != GetBValue(p) || GetRValue(p) < GetGValue(p));
    }
  EXPECT_GT(red, 5);
  EXPECT_EQ(other, 0);
  const SIZE size = c.TextExtent("Wg");
  EXPECT_GT(size.cx, 0);
  EXPECT_GT(size.cy, 0);
  EXPECT_EQ(c.TextWidth("WgWg"), 2 * size.cx);
}

TEST(Canvas, TextRectClipsToItsRectangle) {
  auto b = Blank(60, 20, RGB(255, 255, 255));
  TCanvas& c = b->Canvas();
  c.Font().SetColor(RGB(0, 0, 0));
  c.Brush().SetColor(RGB(0, 255, 0));
  c.TextRect(RECT{0, 0, 10, 20}, 2, 2, "WWWWWWWW");
  EXPECT_EQ(b->PixelAt(9, 0), RGB(0, 255, 0));  // opaque background inside
  for (int y = 0; y < 20; ++y)
    for (int x = 10; x < 60; ++x) ASSERT_EQ(b->PixelAt(x, y), RGB(255, 255, 255)) << x << "," << y;
}

TEST(Canvas, DrawStretchDrawAndCopyRect) {
  TBitmap src(2, 2);
  src.Canvas().Brush().SetColor(RGB(255, 0, 255));
  src.Canvas().FillRect(RECT{0, 0, 2, 2});
  src.Canvas().SetPixel(0, 0, RGB(10, 20, 30));
  auto b = Blank(10, 10, RGB(255, 255, 255));
  b->Canvas().Draw(1, 1, src);
  EXPECT_EQ(b->PixelAt(1, 1), RGB(10, 20, 30));
  EXPECT_EQ(b->PixelAt(2, 2), RGB(255, 0, 255));
  src.SetTransparent(true);
  src.SetTransparentColor(clFuchsia);
  b->Canvas().Draw(5, 5, src);
  EXPECT_EQ(b->PixelAt(5, 5), RGB(10, 20, 30));
  EXPECT_EQ(b->PixelAt(6, 6), RGB(255, 255, 255));
  src.SetTransparent(false);
  b->Canvas().StretchDraw(RECT{0, 6, 4, 10}, src);
  EXPECT_EQ(b->PixelAt(1, 7), RGB(10, 20, 30));
  EXPECT_EQ(b->PixelAt(3, 9), RGB(255, 0, 255));
  auto copy = Blank(4, 4, RGB(0, 0, 0));
  copy->Canvas().CopyRect(RECT{0, 0, 2, 2}, b->Canvas(), RECT{5, 5, 7, 7});
  EXPECT_EQ(copy->PixelAt(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(copy->PixelAt(1, 1), RGB(255, 255, 255));
}

TEST(Canvas, BoundToAForeignDcAndRebound) {
  auto first = Blank(4, 4, RGB(255, 255, 255)), second = Blank(4, 4, RGB(255, 255, 255));
  HDC dc = first->DC();
  const HGDIOBJ brushBefore = GetCurrentObject(dc, OBJ_BRUSH);
  {
    TCanvas c(dc);
    c.Brush().SetColor(RGB(1, 200, 3));
    c.FillRect(RECT{0, 0, 2, 2});
    EXPECT_NE(GetCurrentObject(dc, OBJ_BRUSH), brushBefore);
    c.SetHandle(nullptr);
    EXPECT_FALSE(c.HandleAllocated());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brushBefore);  // its brush taken out again
    c.Brush().SetColor(RGB(9, 8, 7));
    c.FillRect(RECT{0, 0, 4, 4});  // unbound: draws nowhere
    c.SetHandle(second->DC());
    c.FillRect(RECT{2, 2, 4, 4});
  }
  EXPECT_EQ(first->PixelAt(1, 1), RGB(1, 200, 3));
  EXPECT_EQ(first->PixelAt(3, 3), RGB(255, 255, 255));
  EXPECT_EQ(second->PixelAt(3, 3), RGB(9, 8, 7));
  EXPECT_EQ(second->PixelAt(1, 1), RGB(255, 255, 255));
}

TEST(ImageList, AddsCellsAndDrawsOneWithOrWithoutItsMask) {
  TBitmap strip(12, 4);
  for (int i = 0; i < 3; ++i) {
    strip.Canvas().Brush().SetColor(RGB(80 * i, 50, 0));
    strip.Canvas().FillRect(RECT{4 * i, 0, 4 * i + 4, 4});
  }
  strip.Canvas().SetPixel(5, 1, RGB(255, 0, 255));
  TImageList list(4, 4);
  EXPECT_EQ(list.Add(strip), 0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.AddMasked(strip, clFuchsia), 3);
  EXPECT_EQ(list.Count(), 6);
  TBitmap narrow(3, 4);
  EXPECT_EQ(list.Add(narrow), -1);

  auto b = Blank(10, 10, RGB(255, 255, 255));
  list.Draw(b->Canvas(), 2, 2, 1);
  EXPECT_EQ(b->PixelAt(2, 2), RGB(80, 50, 0));
  EXPECT_EQ(b->PixelAt(3, 3), RGB(255, 0, 255));
  EXPECT_EQ(b->PixelAt(6, 6), RGB(255, 255, 255));
  // The masked copy keeps what is below its magenta.
  auto fresh = Blank(10, 10, RGB(255, 255, 255));
  list.Draw(fresh->Canvas(), 0, 0, 4);
  EXPECT_EQ(fresh->PixelAt(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(fresh->PixelAt(0, 0), RGB(80, 50, 0));
  list.Draw(fresh->Canvas(), 0, 0, 9);  // out of range: nothing
  list.SetSize(8, 8);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
