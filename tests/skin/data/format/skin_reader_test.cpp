// Skin package reader: the six layouts, the unknown-version notice, name-list splitting and
// lookup rules, packages whose tables or entries run past the end of the data, and the package
// as a form stores it.
#include "skin/data/format/skin_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "skin/data/format/lzh_encoder.h"
#include "skin/data/format/skin_writer.h"
#include "test_bytes.h"
#include "tools/bench_lzh/sample_skin.h"

namespace quarnel::testing {
namespace {

void PutWord(Bytes& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An unpacked package laid out by hand; `skipFill` marks the skipped block so that a reader
// starting the name list in the wrong place sees garbage.
Bytes Layout(std::uint32_t version, std::uint32_t skipped, std::string_view names,
             const std::vector<std::uint32_t>& sizes, std::string_view data) {
  Bytes out;
  PutWord(out, version);
  PutWord(out, static_cast<std::uint32_t>(names.size()));
  out.resize(out.size() + 8 + skipped, '#');
  out.insert(out.end(), names.begin(), names.end());
  for (std::uint32_t size : sizes) PutWord(out, size);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::string Entry(const TSkinReader& reader, std::string_view name) {
  Bytes target{'x'};
  reader.ExtractFile(name, target);
  return std::string(target.begin(), target.end());
}

using Result = TSkinReader::TResult;
class SkinReaderNotices : public ::testing::Test {};

struct VersionCase {
  std::uint32_t version;
  std::uint32_t skipped;
};

class SkinReaderVersions : public SkinReaderNotices, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(SkinReaderVersions, NameListFollowsTheSkippedBlock) {
  const auto [version, skipped] = GetParam();
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(PackedPackage(Layout(version, skipped, "a.bmp\r\nb.ini", {2, 3}, "AAbbb"))));
  EXPECT_EQ(reader.Header().Version, version);
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "b.ini"}));
  EXPECT_EQ(Entry(reader, "a.bmp"), "AA");
  EXPECT_EQ(Entry(reader, "b.ini"), "bbb");
  EXPECT_EQ(reader.Result(), Result::Loaded);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, SkinReaderVersions,
                         ::testing::Values(VersionCase{20000, 0}, VersionCase{30000, 256},
                                           VersionCase{40000, 80}, VersionCase{50000, 48},
                                           VersionCase{60000, 117}, VersionCase{70000, 69}));

TEST_F(SkinReaderNotices, UnknownVersionIsReportedAndKeepsTheLoadedSkin) {
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(PackedPackage(Layout(60000, 117, "keep.bmp", {1}, "K"))));
  EXPECT_FALSE(reader.Load(PackedPackage(Layout(10000, 0, "new.bmp", {1}, "N"))));
  EXPECT_EQ(reader.Result(), Result::UnknownVersion);
  EXPECT_EQ(reader.Names(), std::vector<std::string>{"keep.bmp"});
  EXPECT_EQ(Entry(reader, "keep.bmp"), "K");
}

TEST_F(SkinReaderNotices, DeclaredSizeZeroReadsAsVersionZero) {
  TSkinReader reader;
  EXPECT_FALSE(reader.Load(Bytes{0, 0, 0, 0}));
  EXPECT_EQ(reader.Result(), Result::UnknownVersion);
  EXPECT_FALSE(reader.Load(Bytes{}));
  EXPECT_EQ(reader.Header().Version, 0u);
  EXPECT_EQ(reader.Result(), Result::UnknownVersion);
}

TEST_F(SkinReaderNotices, MoreThan1001EntriesAreRejected) {
  std::string names;
  for (int i = 0; i < 1002; ++i) names += "e" + std::to_string(i) + "\n";
  TSkinReader reader;
  EXPECT_FALSE(reader.LoadUnpacked(Layout(20000, 0, names, {}, "")));
  EXPECT_EQ(reader.Result(), Result::TooManyEntries);
  EXPECT_TRUE(reader.Names().empty());
  names.erase(names.rfind('e'));  // 1001 names
  EXPECT_TRUE(reader.LoadUnpacked(Layout(20000, 0, names, {}, "")));
  EXPECT_EQ(reader.Names().size(), 1001u);
  EXPECT_EQ(reader.Result(), Result::Loaded);
}

TEST(SkinReaderNames, LetterCaseIsIgnored) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(Layout(20000, 0, "Progress.BMP", {3}, "abc")));
  EXPECT_EQ(reader.Names()[0], "progress.bmp");
  EXPECT_EQ(Entry(reader, "Progress.bmp"), "abc");
  EXPECT_EQ(Entry(reader, "progress.bmp"), "abc");
}

TEST(SkinReaderNames, EveryLineBreakStyleSplitsAndAFinalBreakAddsNothing) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(Layout(20000, 0, "a\r\nb\rc\nd\r\n", {1, 1, 1, 1}, "1234")));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Entry(reader, "d"), "4");
}

TEST(SkinReaderNames, EmptyLineIsAnEntryWithItsOwnSize) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(Layout(20000, 0, "a\r\n\r\nb", {1, 2, 3}, "AeeBBB")));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Entry(reader, "b"), "BBB");
  EXPECT_EQ(Entry(reader, ""), "ee");
}

TEST(SkinReaderNames, FirstOfTwoEqualNamesWins) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(Layout(20000, 0, "x.bmp\r\nX.BMP", {1, 1}, "12")));
  EXPECT_EQ(Entry(reader, "x.bmp"), "1");
}

