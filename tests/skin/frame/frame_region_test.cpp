// The window outline: magenta pixels of transparent border pieces are cut away, a skin without
// transparent pieces gives the whole rectangle, and a region is built once per size change.
#include <gtest/gtest.h>

#include "frame_test_support.h"
#include "skin/frame/frame_paint.h"

namespace quarnel::frametest {
namespace {

class FrameRegionTest : public FrameTest {};

fw::UniqueRegion WindowRegion(HWND window) {
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.get()) == ERROR) return fw::UniqueRegion();
  return region;
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

TEST_F(FrameRegionTest, BuiltInSkinCutsTheRoundedCornersWhereItsImagesAreMagenta) {
  auto skin = LoadSkin(BuiltInPackage());
  SkinnedWindow w(*skin, L"Corners");
  fw::UniqueRegion region = WindowRegion(w.hwnd());
  ASSERT_TRUE(region);
  TBitmap& left = skin->FrameLeft->Image;
  TBitmap& top = skin->FrameTop->Image;
  int cut = 0, kept = 0;
  // The left piece's top rows and the top piece's left end, both from frame 1.
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 4; ++x) {
      const bool magenta = left.PixelAt(x, y) == kMagenta;
      EXPECT_EQ(PtInRegion(region.get(), x, y) != FALSE, !magenta) << "left " << x << "," << y;
      (magenta ? cut : kept)++;
    }
    for (int x = 0; x < 8; ++x) {
      const bool magenta = top.PixelAt(x, y) == kMagenta;
      EXPECT_EQ(PtInRegion(region.get(), 4 + x, y) != FALSE, !magenta) << "top " << x << "," << y;
      (magenta ? cut : kept)++;
    }
  }
  EXPECT_GT(cut, 0) << "the built-in skin has rounded corners";
  EXPECT_GT(kept, 0);
  // The client area and the middle of the caption are inside.
  const SIZE size = WindowSize(w.hwnd());
  EXPECT_TRUE(PtInRegion(region.get(), size.cx / 2, size.cy / 2));
  EXPECT_TRUE(PtInRegion(region.get(), size.cx / 2, 15));
}

TEST_F(FrameRegionTest, TransparentTopPieceCutsItsMagentaCorners) {
  auto skin = LoadSkin(PackSkin(PlainSkin("", "", true)));
  SkinnedWindow w(*skin, L"Cut");
  fw::UniqueRegion region = WindowRegion(w.hwnd());
  ASSERT_TRUE(region);
  const int W = WindowSize(w.hwnd()).cx;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) {
      EXPECT_FALSE(PtInRegion(region.get(), 4 + x, y)) << x << "," << y;
      EXPECT_FALSE(PtInRegion(region.get(), W - 5 - x, y)) << x << "," << y;
    }
  EXPECT_TRUE(PtInRegion(region.get(), 7, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 4, 3));
  EXPECT_TRUE(PtInRegion(region.get(), W - 8, 0));
  // The side pieces have no transparency: their strips are whole.
  EXPECT_TRUE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), W - 1, 0));
}

TEST_F(FrameRegionTest, SkinWithoutTransparentPiecesGivesThePlainRectangle) {
  auto skin = LoadSkin(PackSkin(PlainSkin()));
  SkinnedWindow w(*skin, L"Square");
  fw::UniqueRegion region = WindowRegion(w.hwnd());
  ASSERT_TRUE(region);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.get(), &box), SIMPLEREGION);
  const SIZE size = WindowSize(w.hwnd());
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, size.cx);
  EXPECT_EQ(box.bottom, size.cy);
}

TEST_F(FrameRegionTest, RegionIsBuiltOncePerSizeChangeOnly) {
  auto skin = LoadSkin(BuiltInPackage());
  SkinnedWindow w(*skin, L"Builds");
  TWinSkinForm& f = w.frame();
  ForgetCachedRegions();  // the sizes below may have been built by an earlier test
  const int start = RegionBuildCount();
  f.UpdateWindowRegion();
  w.Repaint();
  EXPECT_EQ(RegionBuildCount(), start);
  // Moving keeps the size: no build.
  SetWindowPos(w.hwnd(), nullptr, 90, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  testing_support::flush_events(30);
  EXPECT_EQ(RegionBuildCount(), start);
  // Each new size: exactly one build, although WM_SIZE passes through the frame twice.
  for (int i = 1; i <= 3; ++i) {
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 300 + 20 * i, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    testing_support::flush_events(30);
    EXPECT_EQ(RegionBuildCount(), start + i);
    fw::UniqueRegion region = WindowRegion(w.hwnd());
    ASSERT_TRUE(region);
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.right, 300 + 20 * i);  // cut for the new size
  }
  // The region follows the new size: its box is the window's.
  fw::UniqueRegion region = WindowRegion(w.hwnd());
  ASSERT_TRUE(region);
  RECT box{};
  GetRgnBox(region.get(), &box);
  EXPECT_EQ(box.right, 360);
  EXPECT_EQ(box.bottom, 250);
}

TEST_F(FrameRegionTest, RegionsAreNotLeaked) {
  auto skin = LoadSkin(BuiltInPackage());
  SkinnedWindow w(*skin, L"Leak");
  SetWindowPos(w.hwnd(), nullptr, 0, 0, 301, 251, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  testing_support::flush_events(30);
  const DWORD before = testing_support::gdi_objects();
  for (int i = 0; i < 30; ++i) {
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 300 + (i % 2), 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    testing_support::flush_events(5);
  }
  EXPECT_LE(testing_support::gdi_objects(), before + 1);
}

}  // namespace
}  // namespace quarnel::frametest
