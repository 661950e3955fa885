// skinpack: pack, list, check and unpack a skin folder in-process, the exit codes and error
// messages of bad command lines and bad packages, and the bitmap check on its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "skin/data/format/skin_writer.h"
#include "tools/bench_lzh/sample_skin.h"
#include "tools/skinpack/bitmap_check.h"
#include "tools/skinpack/check_command.h"
#include "tools/skinpack/skinpack_commands.h"

namespace quarnel::skinpack {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SkinpackTool : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("skinpack-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "skin");
    std::ofstream order(root_ / "order.txt");
    for (const auto& entry : sample::MakeSampleSkin()) {
      WriteBytes(root_ / "skin" / entry.name, entry.data);
      order << entry.name << "\r\n";
    }
  }
  void TearDown() override { fs::remove_all(root_); }

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunSkinpack(args, out_, err_);
  }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }

  fs::path root_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(SkinpackTool, PackListCheckUnpackRoundTrip) {
  ASSERT_EQ(Run({"pack", Path("skin"), Path("a.skn"), "--order", Path("order.txt")}), kExitOk) << err_.str();
  ASSERT_EQ(Run({"list", Path("a.skn")}), kExitOk);
  const std::string listing = out_.str();
  EXPECT_NE(listing.find("version 60000, 35 entries"), std::string::npos) << listing;
  // Entries keep the order file's order: the definition text sits after mincaption.bmp.
  EXPECT_LT(listing.find("mincaption.bmp"), listing.find("longhorn style-blue.ini"));
  EXPECT_LT(listing.find("longhorn style-blue.ini"), listing.find("m4pushbutton.bmp"));

  // The synthetic skin is a well-formed package whose definition text is no real skin's: check
  // reads it whole and finds only faults of the text, none of the package.
  EXPECT_EQ(Run({"check", Path("a.skn")}), kCheckErrors);
  EXPECT_NE(out_.str().find("version 60000, 35 entries"), std::string::npos) << out_.str();
  EXPECT_NE(err_.str().find("not a whole multiple"), std::string::npos) << err_.str();
  EXPECT_EQ(err_.str().find("runs past the end"), std::string::npos) << err_.str();

  ASSERT_EQ(Run({"unpack", Path("a.skn"), Path("out")}), kExitOk) << err_.str();
  for (const auto& entry : sample::MakeSampleSkin()) {
    EXPECT_EQ(ReadBytes(root_ / "out" / entry.name), entry.data) << entry.name;
  }
}

TEST_F(SkinpackTool, VersionAndExplicitNames) {
  ASSERT_EQ(
      Run({"pack", Path("skin"), Path("b.skn"), "--version", "20000", "tab.bmp", "longhorn style-blue.ini"}),
      kExitOk)
      << err_.str();
  ASSERT_EQ(Run({"list", Path("b.skn")}), kExitOk);
  EXPECT_NE(out_.str().find("version 20000, 2 entries"), std::string::npos) << out_.str();
}

TEST_F(SkinpackTool, WrongCommandLinesExitWithUsage) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_EQ(Run({"frobnicate"}), kExitUsage);
  EXPECT_EQ(Run({"pack", Path("skin")}), kExitUsage);
  EXPECT_EQ(Run({"pack", Path("skin"), Path("c.skn"), "--version", "12345"}), kExitUsage);
  EXPECT_NE(err_.str().find("unknown version"), std::string::npos);
  EXPECT_EQ(Run({"pack", Path("skin"), Path("c.skn"), "--order", Path("order.txt"), "x.bmp"}), kExitUsage);
  EXPECT_FALSE(fs::exists(root_ / "c.skn"));
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out_.str().find("usage: skinpack"), std::string::npos);
  EXPECT_TRUE(err_.str().empty());
}

TEST_F(SkinpackTool, VersionShowsTheProjectVersion) {
  ASSERT_EQ(Run({"--version"}), kExitOk);
  EXPECT_EQ(out_.str().substr(0, out_.str().find('\n')), "skinpack (Quarnel) " QUARNEL_CMAKE_VERSION);
  EXPECT_TRUE(err_.str().empty());
}

TEST_F(SkinpackTool, MissingFilesFailWithTheirName) {
  EXPECT_EQ(Run({"pack", Path("skin"), Path("d.skn"), "nothere.bmp"}), kExitFailed);
  EXPECT_NE(err_.str().find("nothere.bmp"), std::string::npos);
  EXPECT_EQ(Run({"list", Path("nothere.skn")}), kExitFailed);
  EXPECT_NE(err_.str().find("nothere.skn"), std::string::npos);
}

TEST_F(SkinpackTool, UnknownVersionPackageIsReported) {
  WriteBytes(root_ / "old.skn", Bytes{0, 0, 0, 0});
  EXPECT_EQ(Run({"check", Path("old.skn")}), kCheckErrors);
  EXPECT_NE(err_.str().find("This is Older Skin File Please update to new version !"), std::string::npos)
      << err_.str();
}

TEST_F(SkinpackTool, CheckFindsBrokenBitmapsAndDefinitionTextCount) {
  TSkinWriter writer;
  Bytes broken = sample::MakeBitmap(10, 10, 1, 1);
  broken.resize(broken.size() - 20);  // rows cut short, file size field to match
  broken[2] = static_cast<std::uint8_t>(broken.size());
  broken[3] = static_cast<std::uint8_t>(broken.size() >> 8);
  writer.AddEntry("broken.bmp", broken);
  writer.AddEntry("a.ini", {'x'});
  writer.AddEntry("b.ini", {'y'});
  WriteBytes(root_ / "bad.skn", writer.Packed(60000));
  EXPECT_EQ(Run({"check", Path("bad.skn")}), kCheckErrors);
  EXPECT_NE(err_.str().find("broken.bmp: pixel rows run past the end"), std::string::npos) << err_.str();
  EXPECT_NE(err_.str().find("exactly one definition text"), std::string::npos);
}

TEST_F(SkinpackTool, UnpackRefusesNamesThatLeaveTheFolder) {
  TSkinWriter writer;
  writer.AddEntry("../escape.bmp", {'x'});
  writer.AddEntry("fine.ini", {'y'});
  WriteBytes(root_ / "evil.skn", writer.Packed(60000));
  EXPECT_EQ(Run({"unpack", Path("evil.skn"), Path("out")}), kExitFailed);
  EXPECT_FALSE(fs::exists(root_ / "escape.bmp"));
  EXPECT_TRUE(fs::exists(root_ / "out" / "fine.ini"));
}

TEST(BitmapCheck, AcceptsWellFormedAndNamesWhatIsWrong) {
  const Bytes good = sample::MakeBitmap(7, 3, 1, 5);
  EXPECT_EQ(BitmapProblem(good), "");
  Bytes bad = good;
  bad[0] = 'X';
  EXPECT_EQ(BitmapProblem(bad), "does not start with \"BM\"");
  bad = good;
  bad[28] = 7;  // bit depth
  EXPECT_EQ(BitmapProblem(bad), "unsupported bit depth 7");
  bad = good;
  bad[10] = 0xFF;  // pixel data offset
  bad[11] = 0xFF;
  EXPECT_EQ(BitmapProblem(bad), "pixel data offset outside the file");
  EXPECT_EQ(BitmapProblem(Bytes{'B', 'M'}), "too short for a bitmap");
}

}  // namespace
}  // namespace quarnel::skinpack
