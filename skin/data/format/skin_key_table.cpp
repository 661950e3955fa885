// The table of known sections and keys. The element sections follow the element table of the
// loader (skin/data/skin_element_table.cpp): a section there is a section here with the same
// frame count. Pure data, any thread.
#include "skin/data/format/skin_key_table.h"

#include <limits>

namespace quarnel {
namespace {

using K = TSkinValueKind;
using F = TFrameRule;
constexpr int32_t kAny = std::numeric_limits<int32_t>::max();
constexpr int32_t kMinAny = std::numeric_limits<int32_t>::min();
constexpr int32_t kMarginMax = 4096;  // far beyond any image a skin draws with
constexpr int32_t kFramesMax = 256;

constexpr TSkinKey Margin(const char* name) {
  return {name, K::Integer, 0, kMarginMax};
}
constexpr TSkinKey Flag(const char* name) {
  return {name, K::Integer, 0, 1};
}
constexpr TSkinKey Image(const char* name) {
  return {name, K::Image};
}
constexpr TSkinKey Colour(const char* name) {
  return {name, K::Colour};
}
// A colour override given as one number (a colour value; -1: none).
constexpr TSkinKey ColourNumber(const char* name) {
  return {name, K::Integer, -1, 0xFFFFFF};
}

constexpr std::array<const char*, 4> kElementMargins = {"LeftWidth", "TopHeight", "RightWidth",
                                                        "BottomHeight"};
constexpr std::array<const char*, 4> kNoMargins = {};

// The image of an element section, cut into `frames` frames side by side.
constexpr TSkinImage ElementImage(int32_t frames, const char* key = "Image") {
  return {key, F::Fixed, frames, nullptr, false, "Trans", 0, kElementMargins};
}
// The same, counted by `frameKey` (`fallback` when it is absent or 0).
constexpr TSkinImage CountedImage(const char* frameKey, int32_t fallback) {
  return {"Image", F::FromKey, fallback, frameKey, false, "Trans", 0, kElementMargins};
}

// --- keys every element section has --------------------------------------------------------
constexpr TSkinKey kElementKeys[] = {
    Image("Image"),
    {"Style", K::Integer, 0, 2},
    Margin("LeftWidth"),
    Margin("TopHeight"),
    Margin("RightWidth"),
    Margin("BottomHeight"),
    Flag("Trans"),
    Flag("Tile"),
    ColourNumber("NormalColour"),
    ColourNumber("MouseOverColour"),
    ColourNumber("PressedColour"),
    Colour("NormalColour2"),
    Colour("MouseOverColour2"),
    Colour("PressedColour2"),
};
constexpr TSkinKey kFrameKey[] = {{"Frame", K::Integer, 0, kFramesMax}};
constexpr TSkinKey kThumbKeys[] = {{"Frame", K::Integer, 0, kFramesMax},
                                   {"FrameCount", K::Integer, 1, kFramesMax}};

// --- sections of their own ----------------------------------------------------------------------
constexpr TSkinKey kTitlebarKeys[] = {{"SkinName", K::Text}};

constexpr TSkinKey kPersonalityKeys[] = {
    Image("Left"),
    Margin("LeftTopHeight"),
    Margin("LeftBotHeight"),
    {"LeftFrame", K::Integer, 1, kFramesMax},
    Flag("LeftStretch"),
    Flag("LeftTrans"),
    Image("Right"),
    Margin("RightTopHeight"),
    Margin("RightBotHeight"),
    {"RightFrame", K::Integer, 1, kFramesMax},
    Flag("RightStretch"),
    Flag("RightTrans"),
    Image("Top"),
    Margin("TopTopHeight"),
    Margin("TopBotHeight"),
    {"TopFrame", K::Integer, 1, kFramesMax},
    Flag("TopStretch"),
    Flag("TopTrans"),
    Image("Bottom"),
    Margin("BottomTopHeight"),
    Margin("BottomBotHeight"),
    {"BottomFrame", K::Integer, 1, kFramesMax},
    Flag("BottomStretch"),
    Flag("BottomTrans"),
    Image("TextBack"),
    Margin("TextShift"),
    {"TextShiftVert", K::Integer, -kMarginMax, kMarginMax},
    Margin("TextRightClip"),
    {"TextAlignment", K::Integer, 0, 2},
    {"Textbackground", K::Integer, kMinAny, kAny},
    Margin("TXTBackleft"),
    Margin("TXTBackRight"),
    {"ActiveTextR", K::Integer, 0, 255},
    {"ActiveTextG", K::Integer, 0, 255},
    {"ActiveTextB", K::Integer, 0, 255},
    {"InActiveTextR", K::Integer, 0, 255},
    {"InActiveTextG", K::Integer, 0, 255},
    {"InActiveTextB", K::Integer, 0, 255},
    Image("menuBar"),
    Flag("TileMenu"),
    Margin("TileLeftMenu"),
    Margin("TileRightMenu"),
};
// Left and right pieces hold their frames side by side, top and bottom pieces stacked; their two
// margins run along the border. Their Trans keys shape the window from all four pieces together,
// so one piece without magenta is no fault: none is checked for it.
constexpr TSkinImage kPersonalityImages[] = {
    {"Left",
     F::FromKey,
     1,
     "LeftFrame",
     false,
     nullptr,
     0,
     {nullptr, "LeftTopHeight", nullptr, "LeftBotHeight"}},
    {"Right",
     F::FromKey,
     1,
     "RightFrame",
     false,
     nullptr,
     0,
     {nullptr, "RightTopHeight", nullptr, "RightBotHeight"}},
    {"Top", F::FromKey, 1, "TopFrame", true, nullptr, 0, {"TopTopHeight", nullptr, "TopBotHeight", nullptr}},
    {"Bottom",
     F::FromKey,
     1,
     "BottomFrame",
     true,
     nullptr,
     0,
     {"BottomTopHeight", nullptr, "BottomBotHeight", nullptr}},
    {"TextBack", F::Fixed, 2, nullptr, true, nullptr, 0, {"TXTBackleft", nullptr, "TXTBackRight", nullptr}},
    {"menuBar", F::Fixed, 2, nullptr, true, nullptr, 0, {"TileLeftMenu", nullptr, "TileRightMenu", nullptr}},
};

constexpr TSkinKey kColourKeys[] = {
    Colour("WindowText"),
    Colour("ButtonFace"),
    Colour("Scrollbar"),
    Colour("HilightText"),
    Colour("Hilight"),
    Colour("Menubar"),
    Colour("Menu"),
    Colour("MenuText"),
    Colour("ButtonText"),
    Colour("ButtonHilight"),
    Colour("Buttonlight"),
    Colour("ButtonShadow"),
    Colour("ButtonDkShadow"),
    Colour("MenuBarText"),
    Colour("TitleTextActive"),
    Colour("TitleTextNoActive"),
};

constexpr TSkinKey kFontKeys[] = {{"FontHeight", K::Integer, 1, 100}};

constexpr TSkinKey kCaptionButtonKeys[] = {
    {"Action", K::Integer, -1, 99},
    {"Align", K::Integer, 0, 100},
    {"Xcoord", K::Integer, -kMarginMax, kMarginMax},
    {"Ycoord", K::Integer, -kMarginMax, kMarginMax},
    {"Visibility", K::Integer, -1, 2000},
    {"Visibility1", K::Integer, -1, 2000},
    {"CombineOp", K::Integer, kMinAny, kAny},
    {"frame", K::Integer, 0, kFramesMax},
    Image("ButtonImage"),
};
constexpr TSkinImage kCaptionButtonImages[] = {
    {"ButtonImage", F::CaptionShape, 0, "frame", false, nullptr, 0, kNoMargins}};

constexpr TSkinKey kMdiKeys[] = {Image("Image")};
constexpr TSkinImage kMdiImages[] = {{"Image", F::Fixed, 12, nullptr, false, nullptr, 0, kNoMargins}};

constexpr TSkinKey kButtonsKeys[] = {
    Image("Bitmap"),
    Margin("LeftWidth"),
    Margin("TopHeight"),
    Margin("RightWidth"),
    Margin("BottomHeight"),
    Flag("Trans"),
    Flag("Tile"),
    Image("CheckButton"),
    {"CheckButtonFrame", K::Integer, 0, kFramesMax},
    Image("RadioButton"),
    {"RadioButtonFrame", K::Integer, 0, kFramesMax},
    ColourNumber("NormalColour"),
    ColourNumber("MouseOverColour"),
    ColourNumber("PressedColour"),
    Colour("NormalColour2"),
    Colour("MouseOverColour2"),
    Colour("PressedColour2"),
};
constexpr TSkinImage kButtonsImages[] = {
    ElementImage(5, "Bitmap"),
    {"CheckButton", F::GlyphStrip, 0, "CheckButtonFrame", false, nullptr, 0, kNoMargins},
    {"RadioButton", F::GlyphStrip, 0, "RadioButtonFrame", false, nullptr, 0, kNoMargins},
};

constexpr TSkinKey kProgressKeys[] = {
    Image("Bitmap"),      {"Style", K::Integer, 0, 1}, Margin("LeftWidth"), Margin("TopHeight"),
    Margin("RightWidth"), Margin("BottomHeight"),      Flag("Trans"),       Flag("Tile"),
};
constexpr TSkinImage kProgressImages[] = {
    {"Bitmap", F::ProgressStyle, 2, nullptr, false, "Trans", 0, kElementMargins}};

constexpr TSkinKey kGroupBoxKeys[] = {
    {"BackgroundAlignment", K::Integer, kMinAny, kAny},
    {"BackgroundLeftShift", K::Integer, -kMarginMax, kMarginMax},
    {"BackgroundRightShift", K::Integer, -kMarginMax, kMarginMax},
};
constexpr TSkinKey kTabsKeys[] = {Image("Border")};
constexpr TSkinImage kTabsImages[] = {ElementImage(5),
                                      {"Border", F::Fixed, 1, nullptr, false, nullptr, 0, kNoMargins}};
constexpr TSkinKey kComboButtonKeys[] = {Image("****")};
// The combo button is always composed with magenta as transparent: its Trans key draws nothing.
constexpr TSkinImage kComboButtonImages[] = {
    {"Image", F::Fixed, 4, nullptr, false, nullptr, 0, kElementMargins},
    {"****", F::Fixed, 4, nullptr, false, nullptr, 0, kNoMargins}};
constexpr TSkinKey kUpDownKeys[] = {Image("GlyphImage")};
constexpr TSkinImage kUpDownImages[] = {ElementImage(8),
                                        {"GlyphImage", F::Fixed, 8, nullptr, false, nullptr, 0, kNoMargins}};

constexpr TSkinKey kSectionColourKeys[] = {Colour("color")};
constexpr TSkinKey kCustomColourKeys[] = {
    Colour("Color0"), Colour("Color1"), Colour("Color2"), Colour("Color3"), Colour("Color4"),
    Colour("Color5"), Colour("Color6"), Colour("Color7"), Colour("Color8"), Colour("Color9"),
};

// One image per element section, by its frame count.
constexpr TSkinImage kOneFrame[] = {ElementImage(1)};
constexpr TSkinImage kTwoFrames[] = {ElementImage(2)};
constexpr TSkinImage kThreeFrames[] = {ElementImage(3)};
constexpr TSkinImage kFourFrames[] = {ElementImage(4)};
constexpr TSkinImage kFiveFrames[] = {ElementImage(5)};
constexpr TSkinImage kScrollGlyphs[] = {ElementImage(23)};
constexpr TSkinImage kChunkImages[] = {CountedImage("Frame", 1)};
constexpr TSkinImage kHeaderImages[] = {CountedImage("Frame", 5)};
constexpr TSkinImage kThumbImages[] = {CountedImage("FrameCount", 3)};
constexpr TSkinImage kTrackImages[] = {CountedImage("Frame", 1)};

constexpr TSkinSection Own(const char* name, std::span<const TSkinKey> keys,
                           std::span<const TSkinImage> images = {}) {
  return {name, TSectionMatch::Exact, {}, keys, images};
}
constexpr TSkinSection Element(const char* name, std::span<const TSkinImage> images,
                               std::span<const TSkinKey> extra = {}) {
  return {name, TSectionMatch::Exact, kElementKeys, extra, images};
}

constexpr TSkinSection kSections[] = {
    Own("TitlebarSkin", kTitlebarKeys),
    Own("Personality", kPersonalityKeys, kPersonalityImages),
    Own("Colours", kColourKeys),
    Own("Fonts", kFontKeys),
    {"Button", TSectionMatch::Prefix, {}, kCaptionButtonKeys, kCaptionButtonImages},
    Own("MDICONTROLS", kMdiKeys, kMdiImages),
    Own("Buttons", kButtonsKeys, kButtonsImages),
    Own("Progress", kProgressKeys, kProgressImages),
    Element("Progress.Chunk", kChunkImages, kFrameKey),
    Element("GroupBoxEdge", kTwoFrames, kFrameKey),
    Element("GroupBox", kOneFrame, kGroupBoxKeys),
    Element("Tabs", kTabsImages, kTabsKeys),
    Element("Tab.Pane", kOneFrame, kFrameKey),
    Element("StatusBarEdges", kThreeFrames, kFrameKey),
    Element("ToolBars", kFiveFrames, kFrameKey),
    Element("ComboButton", kComboButtonImages, kComboButtonKeys),
    Element("SunkEdge", kFourFrames, kFrameKey),
    Element("ExtraImages", kFiveFrames, kFrameKey),
    Element("Headerbar", kHeaderImages, kFrameKey),
    Element("MenuItem", kFiveFrames, kFrameKey),
    Element("MenuBackground", kOneFrame, kFrameKey),
    Element("Scrollbar", kScrollGlyphs, kFrameKey),
    Element("HorzScroll", kFourFrames, kFrameKey),
    Element("VertScroll", kFourFrames, kFrameKey),
    Element("HorzScrollThumb", kThumbImages, kThumbKeys),
    Element("VertScrollThumb", kThumbImages, kThumbKeys),
    Element("Trackbar.ThumbHorz", kFiveFrames, kFrameKey),
    Element("Trackbar.ThumbVert", kFiveFrames, kFrameKey),
    Element("Trackbar.ThumbLeft", kFiveFrames, kFrameKey),
    Element("Trackbar.ThumbRight", kFiveFrames, kFrameKey),
    Element("Trackbar.ThumbUp", kFiveFrames, kFrameKey),
    Element("Trackbar.ThumbDown", kFiveFrames, kFrameKey),
    Element("UpDown.Horz", kUpDownImages, kUpDownKeys),
    Element("UpDown.Vert", kUpDownImages, kUpDownKeys),
    Element("Track", kTrackImages, kFrameKey),
    Element("TRACKVERT", kTrackImages, kFrameKey),
    {"Colour", TSectionMatch::Prefix, {}, kSectionColourKeys, {}},
    Own("Customcolors", kCustomColourKeys),
};

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithName(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameSkinName(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool SameSkinName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::string LowerSkinName(std::string_view name) {
  std::string lowered(name);
  for (char& c : lowered) c = Lower(c);
  return lowered;
}

std::span<const TSkinSection> SkinSections() {
  return kSections;
}

const TSkinSection* FindSkinSection(std::string_view name) {
  for (const TSkinSection& section : kSections)
    if (section.match == TSectionMatch::Exact && SameSkinName(section.name, name)) return &section;
  // "Button" alone and the push, check and radio names are no caption buttons.
  for (const char* notCaption : {"Button", "Button.Radio", "Button.CheckBox"})
    if (SameSkinName(name, notCaption)) return nullptr;
  for (const TSkinSection& section : kSections)
    if (section.match == TSectionMatch::Prefix && StartsWithName(name, section.name)) return &section;
  return nullptr;
}

const TSkinKey* FindSkinKey(const TSkinSection& section, std::string_view name) {
  for (std::span<const TSkinKey> keys : {section.shared, section.own})
    for (const TSkinKey& key : keys)
      if (SameSkinName(key.name, name)) return &key;
  return nullptr;
}

const TSkinImage* FindSkinImage(const TSkinSection& section, std::string_view name) {
  for (const TSkinImage& image : section.images)
    if (image.key && SameSkinName(image.key, name)) return &image;
  return nullptr;
}

}  // namespace quarnel
