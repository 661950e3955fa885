// skinpack check as a linter, and skinpack new: a starter folder written from the built-in skin
// checks clean, packs and checks clean again; each kind of fault an author can make, put into
// that folder by hand, is found with its file, section, key, line and sentence, and sets the
// exit code (0 clean, 1 warnings only, 2 errors); --json gives the same findings.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/tools/mini_json.h"
#include "tools/skinpack/check_command.h"
#include "tools/skinpack/skinpack_commands.h"

namespace quarnel::skinpack {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const std::string kText = "longhorn style-blue.ini";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::uint32_t Word(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

// A bitmap of one colour, 24 or 32 bits per pixel.
std::string SolidBitmap(int width, int height, int bits, std::uint32_t rgb) {
  const int rowBytes = (width * bits / 8 + 3) / 4 * 4;
  std::string file(54 + std::size_t(rowBytes) * height, '\0');
  auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<char>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put(2, std::uint32_t(file.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, std::uint32_t(width), 4);
  put(22, std::uint32_t(height), 4);
  put(26, 1, 2);
  put(28, std::uint32_t(bits), 2);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) put(54 + std::size_t(y) * rowBytes + std::size_t(x) * bits / 8, rgb, 3);
  return file;
}

class SkinLint : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("skin-lint-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_);
    ASSERT_EQ(Run({"new", Skin().string()}), kExitOk) << err_.str();
  }
  void TearDown() override { fs::remove_all(root_); }

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunSkinpack(args, out_, err_);
  }
  int Check() { return Run({"check", Skin().string()}); }
  fs::path Skin() const { return root_ / "skin"; }

  // Replaces the first `from` in the definition text; returns the line it stands on.
  int Edit(const std::string& from, const std::string& to) {
    std::string text = ReadText(Skin() / kText);
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at == std::string::npos) return 0;
    text.replace(at, from.size(), to);
    WriteText(Skin() / kText, text);
    return 1 +
           static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
  }
  // "…/longhorn style-blue.ini:LINE: " as a finding names its place.
  std::string At(int line) const { return (Skin() / kText).string() + ":" + std::to_string(line) + ": "; }
  // Width and height of a bitmap of the folder.
  std::pair<int, int> Size(const std::string& name) const {
    const std::string bytes = ReadText(Skin() / name);
    return {int(Word(bytes, 18)), int(Word(bytes, 22))};
  }

  fs::path root_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(SkinLint, StarterFolderChecksCleanAndPacksIntoACleanPackage) {
  EXPECT_EQ(Check(), kCheckClean) << err_.str();
  EXPECT_NE(out_.str().find("35 files: OK"), std::string::npos) << out_.str();
  EXPECT_EQ(err_.str(), "");
  ASSERT_EQ(Run({"pack", Skin().string(), (root_ / "mine.skn").string()}), kExitOk) << err_.str();
  EXPECT_EQ(Run({"check", (root_ / "mine.skn").string()}), kCheckClean) << err_.str();
  EXPECT_NE(out_.str().find("35 entries: OK"), std::string::npos) << out_.str();
}

TEST_F(SkinLint, NewWritesTheDarkSkinAndRefusesAFolderInUse) {
  ASSERT_EQ(Run({"new", (root_ / "dark").string(), "--from", "Graphite Dark"}), kExitOk) << err_.str();
  EXPECT_NE(ReadText(root_ / "dark" / "graphite style-dark.ini").find("SkinName=Graphite Dark"),
            std::string::npos);
  EXPECT_EQ(Run({"check", (root_ / "dark").string()}), kCheckClean) << err_.str();

  const std::string before = ReadText(Skin() / kText);
  WriteText(Skin() / kText, "; my edits\n");
  EXPECT_EQ(Run({"new", Skin().string()}), kExitFailed);
  EXPECT_NE(err_.str().find("already exists and is not an empty folder"), std::string::npos) << err_.str();
  EXPECT_EQ(ReadText(Skin() / kText), "; my edits\n");  // nothing overwritten
  EXPECT_NE(before, "; my edits\n");

  EXPECT_EQ(Run({"new", (root_ / "other").string(), "--from", "Pink Fluffy"}), kExitUsage);
  EXPECT_NE(err_.str().find("\"Longhorn Blue\", \"Graphite Dark\""), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(root_ / "other"));
}

