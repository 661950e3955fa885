// Generates the synthetic skin: deterministic pixels from a small LCG so that every run (and
// every platform) produces the same bytes.
#include "tools/bench_lzh/sample_skin.h"

#include <array>

namespace quarnel::sample {
namespace {

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

struct TBitmapRecipe {
  const char* name;
  int width;
  int height;
  int frames;
};

// Names in the order of the shipped skin; the definition text goes after "mincaption.bmp".
constexpr std::array<TBitmapRecipe, 34> kBitmaps{{
    {"progress.bmp", 60, 18, 2},
    {"progresschunk.bmp", 20, 16, 1},
    {"tab.bmp", 100, 22, 5},
    {"tabsheet.bmp", 30, 30, 1},
    {"office2003__comboboxbtn.bmp", 64, 20, 4},
    {"statusbar.bmp", 60, 22, 3},
    {"header.bmp", 100, 20, 5},
    {"scrollbararrow.bmp", 276, 17, 23},
    {"scrollbarhthumb.bmp", 90, 17, 3},
    {"scrollbarvthumb.bmp", 51, 30, 3},
    {"scrollbarhbar.bmp", 68, 17, 4},
    {"scrollbarvbar.bmp", 68, 17, 4},
    {"office__pulldwnmenu_thin.bmp", 40, 45, 1},
    {"office__menuitem.bmp", 100, 22, 5},
    {"extraimages.bmp", 80, 16, 5},
    {"trackthumbh.bmp", 55, 20, 5},
    {"trackbot.bmp", 40, 8, 1},
    {"mdibutton.bmp", 192, 16, 12},
    {"spin.bmp", 96, 16, 8},
    {"spinarrow.bmp", 64, 8, 8},
    {"spinh.bmp", 96, 16, 8},
    {"spinharrow.bmp", 64, 8, 8},
    {"closebutton.bmp", 108, 21, 6},
    {"maxbutton.bmp", 108, 21, 6},
    {"minbutton.bmp", 108, 21, 6},
    {"restrorebutton.bmp", 108, 21, 6},
    {"frameleft.bmp", 8, 200, 2},
    {"frameright.bmp", 8, 200, 2},
    {"frametop.bmp", 300, 40, 2},
    {"framebottom.bmp", 300, 10, 2},
    {"mincaption.bmp", 200, 25, 2},
    {"m4pushbutton.bmp", 250, 23, 5},
    {"checkbox_old.bmp", 104, 13, 8},
    {"radiobtn_old.bmp", 104, 13, 8},
}};

constexpr std::size_t kDefinitionTextAfter = 30;  // index of "mincaption.bmp"

}  // namespace

std::vector<std::uint8_t> MakeBitmap(int width, int height, int frames, std::uint32_t seed) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
  std::vector<std::uint8_t> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutWord(out, 54 + pixelBytes, 4);
  PutWord(out, 0, 4);
  PutWord(out, 54, 4);
  PutWord(out, 40, 4);  // BITMAPINFOHEADER
  PutWord(out, static_cast<std::uint32_t>(width), 4);
  PutWord(out, static_cast<std::uint32_t>(height), 4);
  PutWord(out, 1, 2);
  PutWord(out, 24, 2);
  PutWord(out, 0, 4);
  PutWord(out, pixelBytes, 4);
  PutWord(out, 2835, 4);
  PutWord(out, 2835, 4);
  PutWord(out, 0, 4);
  PutWord(out, 0, 4);

