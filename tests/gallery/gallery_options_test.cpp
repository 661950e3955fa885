// The gallery's command line.
#include "gallery/gallery_options.h"

#include <gtest/gtest.h>

namespace gallery {
namespace {

TEST(GalleryOptionsTest, ReadsEveryOption) {
  const TGalleryOptions o = ParseGalleryOptions({L"--skin", L"C:\\skins\\dark one.skn", L"--screenshots",
                                                 L"shots", L"--bench", L"--watch", L"my skin"});
  EXPECT_TRUE(o.Error.empty());
  EXPECT_EQ(o.SkinFile, L"C:\\skins\\dark one.skn");
  EXPECT_EQ(o.ScreenshotDir, L"shots");
  EXPECT_EQ(o.WatchDir, L"my skin");
  EXPECT_TRUE(o.Bench);
  EXPECT_FALSE(o.Version);
  EXPECT_TRUE(ParseGalleryOptions({L"--version"}).Version);
  EXPECT_TRUE(ParseGalleryOptions({}).Error.empty());
}

TEST(GalleryOptionsTest, AMissingValueOrAnUnknownOptionIsAnError) {
  EXPECT_EQ(ParseGalleryOptions({L"--skin"}).Error, L"--skin needs a value");
  EXPECT_EQ(ParseGalleryOptions({L"--skin", L""}).Error, L"--skin needs a value");
  EXPECT_EQ(ParseGalleryOptions({L"--colour"}).Error, L"Unknown option --colour");
  EXPECT_EQ(ParseGalleryOptions({L"--bench-start", L"maybe"}).Error, L"--bench-start takes on or off");
  EXPECT_EQ(ParseGalleryOptions({L"--bench-start", L"off"}).BenchStart, L"off");
}

}  // namespace
}  // namespace gallery
