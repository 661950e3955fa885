// The built Longhorn Blue package read back through the skin reader: version, entries and their
// order, the definition text, well-formed 24-bit bitmaps whose widths (or heights, for stacked
// frames) divide by the frame counts the loader will give them, and readable colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>

#include "shipped_skins.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_reader.h"
#include "tools/skinpack/bitmap_check.h"

namespace quarnel::skintest {
namespace {

// The package order of the built-in skin; every shipped skin has it, with its own text's name.
const std::vector<std::string> kLonghornBlueOrder = {"progress.bmp",
                                                     "progresschunk.bmp",
                                                     "tab.bmp",
                                                     "tabsheet.bmp",
                                                     "office2003__comboboxbtn.bmp",
                                                     "statusbar.bmp",
                                                     "header.bmp",
                                                     "scrollbararrow.bmp",
                                                     "scrollbarhthumb.bmp",
                                                     "scrollbarvthumb.bmp",
                                                     "scrollbarhbar.bmp",
                                                     "scrollbarvbar.bmp",
                                                     "office__pulldwnmenu_thin.bmp",
                                                     "office__menuitem.bmp",
                                                     "extraimages.bmp",
                                                     "trackthumbh.bmp",
                                                     "trackbot.bmp",
                                                     "mdibutton.bmp",
                                                     "spin.bmp",
                                                     "spinarrow.bmp",
                                                     "spinh.bmp",
                                                     "spinharrow.bmp",
                                                     "closebutton.bmp",
                                                     "maxbutton.bmp",
                                                     "minbutton.bmp",
                                                     "restrorebutton.bmp",
                                                     "frameleft.bmp",
                                                     "frameright.bmp",
                                                     "frametop.bmp",
                                                     "framebottom.bmp",
                                                     "mincaption.bmp",
                                                     "longhorn style-blue.ini",
                                                     "m4pushbutton.bmp",
                                                     "checkbox_old.bmp",
                                                     "radiobtn_old.bmp"};

struct TBitmap {
  int width = 0, height = 0, bits = 0;
  Bytes file;
  // 0xRRGGBB of pixel (x, y), counted from the top-left corner.
  std::uint32_t Pixel(int x, int y) const {
    const int row = (width * 3 + 3) / 4 * 4;
    const std::size_t at = 54 + std::size_t(height - 1 - y) * row + std::size_t(x) * 3;
    return std::uint32_t(file[at + 2]) << 16 | std::uint32_t(file[at + 1]) << 8 | file[at];
  }
};

std::uint32_t Word(const Bytes& b, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) value |= std::uint32_t(b[at + i]) << (8 * i);
  return value;
}

// A package read back once for all the tests of its skin.
struct TReadPackage {
  TSkinReader reader;
  TQuickIni ini;
  bool loaded = false;
  std::string iniName;
};

TReadPackage& ReadPackage(const TShippedSkin& skin) {
  static std::map<std::string, std::unique_ptr<TReadPackage>> packages;
  std::unique_ptr<TReadPackage>& package = packages[skin.id];
  if (!package) {
    package = std::make_unique<TReadPackage>();
    package->loaded = package->reader.Load(ReadFileBytes(skin.PackagePath()));
    Bytes text;
    package->reader.ExtractByExtension(".ini", text, package->iniName);
    package->ini.LoadFromText(std::string(text.begin(), text.end()));
  }
  return *package;
}

class ShippedSkinPackage : public ::testing::TestWithParam<TShippedSkin> {
 protected:
  void SetUp() override {
    TReadPackage& package = ReadPackage(GetParam());
    ASSERT_TRUE(package.loaded) << "cannot load " << GetParam().PackagePath();
    reader_ = &package.reader;
    ini_ = &package.ini;
    iniName_ = package.iniName;
  }

