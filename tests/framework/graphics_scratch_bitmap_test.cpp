// The shared drawing buffers: an owner's composed image given back to it alone and only while it
// holds, each lease starting from the DC's defaults, and the set bounded however many are lent.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/graphics/scratch_bitmap.h"
#include "tests/support/object_counts.h"

namespace {

constexpr COLORREF kMark = RGB(200, 40, 90);

class ScratchBitmapTest : public testing::Test {
 protected:
  void SetUp() override { fw::ScratchBitmap::Empty(); }
  void TearDown() override { fw::ScratchBitmap::Empty(); }
};

TEST_F(ScratchBitmapTest, AnOwnerGetsItsImageBackUntilTheSizeChangesOrItForgets) {
  fw::KeptImage owner;
  {
    const fw::ScratchBitmap first(owner, 30, 20);
    EXPECT_FALSE(first.Kept());
    SetPixel(first.DC(), 3, 4, kMark);
  }
  {
    const fw::ScratchBitmap plain(30, 20);  // lent meanwhile: must not be the owner's image
    SetPixel(plain.DC(), 3, 4, RGB(0, 0, 255));
    const fw::ScratchBitmap again(owner, 30, 20);
    ASSERT_TRUE(again.Kept());
    EXPECT_EQ(GetPixel(again.DC(), 3, 4), kMark);
  }
  {
    const fw::ScratchBitmap wider(owner, 31, 20);
    EXPECT_FALSE(wider.Kept());
  }
  owner.Forget();
  const fw::ScratchBitmap afterForget(owner, 31, 20);
  EXPECT_FALSE(afterForget.Kept());
}

TEST_F(ScratchBitmapTest, EachLeaseStartsFromTheDCDefaults) {
  const TBitmap* used = nullptr;
  {
    const fw::ScratchBitmap a(16, 16);
    used = &a.Bitmap();
    SetTextColor(a.DC(), kMark);
    SetBkMode(a.DC(), TRANSPARENT);
    SelectObject(a.DC(), GetStockObject(BLACK_BRUSH));
  }
  {
    const fw::ScratchBitmap b(16, 16);
    EXPECT_EQ(&b.Bitmap(), used) << "the same size takes the same bitmap";
    EXPECT_EQ(GetTextColor(b.DC()), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(b.DC()), OPAQUE);
    EXPECT_EQ(GetCurrentObject(b.DC(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    SetTextColor(b.DC(), kMark);
    b.Bitmap().SetSize(24, 24);  // against the rules: its saved state no longer fits
  }
  const fw::ScratchBitmap c(16, 16);
  EXPECT_EQ(c.Bitmap().Width(), 16);
  EXPECT_EQ(GetTextColor(c.DC()), RGB(0, 0, 0));
}

TEST_F(ScratchBitmapTest, ManyLentAtOnceAllWorkAndTheSetKeepsOnlyItsBound) {
  {
    const fw::ScratchBitmap warm(8, 8);  // the first DC makes lasting objects of the system's
  }
  const DWORD before = testing_support::gdi_objects();
  {
    std::vector<std::unique_ptr<fw::ScratchBitmap>> lent;
    for (int i = 0; i < static_cast<int>(fw::ScratchBitmap::kMaxEntries) + 6; ++i) {
      lent.push_back(std::make_unique<fw::ScratchBitmap>(20 + i, 10));
      SetPixel(lent.back()->DC(), 0, 0, RGB(i, 0, 0));
    }
    for (int i = 0; i < static_cast<int>(lent.size()); ++i)
      EXPECT_EQ(GetPixel(lent[static_cast<size_t>(i)]->DC(), 0, 0), RGB(i, 0, 0));
  }
  EXPECT_EQ(fw::ScratchBitmap::Count(), fw::ScratchBitmap::kMaxEntries);
  EXPECT_EQ(testing_support::gdi_objects(), before);  // the count lets the free ones go
  EXPECT_EQ(fw::ScratchBitmap::Count(), 0u);
}

}  // namespace
