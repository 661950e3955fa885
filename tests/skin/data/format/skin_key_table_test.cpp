// The table of known sections and keys: how a header finds its section, and that the table and
// the loader (skin/data/, read here as source text, since the loader itself builds for Windows
// only) name the same sections, keys and frame counts, so that neither can drift alone.
#include "skin/data/format/skin_key_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace quarnel {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

TEST(SkinKeyTable, HeadersFindTheirSectionWithoutLetterCase) {
  ASSERT_NE(FindSkinSection("buttons"), nullptr);
  EXPECT_STREQ(FindSkinSection("buttons")->name, "Buttons");
  EXPECT_STREQ(FindSkinSection("COLOURS")->name, "Colours");
  EXPECT_STREQ(FindSkinSection("trackvert")->name, "TRACKVERT");
  // Any other name starting with Button is a caption button, with Colour an extra colour.
  ASSERT_NE(FindSkinSection("Button.Close"), nullptr);
  EXPECT_EQ(FindSkinSection("Button.Close")->match, TSectionMatch::Prefix);
  EXPECT_STREQ(FindSkinSection("BUTTONHELP")->name, "Button");
  EXPECT_STREQ(FindSkinSection("Colour.Links")->name, "Colour");
  // Names the loader leaves out of the caption buttons, and unknown ones.
  EXPECT_EQ(FindSkinSection("Button"), nullptr);
  EXPECT_EQ(FindSkinSection("button.radio"), nullptr);
  EXPECT_EQ(FindSkinSection("Button.CheckBox"), nullptr);
  EXPECT_EQ(FindSkinSection("Headerbra"), nullptr);
}

TEST(SkinKeyTable, KeysAreFoundAmongTheSharedAndTheOwnOnes) {
  const TSkinSection& thumb = *FindSkinSection("HorzScrollThumb");
  ASSERT_NE(FindSkinKey(thumb, "leftwidth"), nullptr);   // every element section's
  ASSERT_NE(FindSkinKey(thumb, "FRAMECOUNT"), nullptr);  // its own
  EXPECT_EQ(FindSkinKey(thumb, "FrameCount")->min, 1);
  EXPECT_EQ(FindSkinKey(*FindSkinSection("Tabs"), "Frame"), nullptr);  // read without a frame key
  EXPECT_EQ(FindSkinKey(*FindSkinSection("Colours"), "Highlight"), nullptr);
  const TSkinImage* top = FindSkinImage(*FindSkinSection("Personality"), "top");
  ASSERT_NE(top, nullptr);
  EXPECT_TRUE(top->stacked);
  EXPECT_STREQ(top->frameKey, "TopFrame");
}

// --- the loader's sources --------------------------------------------------------------------