  TBitmap Bitmap(const std::string& name) const {
    TBitmap bitmap;
    reader_->ExtractFile(name, bitmap.file);
    if (bitmap.file.size() >= 54) {
      bitmap.width = int(Word(bitmap.file, 18, 4));
      bitmap.height = int(Word(bitmap.file, 22, 4));
      bitmap.bits = int(Word(bitmap.file, 28, 2));
    }
    return bitmap;
  }

  std::string Read(const std::string& section, const std::string& key) const {
    return ini_->ReadString(section, key, "");
  }
  int ReadInt(const std::string& section, const std::string& key, int fallback) const {
    return ini_->ReadInteger(section, key, fallback);
  }

  TSkinReader* reader_ = nullptr;
  TQuickIni* ini_ = nullptr;
  std::string iniName_;
};

TEST_P(ShippedSkinPackage, HasVersion60000And35EntriesInPackageOrder) {
  std::vector<std::string> expected = kLonghornBlueOrder;
  std::replace(expected.begin(), expected.end(), std::string("longhorn style-blue.ini"),
               std::string(GetParam().definitionName));
  EXPECT_EQ(reader_->Header().Version, 60000u);
  EXPECT_EQ(reader_->Names(), expected);
}

TEST_P(ShippedSkinPackage, DefinitionTextIsFoundByItsExtensionAndNamesTheSkin) {
  EXPECT_EQ(iniName_, GetParam().definitionName);
  EXPECT_EQ(Read("TitlebarSkin", "SkinName"), GetParam().name);
}

TEST_P(ShippedSkinPackage, EveryBitmapIsAWellFormed24BitBitmap) {
  for (const std::string& name : reader_->Names()) {
    if (!name.ends_with(".bmp")) continue;
    const TBitmap bitmap = Bitmap(name);
    EXPECT_EQ(skinpack::BitmapProblem(bitmap.file), "") << name;
    EXPECT_EQ(bitmap.bits, 24) << name;
    EXPECT_EQ(Word(bitmap.file, 30, 4), 0u) << name << " is compressed";
  }
}

// Which bitmap the definition text names for an element, and the frame count the skin loader
// gives that element (frames stacked top to bottom where the drawing code cuts them so).
struct TUse {
  std::string section, key;
  int frames;
  bool stacked;
};

std::vector<TUse> ElementUses(TQuickIni& ini) {
  auto read = [&](const std::string& s, const std::string& k, int d) { return ini.ReadInteger(s, k, d); };
  auto orOne = [](int frames) { return frames == 0 ? 1 : frames; };
  std::vector<TUse> uses = {
      {"Personality", "Left", read("Personality", "LeftFrame", 1), false},
      {"Personality", "Right", read("Personality", "RightFrame", 1), false},
      {"Personality", "Top", read("Personality", "TopFrame", 1), true},
      {"Personality", "Bottom", read("Personality", "BottomFrame", 1), true},
      {"Personality", "menuBar", 2, true},
      {"Personality", "TextBack", 2, true},
      {"MDICONTROLS", "Image", 12, false},
      {"Buttons", "Bitmap", 5, false},
      {"Progress", "Bitmap", read("Progress", "Style", 0) != 0 ? 1 : 2, false},
      {"Progress.Chunk", "Image", orOne(read("Progress.Chunk", "Frame", 0)), false},
      {"Tabs", "Image", 5, false},
      {"Tab.Pane", "Image", 1, false},
      {"StatusBarEdges", "Image", 3, false},
      {"ComboButton", "Image", 4, false},
      {"Headerbar", "Image", read("Headerbar", "Frame", 0) == 0 ? 5 : read("Headerbar", "Frame", 0), false},
      {"Scrollbar", "Image", 23, false},
      {"HorzScroll", "Image", 4, false},
      {"VertScroll", "Image", 4, false},
      {"HorzScrollThumb", "Image", read("HorzScrollThumb", "FrameCount", 3), false},
      {"VertScrollThumb", "Image", read("VertScrollThumb", "FrameCount", 3), false},
      {"MenuItem", "Image", 5, false},
      {"MenuBackground", "Image", 1, false},
      {"ExtraImages", "Image", 5, false},
      {"Track", "Image", orOne(read("Track", "Frame", 0)), false},
      // Spin glyphs hold one glyph per state and direction, laid out like the buttons.
      {"UpDown.Horz", "Image", 8, false},
      {"UpDown.Horz", "GlyphImage", 8, false},
      {"UpDown.Vert", "Image", 8, false},
      {"UpDown.Vert", "GlyphImage", 8, false},
  };
  for (const char* thumb : {"Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                            "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown"}) {
    uses.push_back({thumb, "Image", 5, false});
  }
  // Caption buttons: every section named BUTTON... except the push, check and radio ones.
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  for (const std::string& section : sections) {
    std::string upper = section;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    if (!upper.starts_with("BUTTON") || upper == "BUTTONS" || upper == "BUTTON" || upper == "BUTTON.RADIO" ||
        upper == "BUTTON.CHECKBOX") {
      continue;
    }
    uses.push_back({section, "ButtonImage", read(section, "frame", 0), false});
  }
  return uses;
}

TEST_P(ShippedSkinPackage, FrameSizesDivideByTheFrameCountOfTheirElements) {
  for (const TUse& use : ElementUses(*ini_)) {
    const std::string image = Read(use.section, use.key);
    if (image.empty()) continue;
    const TBitmap bitmap = Bitmap(image);
    ASSERT_GT(bitmap.width, 0) << use.section << "." << use.key << " = " << image;
    // A caption button without a frame key is cut into 3 or 6 frames by its shape.
    int frames = use.frames;
    if (use.key == "ButtonImage" && frames == 0) frames = bitmap.width * 10 <= bitmap.height * 38 ? 3 : 6;
    const int length = use.stacked ? bitmap.height : bitmap.width;
    EXPECT_EQ(length % frames, 0) << image << " (" << use.section << ") holds " << frames << " frames";
  }
  // Check and radio images: explicit frame counts.
  EXPECT_EQ(Bitmap(Read("Buttons", "CheckButton")).width % ReadInt("Buttons", "CheckButtonFrame", 0), 0);
  EXPECT_EQ(Bitmap(Read("Buttons", "RadioButton")).width % ReadInt("Buttons", "RadioButtonFrame", 0), 0);
}

TEST_P(ShippedSkinPackage, DefinitionTextSetsEveryElementTheSkinDraws) {
  const std::pair<const char*, const char*> images[] = {
      {"Personality", "Left"},      {"Personality", "Right"},
      {"Personality", "Top"},       {"Personality", "Bottom"},
      {"Personality", "menuBar"},   {"MDICONTROLS", "Image"},
      {"Buttons", "Bitmap"},        {"Buttons", "CheckButton"},
      {"Buttons", "RadioButton"},   {"Progress", "Bitmap"},
      {"Progress.Chunk", "Image"},  {"Tabs", "Image"},
      {"Tab.Pane", "Image"},        {"StatusBarEdges", "Image"},
      {"Headerbar", "Image"},       {"Scrollbar", "Image"},
      {"HorzScroll", "Image"},      {"VertScroll", "Image"},
      {"HorzScrollThumb", "Image"}, {"VertScrollThumb", "Image"},
      {"MenuItem", "Image"},        {"MenuBackground", "Image"},
      {"ComboButton", "Image"},     {"ExtraImages", "Image"},
      {"Track", "Image"},           {"Trackbar.ThumbHorz", "Image"},
      {"UpDown.Horz", "Image"},     {"UpDown.Horz", "GlyphImage"},
      {"UpDown.Vert", "Image"},     {"UpDown.Vert", "GlyphImage"}};
  for (const auto& [section, key] : images) EXPECT_NE(Read(section, key), "") << section << "." << key;
  for (const char* key :
       {"LeftTopHeight", "LeftBotHeight", "TopTopHeight", "TopBotHeight", "TextShift", "TextShiftVert",
        "TextRightClip", "TextAlignment", "TileMenu", "TileLeftMenu", "TileRightMenu"}) {
    EXPECT_NE(ReadInt("Personality", key, -1), -1) << key;
  }
  EXPECT_GT(ReadInt("Fonts", "FontHeight", 0), 0);
}

TEST_P(ShippedSkinPackage, EveryImageTheTextNamesIsInThePackageAndEveryBitmapIsUsed) {
  std::map<std::string, int> uses;
  for (const std::string& line : ini_->Lines()) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string value = line.substr(equals + 1);
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (!value.ends_with(".bmp")) continue;
    Bytes bytes;
    EXPECT_TRUE(reader_->ExtractFile(value, bytes)) << line;
    ++uses[value];
  }
  for (const std::string& name : reader_->Names()) {
    if (name.ends_with(".bmp")) {
      EXPECT_GT(uses[name], 0) << name << " is never used";
    }
  }
}

TEST_P(ShippedSkinPackage, CaptionButtonsAreLaidOutForTheMainWindow) {
  struct TButton {
    const char* image;
    int action, align, x, visibility, visibility1;
  };
  const TButton expected[] = {{"closebutton.bmp", 0, 1, 25, 0, 0},
                              {"maxbutton.bmp", 1, 1, 49, 2, 6},
                              {"restrorebutton.bmp", 1, 1, 49, 1, 0},
                              {"minbutton.bmp", 2, 1, 73, 8, 0}};
  std::vector<std::string> sections;
  ini_->ReadSections(&sections);
  for (const TButton& button : expected) {
    auto found = std::find_if(sections.begin(), sections.end(),
                              [&](const std::string& s) { return Read(s, "ButtonImage") == button.image; });
    ASSERT_NE(found, sections.end()) << button.image;
    EXPECT_EQ(ReadInt(*found, "Action", -9), button.action) << *found;
    EXPECT_EQ(ReadInt(*found, "Align", -9), button.align) << *found;
    EXPECT_EQ(ReadInt(*found, "Xcoord", -9), button.x) << *found;
    EXPECT_EQ(ReadInt(*found, "Visibility", -9), button.visibility) << *found;
    EXPECT_EQ(ReadInt(*found, "Visibility1", 0), button.visibility1) << *found;
    EXPECT_EQ(ReadInt(*found, "frame", 0), 4) << *found;
  }
  auto icon = std::find_if(sections.begin(), sections.end(), [&](const std::string& s) {
    return s.starts_with("Button") && ReadInt(s, "Action", -9) == 3;
  });
  ASSERT_NE(icon, sections.end());
  EXPECT_EQ(ReadInt(*icon, "Align", -9), 0);
  EXPECT_EQ(ReadInt(*icon, "Xcoord", -9), 8);
  EXPECT_EQ(ReadInt(*icon, "Ycoord", -9), 7);
}

TEST_P(ShippedSkinPackage, CaptionIsAbout30PixelsWithRoundedCornersCutByMagenta) {
  const TBitmap top = Bitmap(Read("Personality", "Top"));
  const int frames = ReadInt("Personality", "TopFrame", 1);
  const int caption = top.height / frames;
  EXPECT_GE(caption, 26);
  EXPECT_LE(caption, 34);
  const TBitmap left = Bitmap(Read("Personality", "Left"));
  const TBitmap right = Bitmap(Read("Personality", "Right"));
  constexpr std::uint32_t kMagenta = 0xFF00FF;
  // The corners are rounder than the borders are wide: the whole first row of both side
  // pieces is cut away, while the caption's own first row is opaque in its middle.
  for (int x = 0; x < left.width / 2; ++x) {
    EXPECT_EQ(left.Pixel(x, 0), kMagenta) << x;
    EXPECT_EQ(right.Pixel(x, 0), kMagenta) << x;
  }
  EXPECT_NE(left.Pixel(left.width / 2 - 1, caption / 2), kMagenta);
  EXPECT_NE(top.Pixel(top.width / 2, 0), kMagenta);
  // The left piece's bottom corner is square and opaque: only the top is rounded.
  EXPECT_NE(left.Pixel(0, left.height - 1), kMagenta);
  EXPECT_EQ(ReadInt("Personality", "TopTrans", 0), 1);
  EXPECT_EQ(ReadInt("Personality", "LeftTrans", 0), 1);
}

double Luminance(std::uint32_t rgb) {
  auto linear = [](std::uint32_t c) {
    const double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb >> 16 & 255) + 0.7152 * linear(rgb >> 8 & 255) + 0.0722 * linear(rgb & 255);
}

double Contrast(std::uint32_t a, std::uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double MeanLuminance(const TBitmap& bitmap, int x0, int y0, int w, int h) {
  double sum = 0;
  int count = 0;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      if (bitmap.Pixel(x, y) == 0xFF00FF) continue;
      sum += Luminance(bitmap.Pixel(x, y));
      ++count;
    }
  }
  return count ? sum / count : 0;
}

