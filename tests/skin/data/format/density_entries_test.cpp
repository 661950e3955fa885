// Density variants of package entries: their names, and which entry a window of a given density
// draws from in a package written by the package writer; readers that know no variants still
// find what they found before.
#include "skin/data/format/density_entries.h"

#include <gtest/gtest.h>

#include "skin/data/format/skin_key_table.h"
#include "skin/data/format/skin_writer.h"
#include "test_bytes.h"

namespace quarnel::testing {
namespace {

TEST(DensityEntryName, PutsTheSuffixBeforeTheExtensionOfTheFileName) {
  EXPECT_EQ(DensityEntryName("frame.bmp", 192), "frame@2x.bmp");
  EXPECT_EQ(DensityEntryName("Frame.BMP", 144), "Frame@1.5x.BMP");
  EXPECT_EQ(DensityEntryName("my.skin\\frame", 192), "my.skin\\frame@2x");
  EXPECT_EQ(DensityEntryName("frame.bmp", 96), "frame.bmp");
  EXPECT_EQ(DensityEntryName("frame.bmp", 120), "frame.bmp");
}

TEST(ParseDensityEntryName, FindsTheBaseImageAndDensityInAnyLetterCase) {
  const auto twice = ParseDensityEntryName("Frame@2X.BMP");
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->baseName, "Frame.BMP");
  EXPECT_EQ(twice->dpi, 192);
  const auto half = ParseDensityEntryName("closebutton@1.5x.bmp");
  ASSERT_TRUE(half);
  EXPECT_EQ(half->baseName, "closebutton.bmp");
  EXPECT_EQ(half->dpi, 144);
  EXPECT_FALSE(ParseDensityEntryName("frame.bmp"));
  EXPECT_FALSE(ParseDensityEntryName("@2x.bmp"));
  EXPECT_FALSE(ParseDensityEntryName("frame@3x.bmp"));
  EXPECT_FALSE(ParseDensityEntryName("a@2x\\frame.bmp"));  // a folder's name, not the file's
}

class DensityPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    TSkinWriter writer;
    writer.AddEntry("Frame@2X.bmp", BytesOf("frame 2x"));  // ahead of its base image on purpose
    writer.AddEntry("Frame.bmp", BytesOf("frame"));
    writer.AddEntry("button.bmp", BytesOf("button"));
    writer.AddEntry("button@1.5x.bmp", BytesOf("button 1.5x"));
    writer.AddEntry("caption.bmp", BytesOf("caption"));
    writer.AddEntry("edge.bmp", BytesOf("edge"));
    writer.AddEntry("edge@1.5x.bmp", BytesOf("edge 1.5x"));
    writer.AddEntry("edge@2x.bmp", BytesOf("edge 2x"));
    writer.AddEntry("skin.ini", BytesOf("[Form]"));
    ASSERT_TRUE(package.Load(writer.Packed(kDefaultSkinVersion)));
  }
  TSkinReader package;
};

TEST_F(DensityPackage, WindowsTakeTheDensestVariantTheirDensityReaches) {
  auto chosen = [&](std::string_view name, int dpi) {
    const TDensityEntry entry = ChooseDensityEntry(package, name, dpi);
    return LowerSkinName(entry.name) + " " + std::to_string(entry.dpi);
  };
  EXPECT_EQ(chosen("frame.bmp", 96), "frame.bmp 96");
  EXPECT_EQ(chosen("frame.bmp", 191), "frame.bmp 96");
  EXPECT_EQ(chosen("frame.bmp", 192), "frame@2x.bmp 192");
  EXPECT_EQ(chosen("FRAME.BMP", 288), "frame@2x.bmp 192");
  EXPECT_EQ(chosen("button.bmp", 143), "button.bmp 96");
  EXPECT_EQ(chosen("button.bmp", 144), "button@1.5x.bmp 144");
  EXPECT_EQ(chosen("button.bmp", 192), "button@1.5x.bmp 144");  // the 2x is not there
  EXPECT_EQ(chosen("caption.bmp", 192), "caption.bmp 96");
  EXPECT_EQ(chosen("edge.bmp", 168), "edge@1.5x.bmp 144");
  EXPECT_EQ(chosen("edge.bmp", 192), "edge@2x.bmp 192");

  Bytes bytes;
  ASSERT_TRUE(package.ExtractFile(ChooseDensityEntry(package, "frame.bmp", 192).name, bytes));
  EXPECT_EQ(bytes, BytesOf("frame 2x"));
}

TEST_F(DensityPackage, ReadersThatAskForNoVariantFindWhatTheyDidBefore) {
  Bytes bytes;
  ASSERT_TRUE(package.ExtractFile("frame.bmp", bytes));
  EXPECT_EQ(bytes, BytesOf("frame"));
  std::string name;
  ASSERT_TRUE(package.ExtractByExtension(".ini", bytes, name));
  EXPECT_EQ(name, "skin.ini");
}

}  // namespace
}  // namespace quarnel::testing