TEST_F(SkinLint, BitmapNamedButMissingIsAnError) {
  const int line = Edit("Image=tab.bmp", "Image=tabs.bmp");
  EXPECT_EQ(Check(), kCheckErrors);
  EXPECT_NE(err_.str().find("skinpack: error: " + At(line) +
                            "[Tabs] Image: the bitmap \"tabs.bmp\" is not in the skin"),
            std::string::npos)
      << err_.str();
  // tab.bmp itself is now named by no key.
  EXPECT_NE(err_.str().find("warning: " + (Skin() / "tab.bmp").string() +
                            ": no key of the definition text names this file"),
            std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, ImageWidthThatIsNoMultipleOfTheFramesIsAnError) {
  const auto [width, height] = Size("statusbar.bmp");
  WriteText(Skin() / "statusbar.bmp", SolidBitmap(width + 1, height, 24, 0x808080));
  const int line = Edit("Image=statusbar.bmp", "Image=statusbar.bmp");
  EXPECT_EQ(Check(), kCheckErrors);
  EXPECT_NE(
      err_.str().find(At(line) + "[StatusBarEdges] Image: \"statusbar.bmp\" is " + std::to_string(width + 1) +
                      " pixels wide, which is not a whole multiple of its 3 frames side by side"),
      std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, StackedFramesAreCountedFromTheFrameKey) {
  const auto [width, height] = Size("frametop.bmp");
  ASSERT_EQ(height % 2, 0);
  EXPECT_EQ(Check(), kCheckClean);
  const int line = Edit("TopFrame=2", "TopFrame=" + std::to_string(height + 1));
  EXPECT_EQ(Check(), kCheckErrors);
  EXPECT_NE(err_.str().find("[Personality] Top: \"frametop.bmp\" is " + std::to_string(height) +
                            " pixels high, which is not a whole multiple of its " +
                            std::to_string(height + 1) + " frames (TopFrame) stacked top to bottom"),
            std::string::npos)
      << err_.str();
  EXPECT_GT(line, 0);
}

TEST_F(SkinLint, CutMarginsLargerThanAFrameAreAnError) {
  const int frameWidth = Size("office__menuitem.bmp").first / 5;
  const int line =
      Edit("[MenuItem]\r\nImage=office__menuitem.bmp\r\nLeftWidth=4",
           "[MenuItem]\r\nImage=office__menuitem.bmp\r\nLeftWidth=" + std::to_string(frameWidth)) +
      2;
  EXPECT_EQ(Check(), kCheckErrors);
  EXPECT_NE(err_.str().find(At(line) + "[MenuItem] LeftWidth: the cut margins LeftWidth " +
                            std::to_string(frameWidth) +
                            " + RightWidth 4 are larger than a frame of \"office__menuitem.bmp\" (" +
                            std::to_string(frameWidth) + " pixels wide)"),
            std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, ColourThatIsNotThreeNumbersUpTo255IsAnError) {
  const int line = Edit("ButtonFace=236 241 247", "ButtonFace=236 241 300");
  const int second = Edit("Menu=251 252 254", "Menu=251 252");
  EXPECT_EQ(Check(), kCheckErrors);
  EXPECT_NE(err_.str().find(
                At(line) + "[Colours] ButtonFace: \"236 241 300\" is not a colour: give three numbers 0-255"),
            std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find(At(second) + "[Colours] Menu: \"251 252\" is not a colour"), std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, NumbersOutOfRangeOrNoNumbersAreErrors) {
  const int range = Edit("TextAlignment=0", "TextAlignment=3");
  const int word =
      Edit("[Progress]\r\nBitmap=progress.bmp\r\nStyle=1", "[Progress]\r\nBitmap=progress.bmp\r\nStyle=one") +
      2;
  EXPECT_EQ(Check(), kCheckErrors);
  EXPECT_NE(err_.str().find(At(range) +
                            "[Personality] TextAlignment: 3 is out of range: TextAlignment takes 0 to 2"),
            std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find(At(word) + "[Progress] Style: \"one\" is not a whole number"), std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, UnknownSectionsAndKeysAreWarningsWithTheNearestName) {
  const int section = Edit("[Headerbar]", "[Headerbra]");
  const int key = Edit("TextShiftVert=", "TextShiftVrt=");
  const int caption = Edit("[Button.Close]", "[Buton.Close]");
  EXPECT_EQ(Check(), kCheckWarnings);
  EXPECT_NE(
      err_.str().find("warning: " + At(section) +
                      "[Headerbra] the engine reads no section [Headerbra] (did you mean \"Headerbar\"?)"),
      std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find(At(key) + "[Personality] TextShiftVrt: the engine reads no key TextShiftVrt in "
                                      "[Personality] (did you mean \"TextShiftVert\"?)"),
            std::string::npos)
      << err_.str();
  EXPECT_NE(
      err_.str().find(At(caption) + "[Buton.Close] the engine reads no section [Buton.Close] (did you mean "
                                    "\"Button.Close\"?)"),
      std::string::npos)
      << err_.str();
  EXPECT_EQ(err_.str().find("error:"), std::string::npos) << err_.str();
}

TEST_F(SkinLint, WhatTheEngineNeverReadsIsAWarning) {
  // The first header of a section and the first line of a key win.
  std::string text = ReadText(Skin() / kText);
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  text += "\r\n[Fonts]\r\nFontHeight=20\r\n[ Buttons ]\r\nTrans=0\r\nstray line\r\n";
  WriteText(Skin() / kText, text);
  const int key = Edit("FontHeight=14", "FontHeight=14\r\nfontheight=16") + 1;
  EXPECT_EQ(Check(), kCheckWarnings);
  EXPECT_NE(err_.str().find(At(key) + "[Fonts] fontheight: fontheight is given again (first at line " +
                            std::to_string(key - 1) + "); the engine reads only the first"),
            std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find(At(lines + 3) + "[Fonts] section [Fonts] is here again"), std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find(At(lines + 5) + "[Buttons] blanks inside the brackets: the engine finds no keys"),
            std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find(At(lines + 7) + "this line is neither a [section] header"), std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, BitmapTheEngineCannotDecodeIsAnError) {
  WriteText(Skin() / "tab.bmp", SolidBitmap(40000, 1, 24, 0xFF00FF));  // wider than any image it reads
  EXPECT_EQ(Check(), kCheckErrors);
  EXPECT_NE(
      err_.str().find("error: " + (Skin() / "tab.bmp").string() + ": the engine cannot decode this bitmap"),
      std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, ImageThatIsNot24BitIsAWarning) {
  const auto [width, height] = Size("tabsheet.bmp");
  WriteText(Skin() / "tabsheet.bmp", SolidBitmap(width, height, 32, 0x808080));
  EXPECT_EQ(Check(), kCheckWarnings);
  EXPECT_NE(
      err_.str().find("[Tab.Pane] Image: \"tabsheet.bmp\" has 32 bits per pixel; skin images are 24-bit"),
      std::string::npos)
      << err_.str();
}

TEST_F(SkinLint, TransparentElementWithoutMagentaIsAWarning) {
  const auto [width, height] = Size("office__menuitem.bmp");
  WriteText(Skin() / "office__menuitem.bmp", SolidBitmap(width, height, 24, 0x808080));
  const int line = Edit("Image=office__menuitem.bmp", "Image=office__menuitem.bmp");
  EXPECT_EQ(Check(), kCheckWarnings);
  EXPECT_NE(
      err_.str().find(At(line) + "[MenuItem] Image: \"office__menuitem.bmp\" is drawn transparent (Trans=1) "
                                 "but has no magenta (255 0 255) pixel"),
      std::string::npos)
      << err_.str();
  // The same image with one magenta pixel is fine.
  std::string bitmap = SolidBitmap(width, height, 24, 0x808080);
  bitmap[54] = char(0xFF), bitmap[55] = 0, bitmap[56] = char(0xFF);
  WriteText(Skin() / "office__menuitem.bmp", bitmap);
  EXPECT_EQ(Check(), kCheckClean) << err_.str();
}

TEST_F(SkinLint, FileNoKeyNamesIsAWarning) {
  WriteText(Skin() / "spare.bmp", SolidBitmap(4, 4, 24, 0xFF00FF));
  EXPECT_EQ(Check(), kCheckWarnings);
  EXPECT_NE(err_.str().find("skinpack: warning: " + (Skin() / "spare.bmp").string() +
                            ": no key of the definition text names this file"),
            std::string::npos)
      << err_.str();
}

// checkbox_old.bmp holds 12 frames of 13 x 13: at 1.5x each frame is 20 x 20 (19.5 rounded), so
// the strip is 240 wide, not 234 (156 x 1.5).
TEST_F(SkinLint, DensityVariantsPackListAndCheckClean) {
  const auto [topWidth, topHeight] = Size("frametop.bmp");
  ASSERT_EQ(Size("checkbox_old.bmp"), std::make_pair(156, 13));
  WriteText(Skin() / "FrameTop@2X.bmp", SolidBitmap(2 * topWidth, 2 * topHeight, 24, 0x808080));
  WriteText(Skin() / "checkbox_old@1.5x.bmp", SolidBitmap(240, 20, 24, 0x808080));
  EXPECT_EQ(Check(), kCheckClean) << err_.str();
  EXPECT_NE(out_.str().find("37 files: OK"), std::string::npos) << out_.str();

  ASSERT_EQ(Run({"pack", Skin().string(), (root_ / "mine.skn").string()}), kExitOk) << err_.str();
  EXPECT_EQ(Run({"check", (root_ / "mine.skn").string()}), kCheckClean) << err_.str();
  ASSERT_EQ(Run({"list", (root_ / "mine.skn").string()}), kExitOk) << err_.str();
  const std::string listing = out_.str();
  EXPECT_NE(listing.find("\tframetop.bmp\t(density variants: @2x)\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("\tframetop@2x.bmp\t(density variant of frametop.bmp)\n"), std::string::npos)
      << listing;
  EXPECT_NE(listing.find("\tcheckbox_old.bmp\t(density variants: @1.5x)\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("\tframebottom.bmp\n"), std::string::npos) << listing;
}

TEST_F(SkinLint, DensityVariantOfTheWrongSizeOrWithoutItsImageIsAWarning) {
  const auto [topWidth, topHeight] = Size("frametop.bmp");
  WriteText(Skin() / "frametop@2x.bmp", SolidBitmap(2 * topWidth + 1, 2 * topHeight, 24, 0x808080));
  WriteText(Skin() / "checkbox_old@1.5x.bmp", SolidBitmap(234, 20, 24, 0x808080));
  WriteText(Skin() / "spare@2x.bmp", SolidBitmap(4, 4, 24, 0x808080));
  EXPECT_EQ(Check(), kCheckWarnings);
  const std::string size = std::to_string(topWidth) + " x " + std::to_string(topHeight);
  const std::string twice = std::to_string(2 * topWidth) + " x " + std::to_string(2 * topHeight);
  EXPECT_NE(err_.str().find("warning: " + (Skin() / "frametop@2x.bmp").string() +
                            ": the 2x variant of \"frametop.bmp\" (" + size + ") should be " + twice +
                            " (2 frames of " + std::to_string(2 * topWidth) + " x " +
                            std::to_string(topHeight) + "), but \"frametop@2x.bmp\" is " +
                            std::to_string(2 * topWidth + 1) + " x " + std::to_string(2 * topHeight)),
            std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find(": the 1.5x variant of \"checkbox_old.bmp\" (156 x 13) should be 240 x 20 (12 "
                            "frames of 20 x 20), but \"checkbox_old@1.5x.bmp\" is 234 x 20"),
            std::string::npos)
      << err_.str();
  EXPECT_NE(err_.str().find((Skin() / "spare@2x.bmp").string() +
                            ": a density variant of \"spare.bmp\", which is not in the skin"),
            std::string::npos)
      << err_.str();
  EXPECT_EQ(err_.str().find("no key of the definition text names"), std::string::npos) << err_.str();
}

TEST_F(SkinLint, JsonCarriesTheSameFindings) {
  const int line = Edit("Bitmap=m4pushbutton.bmp", "Bitmap=m4pushbuton.bmp");
  ASSERT_EQ(Run({"check", Skin().string(), "--json"}), kCheckErrors);
  EXPECT_EQ(err_.str(), "");
  const test::TJson json = test::ParseJson(out_.str());
  EXPECT_EQ(json["path"].text, Skin().string());
  EXPECT_EQ(json["errors"].number, 1);
  EXPECT_EQ(json["warnings"].number, 1);  // m4pushbutton.bmp is named by no key now
  ASSERT_EQ(json["findings"].items.size(), 2u) << out_.str();
  const test::TJson& missing = json["findings"].items[0];
  EXPECT_EQ(missing["severity"].text, "error");
  EXPECT_EQ(missing["file"].text, kText);
  EXPECT_EQ(missing["section"].text, "Buttons");
  EXPECT_EQ(missing["key"].text, "Bitmap");
  EXPECT_EQ(missing["line"].number, line);
  EXPECT_EQ(missing["message"].text, "the bitmap \"m4pushbuton.bmp\" is not in the skin");
  EXPECT_EQ(json["findings"].items[1]["file"].text, "m4pushbutton.bmp");
  EXPECT_EQ(json["findings"].items[1]["severity"].text, "warning");
}

TEST_F(SkinLint, JsonKeepsNamesInOtherCodePagesReadable) {
  const std::string gbk = "\xC4\xE3\xBA\xC3";  // not UTF-8
  Edit("[Headerbar]", "[" + gbk + "]");
  ASSERT_EQ(Run({"check", "--json", Skin().string()}), kCheckWarnings);
  EXPECT_NE(out_.str().find("\"section\": \"\\u00c4\\u00e3\\u00ba\\u00c3\""), std::string::npos)
      << out_.str();
  const test::TJson json = test::ParseJson(out_.str());
  ASSERT_GE(json["findings"].items.size(), 1u);
  EXPECT_EQ(json["findings"].items[0]["section"].text, gbk);
}

}  // namespace
}  // namespace quarnel::skinpack