TEST_P(ShippedSkinPackage, InactiveFramesAreDarkerThanActiveOnes) {
  for (const char* piece : {"Left", "Right", "Top", "Bottom"}) {
    const TBitmap bitmap = Bitmap(Read("Personality", piece));
    const bool stacked = std::string(piece) == "Top" || std::string(piece) == "Bottom";
    const int w = stacked ? bitmap.width : bitmap.width / 2, h = stacked ? bitmap.height / 2 : bitmap.height;
    const double active = MeanLuminance(bitmap, 0, 0, w, h);
    const double inactive = stacked ? MeanLuminance(bitmap, 0, h, w, h) : MeanLuminance(bitmap, w, 0, w, h);
    EXPECT_LT(inactive, active) << piece;
  }
}

// An R G B triple of the definition text as 0xRRGGBB.
std::uint32_t Colour(const std::string& triple) {
  std::istringstream in(triple);
  int r = -1, g = -1, b = -1;
  in >> r >> g >> b;
  EXPECT_TRUE(r >= 0 && g >= 0 && b >= 0 && r < 256 && g < 256 && b < 256) << "\"" << triple << "\"";
  return std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

TEST_P(ShippedSkinPackage, ColourSchemeIsCompleteAndTextIsReadable) {
  for (const char* key : {"WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText",
                          "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow", "HilightText",
                          "Hilight", "Menubar", "MenuBarText", "MenuText", "Menu", "Scrollbar"}) {
    EXPECT_NE(Read("Colours", key), "") << key;
  }
  auto colour = [&](const char* key) { return Colour(Read("Colours", key)); };
  EXPECT_EQ(Luminance(colour("ButtonFace")) < Luminance(colour("ButtonText")), GetParam().dark);
  EXPECT_GE(Contrast(colour("ButtonText"), colour("ButtonFace")), 7.0);
  EXPECT_GE(Contrast(colour("MenuText"), colour("Menu")), 7.0);
  EXPECT_GE(Contrast(colour("MenuBarText"), colour("Menubar")), 4.5);
  EXPECT_GE(Contrast(colour("HilightText"), colour("Hilight")), 4.5);
  EXPECT_GE(Contrast(colour("ButtonShadow"), colour("ButtonFace")), 2.0);  // visible edges

  // Title text against the caption where it is written (its vertical middle), both states.
  const TBitmap top = Bitmap(Read("Personality", "Top"));
  const int caption = top.height / 2;
  const int x = top.width / 2;
  EXPECT_GE(Contrast(colour("TitleTextActive"), top.Pixel(x, caption / 2)), 4.5);
  EXPECT_GE(Contrast(colour("TitleTextNoActive"), top.Pixel(x, caption + caption / 2)), 4.5);
  // Selected menu items are drawn from the image, with the selection text colour.
  const TBitmap item = Bitmap(Read("MenuItem", "Image"));
  const int fw = item.width / 5;
  EXPECT_GE(Contrast(colour("HilightText"), item.Pixel(3 * fw + fw / 2, item.height / 2)), 4.5);
  // Header items are drawn from the image with their text in WindowText.
  const TBitmap header = Bitmap(Read("Headerbar", "Image"));
  EXPECT_GE(Contrast(colour("WindowText"), header.Pixel(header.width / 10, header.height / 2)), 4.5);
  // Push buttons: the normal text on the normal frame, the hot text on the hot frame.
  const TBitmap buttons = Bitmap(Read("Buttons", "Bitmap"));
  const int bw = buttons.width / 5, middle = buttons.height / 2;
  EXPECT_GE(Contrast(Colour(Read("Buttons", "NormalColour2")), buttons.Pixel(bw / 2, middle)), 4.5);
  EXPECT_GE(Contrast(Colour(Read("Buttons", "MouseOverColour2")), buttons.Pixel(3 * bw + bw / 2, middle)),
            4.5);
}

TEST_P(ShippedSkinPackage, PushButtonFramesAreDistinct) {
  const TBitmap buttons = Bitmap(Read("Buttons", "Bitmap"));
  const int fw = buttons.width / 5;
  // Compare a row of the upper and of the lower half in the middle of every frame.
  auto signature = [&](int frame) {
    return std::vector<std::uint32_t>{buttons.Pixel(frame * fw + fw / 2, 0),
                                      buttons.Pixel(frame * fw + fw / 2, buttons.height / 4),
                                      buttons.Pixel(frame * fw + fw / 2, 3 * buttons.height / 4),
                                      buttons.Pixel(frame * fw + 1, buttons.height / 2)};
  };
  for (int a = 0; a < 5; ++a) {
    for (int b = a + 1; b < 5; ++b)
      EXPECT_NE(signature(a), signature(b)) << "frames " << a + 1 << ", " << b + 1;
  }
}

TEST_P(ShippedSkinPackage, HotCloseButtonIsRed) {
  const TBitmap close = Bitmap(Read("Button.Close", "ButtonImage"));
  const int fw = close.width / 4;
  const std::uint32_t hot = close.Pixel(2 * fw + 3, close.height - 4);
  const int r = hot >> 16 & 255, g = hot >> 8 & 255, b = hot & 255;
  EXPECT_GT(r, 150);
  EXPECT_LT(g, r / 2);
  EXPECT_LT(b, r / 2);
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinPackage, ::testing::ValuesIn(kShippedSkins),
                         [](const auto& info) { return SkinTestName(info.param); });

// Section and key names of a definition text in text order, each with whether its value is set.
std::vector<std::pair<std::string, bool>> KeysOf(TQuickIni& ini) {
  std::vector<std::pair<std::string, bool>> keys;
  std::string section;
  for (const std::string& line : ini.Lines()) {
    const auto equals = line.find('=');
    if (line.starts_with("[")) {
      section = line;
    } else if (equals != std::string::npos) {
      keys.emplace_back(section + " " + line.substr(0, equals), equals + 1 < line.size());
    }
  }
  return keys;
}

TEST(ShippedSkinDefinitions, EverySkinSetsTheSectionsAndKeysOfTheBuiltInSkin) {
  const auto builtIn = KeysOf(ReadPackage(kShippedSkins[0]).ini);
  ASSERT_GT(builtIn.size(), 150u);
  for (const TShippedSkin& skin : kShippedSkins) EXPECT_EQ(KeysOf(ReadPackage(skin).ini), builtIn) << skin.id;
}

}  // namespace
}  // namespace quarnel::skintest
