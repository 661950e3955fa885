// Random definition texts loaded against fixed images: every load completes, the records the
// drawing code relies on are there, and no GDI object is left behind. Built from the keys and
// sections the loader reads, with hostile values mixed in. Runs under Wine.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "skin/data/draw/draw_helpers.h"
#include "skin_test_package.h"
#include "tests/support/window_support.h"

namespace quarnel {
namespace {

using testing::Bytes;
using testing::SolidBmp;

const char* const kSections[] = {
    "TitlebarSkin",     "Personality",    "Colours",         "Fonts",           "Buttons",
    "Button.Close",     "Button.Max",     "ButtonX",         "button",          "MDICONTROLS",
    "Progress",         "Progress.Chunk", "GroupBoxEdge",    "GroupBox",        "Tabs",
    "StatusBarEdges",   "Tab.Pane",       "ToolBars",        "ComboButton",     "SunkEdge",
    "ExtraImages",      "Headerbar",      "MenuItem",        "MenuBackground",  "Scrollbar",
    "HorzScroll",       "VertScroll",     "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz",
    "Trackbar.ThumbUp", "UpDown.Horz",    "UpDown.Vert",     "Track",           "TRACKVERT",
    "Colour.x",         "Customcolors"};
const char* const kKeys[] = {"Image",
                             "Bitmap",
                             "ButtonImage",
                             "Left",
                             "Right",
                             "Top",
                             "Bottom",
                             "TextBack",
                             "menuBar",
                             "Border",
                             "****",
                             "GlyphImage",
                             "CheckButton",
                             "RadioButton",
                             "LeftWidth",
                             "RightWidth",
                             "TopHeight",
                             "BottomHeight",
                             "Frame",
                             "frame",
                             "FrameCount",
                             "Tile",
                             "Trans",
                             "Style",
                             "Action",
                             "Visibility",
                             "Visibility1",
                             "Xcoord",
                             "Ycoord",
                             "CombineOp",
                             "Align",
                             "NormalColour",
                             "NormalColour2",
                             "ButtonFace",
                             "Menubar",
                             "color",
                             "Color3",
                             "LeftTopHeight",
                             "TopBotHeight",
                             "TopFrame",
                             "LeftStretch",
                             "TopTrans",
                             "ActiveTextR",
                             "ActiveTextG",
                             "ActiveTextB",
                             "FontHeight",
                             "RadioButtonFrame",
                             "CheckButtonFrame",
                             "TileMenu",
                             "TextShift"};
const char* const kValues[] = {
    "0",    "1",          "2",           "3",           "4",        "-1",       "-2",       "11",
    "100",  "2147483647", "-2147483648", "99999999999", "0x",       "$FF",      "0X10",     "",
    "  ",   "a.bmp",      "A.BMP",       "wide.bmp",    "tall.bmp", "tiny.bmp", "none.bmp", "dir\\a.bmp",
    ".bmp", "300 0 0",    "1 2 3 4",     "255,255,255", "x y z",    "\x01\x7f", "1.5"};

std::string RandomText(std::mt19937& rng) {
  auto pick = [&](const auto& table) { return std::string(table[rng() % std::size(table)]); };
  std::string text;
  const int sections = 1 + static_cast<int>(rng() % 12);
  for (int s = 0; s < sections; ++s) {
    text += "[" + pick(kSections) + "]\r\n";
    const int keys = static_cast<int>(rng() % 10);
    for (int k = 0; k < keys; ++k) {
      if (rng() % 20 == 0) {  // raw noise now and then
        for (int i = 0, n = static_cast<int>(rng() % 30); i < n; ++i)
          text += static_cast<char>(1 + rng() % 255);
        text += "\n";
        continue;
      }
      std::string value = pick(kValues);
      if (rng() % 4 == 0) value = std::to_string(static_cast<int32_t>(rng()) % 4000);
      text += pick(kKeys) + "=" + value + "\r\n";
    }
  }
  return text;
}

TEST(SkinLoadFuzz, RandomDefinitionTextsLoadWithoutLeaks) {
  TSkinWriter writer;
  writer.AddEntry("a.bmp", SolidBmp(40, 20, 0x808080));
  writer.AddEntry("wide.bmp", SolidBmp(200, 21, 0xFF00FF));
  writer.AddEntry("tall.bmp", SolidBmp(3, 90, 0x102030));
  writer.AddEntry("tiny.bmp", SolidBmp(1, 1, 0));
  TSkinReader package;
  ASSERT_TRUE(package.Load(writer.Packed(kDefaultSkinVersion)));

  std::mt19937 rng(20261208);
  auto loadOnce = [&](TSkinElements& e) {
    TSkinDefinition text;
    text.LoadFromText(RandomText(rng));
    LoadSkinElements(e, package, text);
  };
  TSkinElements warmUp;
  loadOnce(warmUp);
  {
    // Some texts make derived images with the drawing helpers, whose reused surfaces then last
    // for the thread's life: make them before counting.
    TBitmap image(4, 4, pf24bit), cell(4, 4, pf24bit);
    image.Canvas().SetPixel(0, 0, kSkinTransparentColor);  // something to leave out
    for (bool transparent : {false, true})
      DrawSkinElement(cell.DC(), RECT{0, 0, 4, 4}, image, false, false, transparent, 1, 1, SkinMargins{});
  }
  const DWORD before = testing_support::gdi_objects();
  for (int i = 0; i < 3000; ++i) {
    TSkinElements e;
    loadOnce(e);
    ASSERT_TRUE(e.FrameTop && e.Buttons && e.Title && e.Toolbar && e.ComboArrow && e.Track && e.TrackVert);
    ASSERT_GE(e.SysButtons.size(), 3u);
    ASSERT_TRUE(e.FaceBrush);
    loadOnce(e);  // loading over a loaded skin replaces it
  }
  EXPECT_LE(testing_support::gdi_objects(), before);
}

}  // namespace
}  // namespace quarnel
