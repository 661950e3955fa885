// The section pool behind TBitmap: reuse by size and format, cleared pixels, its bounds, and
// sections that are still selected elsewhere.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/dib_pool.h"
#include "tests/support/object_counts.h"

namespace {

void Scribble(TBitmap& b) {
  for (int y = 0; y < b.Height(); ++y) std::memset(b.ScanLine(y), 0xA5, static_cast<size_t>(b.Stride()));
}

bool AllZero(TBitmap& b) {
  for (int y = 0; y < b.Height(); ++y) {
    const uint8_t* row = b.ScanLine(y);
    for (int i = 0; i < b.Width() * b.BytesPerPixel(); ++i)
      if (row[i] != 0) return false;
  }
  return true;
}

// The first window and the first DC of a process make lasting objects of the system's (fonts,
// brushes, the thread's input-method window): let that happen before counting.
void MakeLastingSystemObjects() {
  fw::CreateMemoryDC();
  DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
}

class DibPoolTest : public testing::Test {
 protected:
  void SetUp() override {
    MakeLastingSystemObjects();
    fw::DibPool::Empty();
  }
  void TearDown() override { fw::DibPool::Empty(); }
};

TEST_F(DibPoolTest, ABitmapOfTheSameSizeAndFormatReusesAReleasedSectionCleared) {
  HBITMAP first = nullptr;
  {
    TBitmap b(40, 30, pf24bit);
    Scribble(b);
    first = b.Handle();
  }
  EXPECT_EQ(fw::DibPool::KeptCount(), 1u);
  TBitmap again(40, 30, pf24bit);
  EXPECT_EQ(again.Handle(), first);
  EXPECT_EQ(fw::DibPool::KeptCount(), 0u);
  EXPECT_TRUE(AllZero(again)) << "a reused section must look like a new one";
}

TEST_F(DibPoolTest, OtherSizesOrFormatsGetTheirOwnSection) {
  HBITMAP first = nullptr;
  {
    TBitmap b(40, 30, pf24bit);
    first = b.Handle();
  }
  TBitmap wider(41, 30, pf24bit), deeper(40, 30, pf32bit), taller(40, 31, pf24bit);
  EXPECT_NE(wider.Handle(), first);
  EXPECT_NE(deeper.Handle(), first);
  EXPECT_NE(taller.Handle(), first);
  EXPECT_EQ(fw::DibPool::KeptCount(), 1u);
}

TEST_F(DibPoolTest, GrowingABitmapKeepsItsPixelsAndBlackensTheNewPartOverAReusedSection) {
  {
    TBitmap dirty(20, 10, pf24bit);
    Scribble(dirty);
  }  // pooled, full of 0xA5
  TBitmap b(10, 10, pf24bit);
  b.Canvas().SetPixel(3, 4, RGB(10, 20, 30));
  b.SetWidth(20);  // takes the dirty section
  EXPECT_EQ(b.PixelAt(3, 4), RGB(10, 20, 30));
  EXPECT_EQ(b.PixelAt(15, 4), RGB(0, 0, 0));
  EXPECT_EQ(b.PixelAt(19, 9), RGB(0, 0, 0));
}

TEST_F(DibPoolTest, StaysWithinItsCountAndByteBounds) {
  const DWORD before = testing_support::gdi_objects();
  for (int i = 0; i < 60; ++i) TBitmap b(10 + i, 10, i % 2 ? pf32bit : pf24bit);
  EXPECT_EQ(fw::DibPool::KeptCount(), fw::DibPool::kMaxEntries);
  // The newest are kept: the last size comes back from the pool.
  {
    TBitmap probe(10 + 59, 10, pf32bit);
    EXPECT_EQ(fw::DibPool::KeptCount(), fw::DibPool::kMaxEntries - 1);
  }
  // Sections over the per-entry limit are never kept.
  { TBitmap huge(1024, 512, pf32bit); }
  EXPECT_EQ(fw::DibPool::KeptCount(), fw::DibPool::kMaxEntries);
  // Large sections push older ones out to keep the byte total.
  for (int i = 0; i < 6; ++i) TBitmap big(600 + i, 400, pf32bit);  // ~0.92 MB each
  EXPECT_LE(fw::DibPool::KeptCount(), 4u);
  EXPECT_EQ(testing_support::gdi_objects(), before) << "emptying the pool frees every kept section";
}

TEST_F(DibPoolTest, ASectionStillSelectedElsewhereIsNeverHandedOut) {
  fw::UniqueDC foreign = fw::CreateMemoryDC();
  HGDIOBJ original = nullptr;
  HBITMAP held = nullptr;
  {
    TBitmap b(16, 16, pf24bit);
    held = b.Handle();
    original = SelectObject(foreign.get(), held);
    ASSERT_NE(original, nullptr);
  }
  EXPECT_EQ(fw::DibPool::KeptCount(), 0u);
  TBitmap next(16, 16, pf24bit);
  EXPECT_NE(next.Handle(), held);
  SelectObject(foreign.get(), original);
  // Its release could not delete it while it was selected; Wine deletes it once it is free.
  if (GetObjectType(held) == OBJ_BITMAP) {
    EXPECT_TRUE(DeleteObject(held));
  }
}

TEST(ObjectCounts, SeeWindowsMenusAndGdiObjectsComeAndGo) {
  MakeLastingSystemObjects();
  const DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  {
    fw::UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    fw::UniqueMenu menu(CreatePopupMenu());
    HWND top = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
    HWND grandChild =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 2, 2, child, nullptr, nullptr, nullptr);
    HWND messageOnly =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(top && child && grandChild && messageOnly);
    EXPECT_EQ(testing_support::gdi_objects(), gdi + 1);
    // Five of ours; the system may add its input-method window while the thread has windows.
    EXPECT_GE(testing_support::user_objects(), user + 5);
    DestroyWindow(messageOnly);
    DestroyWindow(top);
    EXPECT_EQ(testing_support::user_objects(), user + 1);
  }
  EXPECT_EQ(testing_support::gdi_objects(), gdi);
  EXPECT_EQ(testing_support::user_objects(), user);
}

}  // namespace