  std::uint32_t noise = seed * 2654435761u + 1;
  const int frameWidth = width / frames > 0 ? width / frames : 1;
  for (int y = 0; y < height; ++y) {
    int x = 0;
    for (; x < width; ++x) {
      const int frame = x / frameWidth;
      const int fx = x % frameWidth;
      const bool corner = (fx < 2 || fx >= frameWidth - 2) && (y < 2 || y >= height - 2);
      if (corner) {
        out.insert(out.end(), {0xFF, 0x00, 0xFF});  // magenta: transparent
        continue;
      }
      const bool edge = fx == 0 || fx == frameWidth - 1 || y == 0 || y == height - 1;
      noise = noise * 1103515245u + 12345u;
      const int jitter = (y % 4 == 1) ? static_cast<int>((noise >> 27) & 7) : 0;
      const int shade = 120 + (y * 110) / (height > 1 ? height : 1) + frame * 9 + jitter;
      const auto level = static_cast<std::uint8_t>(shade > 255 ? 255 : shade);
      if (edge) {
        out.insert(out.end(), {0x80, 0x50, 0x30});
      } else {
        out.insert(out.end(), {level, static_cast<std::uint8_t>(level - 20),
                               static_cast<std::uint8_t>(level / 2 + (seed & 31))});
      }
    }
    for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

std::string MakeDefinitionText() {
  std::string text =
      "; Longhorn style, blue\r\n[TitlebarSkin]\r\nSkinName=Longhorn Style Blue\r\n\r\n"
      "[Personality]\r\nTop=frametop.bmp\r\nTopTopHeight=80\r\nTopBotHeight=80\r\n"
      "Left=frameleft.bmp\r\nLeftTopHeight=10\r\nLeftBotHeight=10\r\n"
      "Right=frameright.bmp\r\nRightTopHeight=10\r\nRightBotHeight=10\r\n"
      "Bottom=framebottom.bmp\r\nBottomTopHeight=10\r\nBottomBotHeight=10\r\n"
      "TextShift=26\r\nTextShiftVert=2\r\nTextAlignment=0\r\nActiveTextR=255\r\n"
      "ActiveTextG=255\r\nActiveTextB=255\r\nInActiveTextR=200\r\nInActiveTextG=210\r\n"
      "InActiveTextB=230\r\nmenuBar=mincaption.bmp\r\n\r\n[Colours]\r\n";
  const char* colourNames[] = {"Menu",         "MenuText",  "Window",        "ButtonFace",
                               "ButtonText",   "Highlight", "HighlightText", "WindowText",
                               "BtnHighlight", "BtnShadow", "GrayText",      "InfoBk"};
  int index = 0;
  for (const char* name : colourNames) {
    text += std::string(name) + "=" + std::to_string(200 + index) + " " + std::to_string(210 + 2 * index) +
            " " + std::to_string(230 + index) + "\r\n";
    ++index;
  }
  const TBitmapRecipe* recipe = kBitmaps.data();
  const char* sections[] = {"Progress",        "Tabs",        "Tab.Pane",           "ComboButton",
                            "StatusBarEdges",  "Headerbar",   "Scrollbar",          "HorzScrollThumb",
                            "VertScrollThumb", "HorzScroll",  "VertScroll",         "MenuBackground",
                            "MenuItem",        "ExtraImages", "Trackbar.ThumbHorz", "Track",
                            "Buttons"};
  for (const char* section : sections) {
    text += std::string("\r\n[") + section + "]\r\nImage=" + recipe->name +
            "\r\nLeftWidth=3\r\nRightWidth=3\r\nTopHeight=3\r\nBottomHeight=3\r\nTrans=1\r\n"
            "Tile=0\r\nNormalColour2=0 0 0\r\nMouseOverColour2=16 32 64\r\n";
    ++recipe;
  }
  const char* buttons[] = {"Button.Close", "Button.Max", "Button.Min", "Button.Restore"};
  for (int action = 0; action < 4; ++action) {
    text += std::string("\r\n[") + buttons[action] + "]\r\nAction=" + std::to_string(action) +
            "\r\nAlign=1\r\nXcoord=" + std::to_string(24 * (action + 1)) +
            "\r\nYcoord=6\r\nVisibility=0\r\nButtonImage=closebutton.bmp\r\n";
  }
  text += "\r\n[Fonts]\r\nFontHeight=14\r\n";
  return text;
}

std::vector<TSampleEntry> MakeSampleSkin() {
  std::vector<TSampleEntry> entries;
  std::uint32_t seed = 1;
  for (std::size_t i = 0; i < kBitmaps.size(); ++i) {
    const TBitmapRecipe& recipe = kBitmaps[i];
    entries.push_back({recipe.name, MakeBitmap(recipe.width, recipe.height, recipe.frames, seed++)});
    if (i == kDefinitionTextAfter) {
      const std::string text = MakeDefinitionText();
      entries.push_back({"longhorn style-blue.ini", {text.begin(), text.end()}});
    }
  }
  return entries;
}

}  // namespace quarnel::sample
