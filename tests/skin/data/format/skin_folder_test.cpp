// Skin folders packed for loading: a whole folder reads back as the package of its files, and
// each kind of half-saved or broken folder is refused with a sentence naming the file and line.
// The stamp follows every change of a file.
#include "skin/data/format/skin_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "skin/data/format/skin_reader.h"

namespace quarnel::testing {
namespace {

namespace fs = std::filesystem;

// A 24-bit bitmap of one pixel, whole or cut after `keep` bytes.
std::string Bitmap(std::size_t keep = 58) {
  std::string b(58, '\0');
  b[0] = 'B', b[1] = 'M', b[2] = 58, b[10] = 54, b[14] = 40, b[18] = 1, b[22] = 1, b[26] = 1, b[28] = 24;
  return b.substr(0, keep);
}

class SkinFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("quarnel_skin_folder_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    Write("skin.ini", "; a skin\n[TitlebarSkin]\nSkinName=Trial\n\n[Personality]\nLeft=frameleft.bmp\n");
    Write("frameleft.bmp", Bitmap());
  }
  void TearDown() override { fs::remove_all(folder_); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  fs::path folder_;
};

TEST_F(SkinFolderTest, AWholeFolderIsPackedWithEveryFile) {
  const TSkinFolderPackage package = PackSkinFolder(folder_);
  ASSERT_EQ(package.Problem, "");
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(package.Packed));
  TSkinReader::Bytes entry;
  std::string name;
  ASSERT_TRUE(reader.ExtractByExtension(".ini", entry, name));
  EXPECT_EQ(name, "skin.ini");
  ASSERT_TRUE(reader.ExtractByExtension(".bmp", entry, name));
  EXPECT_EQ(std::string(entry.begin(), entry.end()), Bitmap());
}

TEST_F(SkinFolderTest, EachFaultIsNamedWithItsFileAndLine) {
  Write("skin.ini", "[TitlebarSkin]\nSkinName=Trial\n[Personality\nLeft=frameleft.bmp\n");
  EXPECT_EQ(PackSkinFolder(folder_).Problem,
            "skin.ini, line 3: \"[Personality\" is a section header without its \"]\"");
  Write("skin.ini", "[Personality]\nLeft frameleft.bmp\n");
  EXPECT_EQ(PackSkinFolder(folder_).Problem,
            "skin.ini, line 2: \"Left frameleft.bmp\" is neither a section header, a key nor a comment");
  Write("skin.ini", "[Personality]\r\nLeft=frameleft.bmp\r\nTop=FrameTop.BMP\r\n");
  EXPECT_EQ(PackSkinFolder(folder_).Problem,
            "skin.ini, line 3: [Personality] Top names FrameTop.BMP, which is not in the folder");
  Write("skin.ini", "[Personality]\rLeft=frameleft.bmp\rTop=frametop.bmp\r");
  EXPECT_EQ(PackSkinFolder(folder_).Problem,
            "skin.ini, line 3: [Personality] Top names frametop.bmp, which is not in the folder")
      << "lines end at a CR alone too";
  Write("skin.ini", std::string("[Personality]\nLeft=frameleft.bmp\n\0Top=gone.bmp\n", 47));
  EXPECT_EQ(PackSkinFolder(folder_).Problem, "") << "the text ends at a NUL byte";
  Write("skin.ini", "[Personality]\nLeft=FRAMELEFT.bmp\n");
  EXPECT_EQ(PackSkinFolder(folder_).Problem, "") << "file names are matched as the system matches them";
  Write("skin.ini", "[Personality]\nLeft=skin\\frameleft.bmp\n");
  EXPECT_EQ(PackSkinFolder(folder_).Problem, "")
      << "a folder in front is passed over, as when the skin is loaded";
  Write("frameleft.bmp", Bitmap(40));
  EXPECT_EQ(PackSkinFolder(folder_).Problem, "frameleft.bmp is not a whole bitmap")
      << "a save still under way";
  fs::remove(folder_ / "skin.ini");
  EXPECT_EQ(PackSkinFolder(folder_).Problem, "the folder holds no definition text (.ini)");
  EXPECT_NE(PackSkinFolder(folder_ / "gone").Problem, "");
}

TEST_F(SkinFolderTest, TheStampChangesWithAnyFileAndOnlyThen) {
  const std::uint64_t first = SkinFolderStamp(folder_);
  EXPECT_NE(first, 0u);
  EXPECT_EQ(SkinFolderStamp(folder_), first);
  Write("skin.ini", "[TitlebarSkin]\nSkinName=Trial, longer\n");
  const std::uint64_t edited = SkinFolderStamp(folder_);
  EXPECT_NE(edited, first);
  Write("notes.txt", "x");
  EXPECT_NE(SkinFolderStamp(folder_), edited);
  EXPECT_EQ(SkinFolderStamp(folder_ / "gone"), 0u);
}

}  // namespace
}  // namespace quarnel::testing
