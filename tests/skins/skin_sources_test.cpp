// Each shipped skin's committed folder is exactly what the generator draws today (its @2x
// variants too, drawn at twice the size), and the packer's order file lists the generator's
// entries; the raster pieces that the bytes depend on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "shipped_skins.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/skin_generator.h"
#include "tools/skinpack/check_command.h"
#include "tools/skinpack/skinpack_commands.h"

namespace quarnel::skintest {
namespace {

namespace fs = std::filesystem;
using namespace quarnel::skingen;

class ShippedSkinSources : public ::testing::TestWithParam<TShippedSkin> {
 protected:
  const TSkinStyle& Style() const {
    const TSkinStyle* style = FindSkin(GetParam().id);
    if (!style) throw std::logic_error(std::string("the generator does not know ") + GetParam().id);
    return *style;
  }
};

TEST_P(ShippedSkinSources, CommittedFilesAreWhatTheGeneratorDraws) {
  std::vector<TSkinFile> files = GenerateSkin(Style());
  ASSERT_EQ(files.size(), 35u);
  const std::vector<TSkinFile> variants = GenerateDensityVariants(Style());
  ASSERT_EQ(variants.size(), 34u);
  files.insert(files.end(), variants.begin(), variants.end());
  std::set<std::string> expected;
  for (const TSkinFile& file : files) {
    expected.insert(file.name);
    const Bytes committed = ReadFileBytes(GetParam().SourceDir() + "/" + file.name);
    // Compare sizes first: a mismatch of whole files gives one clear line instead of a dump.
    ASSERT_EQ(committed.size(), file.bytes.size()) << file.name << ": run the skingen_update target";
    EXPECT_TRUE(committed == file.bytes) << file.name << " differs: run the skingen_update target";
  }
  for (const auto& item : fs::directory_iterator(GetParam().SourceDir())) {
    EXPECT_TRUE(expected.contains(item.path().filename().string())) << "stray file " << item.path();
  }
}

TEST_P(ShippedSkinSources, OrderFileListsTheGeneratedEntries) {
  std::ifstream order(GetParam().SourceDir() + ".order");
  std::vector<std::string> names;
  for (std::string line; std::getline(order, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) names.push_back(line);
  }
  EXPECT_EQ(names, SkinOrder(Style()));
}

TEST_P(ShippedSkinSources, GeneratingTwiceGivesTheSameBytes) {
  const auto first = GenerateSkin(Style());
  const auto second = GenerateSkin(Style());
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i)
    EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].name;
}

// The variants are drawn again at twice the size, not enlarged: straight edges stay as sharp as
// in the 96-DPI image (each pixel exactly twice as wide and high), curves and slants are drawn
// with pixels of their own.
TEST_P(ShippedSkinSources, DensityVariantsAreDrawnAtTwiceTheSize) {
  const std::vector<TSkinBitmap> base = DrawSkinBitmaps(Style().palette, 1);
  const std::vector<TSkinBitmap> doubled = DrawSkinBitmaps(Style().palette, 2);
  ASSERT_EQ(base.size(), doubled.size());
  auto enlarged = [](const TImage& image, const TImage& variant) {
    for (int y = 0; y < variant.PixelHeight(); ++y)
      for (int x = 0; x < variant.PixelWidth(); ++x)
        if (!(variant.At(x, y) == image.At(x / 2, y / 2))) return false;
    return true;
  };
  for (std::size_t i = 0; i < base.size(); ++i) {
    const TImage& image = base[i].image;
    const TImage& variant = doubled[i].image;
    ASSERT_EQ(doubled[i].name, base[i].name);
    ASSERT_EQ(variant.PixelWidth(), 2 * image.PixelWidth()) << base[i].name;
    ASSERT_EQ(variant.PixelHeight(), 2 * image.PixelHeight()) << base[i].name;
    EXPECT_EQ(doubled[i].frames, base[i].frames) << base[i].name;
    if (base[i].name == "tabsheet.bmp") {
      EXPECT_TRUE(enlarged(image, variant)) << "rectangles only";
    }
    if (base[i].name == "closebutton.bmp" || base[i].name == "checkbox_old.bmp") {
      EXPECT_FALSE(enlarged(image, variant)) << base[i].name << " is only enlarged";
    }
  }
}

TEST_P(ShippedSkinSources, CommittedFolderWithItsVariantsChecksClean) {
  std::ostringstream out, err;
  EXPECT_EQ(skinpack::RunSkinpack({"check", GetParam().SourceDir()}, out, err), skinpack::kCheckClean)
      << err.str();
  EXPECT_NE(out.str().find("69 files: OK"), std::string::npos) << out.str();
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinSources, ::testing::ValuesIn(kShippedSkins),
                         [](const auto& info) { return SkinTestName(info.param); });

TEST(SkinRaster, BitmapRowsArePaddedToFourBytesAndStoredBottomUp) {
  TImage image(3, 2, Hex(0x102030));
  image.Set(0, 0, Hex(0xAABBCC));  // top-left
  const Bytes bmp = EncodeBmp(image);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(bmp[2], 54 + 24);
  // The top row is stored last, blue first.
  EXPECT_EQ(bmp[54 + 12], 0xCC);
  EXPECT_EQ(bmp[54 + 13], 0xBB);
  EXPECT_EQ(bmp[54 + 14], 0xAA);
  EXPECT_EQ(bmp[54], 0x30);
  EXPECT_EQ(bmp[54 + 9], 0);  // padding
}

TEST(SkinRaster, CutOutsideLeavesMagentaBeyondTheShapeOnly) {
  TImage image(10, 10, Hex(0x336699));
  image.CutOutside(RoundRect(0, 0, 10, 10, 4));
  EXPECT_EQ(image.At(0, 0), kMagenta);
  EXPECT_EQ(image.At(9, 9), kMagenta);
  EXPECT_EQ(image.At(5, 0), Hex(0x336699));
  EXPECT_EQ(image.At(5, 5), Hex(0x336699));
}

TEST(SkinRaster, PaintBlendsEdgePixelsByCoverage) {
  TImage image(4, 1, Hex(0x000000));
  image.Paint([](double x, double) { return x < 1.5; }, Solid(Hex(0xFFFFFF)));
  EXPECT_EQ(image.At(0, 0), Hex(0xFFFFFF));
  EXPECT_EQ(image.At(1, 0), Hex(0x808080));  // half covered
  EXPECT_EQ(image.At(2, 0), Hex(0x000000));
}

TEST(SkinRaster, StripsRefuseFramesOfDifferentSizes) {
  EXPECT_THROW(Row({TImage(2, 2), TImage(2, 3)}), std::invalid_argument);
  EXPECT_THROW(Column({TImage(2, 2), TImage(3, 2)}), std::invalid_argument);
  const TImage strip = Column({TImage(2, 2, Hex(1)), TImage(2, 3, Hex(2))});
  EXPECT_EQ(strip.Height(), 5);
  EXPECT_EQ(strip.At(1, 2), Hex(2));
}

}  // namespace
}  // namespace quarnel::skintest