std::string LoaderSources() {
  std::string all;
  for (const char* file : {"skin_element_loader.cpp", "skin_colour_loader.cpp", "skin_caption_buttons.cpp",
                           "skin_element_table.cpp", "skin_element_slots.inc", "skin_element_derive.cpp"}) {
    std::ifstream in(std::string(QUARNEL_SOURCE_DIR) + "/skin/data/" + file, std::ios::binary);
    EXPECT_TRUE(in) << file;
    all.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return all;
}

std::vector<std::smatch> Matches(const std::string& text, const std::regex& pattern) {
  return {std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()};
}

bool KnownAnywhere(const std::string& key) {
  for (const TSkinSection& section : SkinSections())
    if (FindSkinKey(section, key)) return true;
  return false;
}

bool SomeKeyEndsWith(const std::string& suffix) {
  for (const TSkinSection& section : SkinSections())
    for (std::span<const TSkinKey> keys : {section.shared, section.own})
      for (const TSkinKey& key : keys)
        if (Lower(key.name).ends_with(Lower(suffix))) return true;
  return false;
}

TEST(SkinKeyTable, EveryKeyTheLoaderReadsIsInTheTable) {
  const std::string sources = LoaderSources();
  // text.ReadInteger(section, "Key", ...), and the names put together: prefix + "TopHeight".
  const std::regex read(
      R"((?:ReadString|ReadInteger|ReadColor|HasValue)\(\s*([^,()]+?)\s*,\s*([^,()]+?)\s*[,)])");
  int reads = 0;
  for (const std::smatch& m : Matches(sources, read)) {
    const std::string section = m[1], key = m[2];
    std::smatch literal;
    if (std::regex_match(key, literal, std::regex(R"_("([^"]+)")_"))) {
      ++reads;
      if (section.front() == '"') {
        const TSkinSection* known = FindSkinSection(section.substr(1, section.size() - 2));
        ASSERT_NE(known, nullptr) << m.str();
        EXPECT_NE(FindSkinKey(*known, literal[1].str()), nullptr) << m.str();
      } else {
        EXPECT_TRUE(KnownAnywhere(literal[1])) << m.str();
      }
    } else if (std::regex_match(key, literal, std::regex(R"_(\w+ \+ "([^"]+)")_"))) {
      ++reads;
      EXPECT_TRUE(SomeKeyEndsWith(literal[1])) << m.str();
    }
  }
  EXPECT_GT(reads, 60);  // the pattern still finds the loader's reads
  // The colour scheme's keys stand in a table of their own: {scWindowText, "WindowText", ...}.
  const TSkinSection& colours = *FindSkinSection("Colours");
  int colourKeys = 0;
  for (const std::smatch& m : Matches(sources, std::regex(R"_(\{sc\w+, "(\w+)")_"))) {
    ++colourKeys;
    EXPECT_NE(FindSkinKey(colours, m[1].str()), nullptr) << m.str();
  }
  EXPECT_EQ(colourKeys, static_cast<int>(colours.own.size()));
}

TEST(SkinKeyTable, EveryKeyInTheTableIsReadByTheLoader) {
  const std::string sources = LoaderSources();
  std::set<std::string> literals;
  for (const std::smatch& m : Matches(sources, std::regex(R"_("([^"\\]*)")_"))) literals.insert(Lower(m[1]));
  // A key is read when the loader spells it, or puts it together from two names it spells
  // ("Left" + "TopHeight", "ActiveText" + "R"), or numbers it ("Color" + 0..9).
  auto read = [&](const std::string& name) {
    const std::string key = Lower(name);
    if (literals.contains(key)) return true;
    if (std::regex_match(key, std::regex("color[0-9]"))) return literals.contains("color");
    for (std::size_t cut = 1; cut < key.size(); ++cut)
      if (literals.contains(key.substr(0, cut)) && literals.contains(key.substr(cut))) return true;
    return false;
  };
  for (const TSkinSection& section : SkinSections()) {
    EXPECT_TRUE(read(section.name)) << section.name;
    for (std::span<const TSkinKey> keys : {section.shared, section.own})
      for (const TSkinKey& key : keys) EXPECT_TRUE(read(key.name)) << section.name << " " << key.name;
  }
}

TEST(SkinKeyTable, ElementSectionsMatchTheLoadersElementTable) {
  const std::string sources = LoaderSources();
  const std::regex row(R"_(QUARNEL_ELEMENT\(\w+, \w+, "([^"]+)", \w+, (\w+), (\d+), [^)]+\))_");
  int rows = 0;
  for (const std::smatch& m : Matches(sources, row)) {
    ++rows;
    const std::string name = m[1], read = m[2];
    const int frames = std::stoi(m[3]);
    const TSkinSection* section = FindSkinSection(name);
    if (read == "Derived") {
      EXPECT_EQ(section, nullptr) << name << " is built by the loader, not read";
      continue;
    }
    ASSERT_NE(section, nullptr) << name;
    if (read == "Own") continue;  // read by steps of their own, checked key by key above
    const bool framed = read == "GenericFramed";
    EXPECT_EQ(FindSkinKey(*section, "Frame") != nullptr, framed) << name;
    const TSkinImage* image = FindSkinImage(*section, "Image");
    ASSERT_NE(image, nullptr) << name;
    if (frames > 0) {
      EXPECT_EQ(image->rule, TFrameRule::Fixed) << name;
      EXPECT_EQ(image->frames, frames) << name;
    } else {
      EXPECT_EQ(image->rule, TFrameRule::FromKey) << name;
    }
  }
  // Every line of the slot list is a row the pattern read.
  std::ifstream slots(std::string(QUARNEL_SOURCE_DIR) + "/skin/data/skin_element_slots.inc");
  int lines = 0;
  for (std::string line; std::getline(slots, line);) lines += line.rfind("QUARNEL_ELEMENT(", 0) == 0;
  EXPECT_GT(lines, 0);
  EXPECT_EQ(rows, lines);
}

}  // namespace
}  // namespace quarnel
