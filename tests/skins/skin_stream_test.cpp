// The SkinStream data: the text the build writes for each shipped skin parses as a description
// property whose block is the size prefix and the built package byte for byte; and putting it
// into a description.
#include "tools/skingen/skin_stream.h"

#include <gtest/gtest.h>

#include "framework/description/description.h"
#include "shipped_skins.h"
#include "skin/data/skin_reader.h"

namespace quarnel::skintest {
namespace {

using namespace quarnel::skingen;

const TDescProperty* FindProperty(const TDescObject& object, const std::string& name) {
  for (const TDescProperty& property : object.properties) {
    if (property.name == name) return &property;
  }
  return nullptr;
}

class ShippedSkinStream : public ::testing::TestWithParam<TShippedSkin> {};

TEST_P(ShippedSkinStream, BuiltTextHoldsTheSizePrefixedPackage) {
  const Bytes package = ReadFileBytes(GetParam().PackagePath());
  const Bytes text = ReadFileBytes(GetParam().StreamPath());
  ASSERT_FALSE(package.empty());
  ASSERT_FALSE(text.empty());
  const TDescObject object =
      ParseDescription("object SkinData1: TSkinData\n" + std::string(text.begin(), text.end()) + "end\n");
  const TDescProperty* stream = FindProperty(object, "SkinStream");
  ASSERT_NE(stream, nullptr);
  ASSERT_EQ(stream->value.kind, TDescValue::Binary);
  const Bytes& block = stream->value.bytes;
  ASSERT_EQ(block.size(), package.size() + 4);
  const std::uint32_t size = block[0] | block[1] << 8 | block[2] << 16 | std::uint32_t(block[3]) << 24;
  EXPECT_EQ(size, package.size());
  const Bytes rest(block.begin() + 4, block.end());
  EXPECT_TRUE(rest == package);

  TSkinReader reader;
  ASSERT_TRUE(reader.Load(rest));
  EXPECT_EQ(reader.Header().Version, 60000u);
  EXPECT_EQ(reader.Names().size(), 35u);
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinStream, ::testing::ValuesIn(kShippedSkins),
                         [](const auto& info) { return SkinTestName(info.param); });

TEST(LonghornBlueSkinStream, BuildGivesAFormDescriptionThePackage) {
  const Bytes package = ReadFileBytes(SkinPackagePath());
  const Bytes text = ReadFileBytes(SkinFormPath());
  ASSERT_FALSE(text.empty());
  const TDescObject form = ParseDescription(std::string(text.begin(), text.end()));
  ASSERT_EQ(form.children.size(), 2u);
  const TDescObject& skin = form.children[1];
  EXPECT_EQ(skin.className, "TSkinData");
  const TDescProperty* stream = FindProperty(skin, "SkinStream");
  ASSERT_NE(stream, nullptr);
  EXPECT_TRUE(stream->value.bytes == SkinStreamBlock(package));
  EXPECT_NE(FindProperty(skin, "Active"), nullptr);
  EXPECT_NE(FindProperty(skin, "SkinFormtype"), nullptr);
  EXPECT_EQ(FindProperty(form.children[0], "Caption")->value.text, "Check");
}

TEST(SkinStreamBlock, EmptyPackageIsAZeroCount) {
  EXPECT_EQ(SkinStreamBlock({}), Bytes({0, 0, 0, 0}));
  EXPECT_EQ(SkinStreamProperty({}, 2), "  SkinStream = {\n    00000000}\n");
}

TEST(SkinStreamBlock, LongPackagesWrapAt32BytesALine) {
  const Bytes package(61, 0xAB);  // 65 bytes with the prefix: three lines
  const std::string text = SkinStreamProperty(package, 0);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
  EXPECT_TRUE(text.starts_with("SkinStream = {\n  3D000000ABAB"));
  EXPECT_TRUE(text.ends_with("\n  AB}\n"));
}

constexpr const char* kForm =
    "object Form1: TForm1\n"
    "  Caption = '\xC7\xEB\xC9\xD4'\n"
    "  object Other: TSkinData\n"
    "    SkinStream = {\n"
    "      00000000}\n"
    "  end\n"
    "  object SkinData1: TSkinData\n"
    "    Active = True\n"
    "    object Inner: TSkinData\n"
    "      SkinStream = {00000000}\n"
    "    end\n"
    "    SkinStream = {\n"
    "      00000000\n"
    "      }\n"
    "    SkinFormtype = sfMainform\n"
    "  end\n"
    "end\n";

TEST(ReplaceSkinStream, ReplacesOnlyTheNamedObjectsOwnProperty) {
  const Bytes package = {1, 2, 3};
  const std::string result = ReplaceSkinStream(kForm, "SkinData1", package);
  const TDescObject form = ParseDescription(result);
  ASSERT_EQ(form.children.size(), 2u);
  const TDescObject& other = form.children[0];
  const TDescObject& skin = form.children[1];
  EXPECT_EQ(FindProperty(other, "SkinStream")->value.bytes, Bytes({0, 0, 0, 0}));
  EXPECT_EQ(FindProperty(skin.children[0], "SkinStream")->value.bytes, Bytes({0, 0, 0, 0}));
  EXPECT_EQ(FindProperty(skin, "SkinStream")->value.bytes, Bytes({3, 0, 0, 0, 1, 2, 3}));
  ASSERT_NE(FindProperty(skin, "SkinFormtype"), nullptr);
  // Everything around the value is kept byte for byte, 8-bit texts included.
  const std::string before(kForm, std::string_view(kForm).find("    SkinStream = {\n      00000000\n"));
  EXPECT_TRUE(result.starts_with(before));
  EXPECT_TRUE(result.ends_with("    SkinFormtype = sfMainform\n  end\nend\n"));
}

TEST(ReplaceSkinStream, MissingObjectOrPropertyIsAnError) {
  EXPECT_THROW(ReplaceSkinStream(kForm, "SkinData2", {}), std::invalid_argument);
  EXPECT_THROW(
      ReplaceSkinStream("object Form1: TForm1\n  object SkinData1: TSkinData\n  end\nend\n", "SkinData1", {}),
      std::invalid_argument);
  EXPECT_THROW(ReplaceSkinStream("object SkinData1: TSkinData\n  SkinStream = {\n  00\n", "SkinData1", {}),
               std::invalid_argument);
}

}  // namespace
}  // namespace quarnel::skintest