TEST(SkinReaderNames, MissingEntryGivesAnEmptyTarget) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(Layout(20000, 0, "a", {1}, "1")));
  Bytes target{'x'};
  EXPECT_FALSE(reader.ExtractFile("b", target));
  EXPECT_TRUE(target.empty());
}

TEST(SkinReaderNames, ExtractByExtensionFindsTheFirstContainingEntry) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(Layout(20000, 0, "a.bmp\r\nSkin.INI\r\nb.ini", {1, 2, 3}, "1223333")));
  Bytes target;
  std::string name = "before";
  EXPECT_TRUE(reader.ExtractByExtension(".ini", target, name));
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(std::string(target.begin(), target.end()), "22");
  name = "before";
  EXPECT_FALSE(reader.ExtractByExtension(".INI", target, name));  // compared exactly
  EXPECT_EQ(name, "before");
  EXPECT_TRUE(target.empty());
}

TEST(SkinReaderBounds, SizeTablePastTheEndGivesEmptyEntries) {
  Bytes unpacked = Layout(20000, 0, "a\r\nb\r\nc", {5}, "");
  unpacked.push_back(1);  // half of the second size
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(unpacked));
  EXPECT_EQ(reader.Sizes(), (std::vector<std::uint32_t>{5, 1, 0}));
  EXPECT_EQ(Entry(reader, "a"), "");
  EXPECT_EQ(Entry(reader, "c"), "");
}

TEST(SkinReaderBounds, EntryPastTheEndIsShort) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(Layout(20000, 0, "a\r\nb\r\nc", {2, 100, 5}, "aabbb")));
  EXPECT_EQ(Entry(reader, "a"), "aa");
  EXPECT_EQ(Entry(reader, "b"), "bbb");
  EXPECT_EQ(Entry(reader, "c"), "");
}

TEST(SkinReaderBounds, HugeSizesDoNotWrapAround) {
  TSkinReader reader;
  ASSERT_TRUE(
      reader.LoadUnpacked(Layout(20000, 0, "a\r\nb\r\nc", {0xFFFFFFFF, 1, 2}, "cc")));  // c at 2^32, not 0
  EXPECT_EQ(Entry(reader, "a"), "cc");
  EXPECT_EQ(Entry(reader, "c"), "");
}

TEST(SkinReaderBounds, NameListPastTheEndKeepsWhatExists) {
  Bytes unpacked = Layout(30000, 256, "a.bmp\r\nb.b", {}, "");
  unpacked[4] = 200;  // claims a 200-byte name list
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadUnpacked(unpacked));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "b.b"}));
  EXPECT_EQ(Entry(reader, "a.bmp"), "");
}

TEST(SkinReaderBounds, ClaimedSizeBeyondWhatTheStreamCanHoldIsCut) {
  const Bytes packed{0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34};
  TSkinReader reader;
  reader.Load(packed);
  EXPECT_LE(reader.Data().size(), TSkinReader::UnpackedSizeLimit(2));
  EXPECT_LT(TSkinReader::UnpackedSizeLimit(2), 10000u);
}

TEST(StoredPackage, CountOfZeroOrLessIsNoPackage) {
  const auto stored = [](Bytes bytes) {
    const std::span<const std::uint8_t> package = StoredPackage(bytes);
    return Bytes(package.begin(), package.end());
  };
  EXPECT_EQ(stored({3, 0, 0, 0, 1, 2, 3, 4}), (Bytes{1, 2, 3}));
  EXPECT_EQ(stored({0xFF, 0xFF, 0, 0, 1, 2, 3}), (Bytes{1, 2, 3}));  // only what is there
  EXPECT_EQ(stored({0, 0, 0, 0, 1, 2, 3}), Bytes{});
  EXPECT_EQ(stored({0xFD, 0xFF, 0xFF, 0xFF, 1, 2, 3}), Bytes{});  // -3
  EXPECT_EQ(stored({0, 0, 0, 0x80, 1, 2, 3}), Bytes{});           // the most negative count
  EXPECT_EQ(stored({5, 0, 0}), Bytes{});
}

TEST(SkinReaderStreams, LoadReadsFromTheStartOfTheStream) {
  const Bytes packed = PackedPackage(Layout(50000, 48, "one.ini", {3}, "abc"));
  std::stringstream stream(std::string(packed.begin(), packed.end()));
  stream.seekg(7);
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(stream));
  EXPECT_EQ(Entry(reader, "one.ini"), "abc");
}

TEST(SkinReaderStreams, SampleSkinUnpacksCompletely) {
  TSkinWriter writer;
  const auto entries = sample::MakeSampleSkin();
  for (const auto& entry : entries) writer.AddEntry(entry.name, entry.data);
  const Bytes unpacked = writer.Unpacked(kDefaultSkinVersion);
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(writer.Packed(kDefaultSkinVersion)));
  EXPECT_EQ(reader.Names().size(), 35u);
  Bytes text;
  std::string name;
  ASSERT_TRUE(reader.ExtractByExtension(".ini", text, name));
  EXPECT_EQ(name, "longhorn style-blue.ini");
  for (const auto& entry : entries) {
    Bytes target;
    ASSERT_TRUE(reader.ExtractFile(entry.name, target));
    EXPECT_EQ(target, entry.data) << entry.name;
  }
}

}  // namespace
}  // namespace quarnel::testing
