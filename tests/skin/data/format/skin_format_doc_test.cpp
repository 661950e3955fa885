// docs/skin-format.md against the table of known sections and keys: every section has its
// heading, every key is written in its section's part (the keys of every element section in
// theirs), and what the page says of frames agrees with the table.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "skin/data/format/skin_key_table.h"

namespace quarnel {
namespace {

struct TDocPart {
  std::string heading;
  std::string text;
};

// The page cut at its "### " headings.
std::vector<TDocPart> DocParts() {
  std::ifstream in(std::string(QUARNEL_SOURCE_DIR) + "/docs/skin-format.md", std::ios::binary);
  EXPECT_TRUE(in) << "docs/skin-format.md";
  std::vector<TDocPart> parts(1);
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with("### "))
      parts.push_back({line, {}});
    else
      parts.back().text += line + " ";  // a sentence may wrap: lines joined by blanks
  }
  return parts;
}

const TDocPart* PartOf(const std::vector<TDocPart>& parts, const TSkinSection& section) {
  const std::string tag =
      "[" + std::string(section.name) + (section.match == TSectionMatch::Prefix ? "*]" : "]");
  for (const TDocPart& part : parts)
    if (part.heading.find(tag) != std::string::npos) return &part;
  return nullptr;
}

bool Mentions(const TDocPart& part, const char* key) {
  return part.text.find("`" + std::string(key) + "`") != std::string::npos;
}

class SkinFormatDoc : public ::testing::Test {
 protected:
  std::vector<TDocPart> parts_ = DocParts();
};

TEST_F(SkinFormatDoc, EverySectionAndKeyTheEngineReadsIsDocumented) {
  const TDocPart* shared = nullptr;
  for (const TDocPart& part : parts_)
    if (part.heading == "### Keys of every element section") shared = &part;
  ASSERT_NE(shared, nullptr);
  // "*Framed.*" in a section's part stands for the Frame key the shared part describes.
  auto framed = [&](const TDocPart& part, const char* key) {
    return std::string(key) == "Frame" && part.text.find("*Framed.*") != std::string::npos &&
           Mentions(*shared, key);
  };
  for (const TSkinSection& section : SkinSections()) {
    const TDocPart* part = PartOf(parts_, section);
    ASSERT_NE(part, nullptr) << "no heading for [" << section.name << "]";
    for (const TSkinKey& key : section.own)
      EXPECT_TRUE(Mentions(*part, key.name) || framed(*part, key.name)) << section.name << " " << key.name;
    for (const TSkinKey& key : section.shared) EXPECT_TRUE(Mentions(*shared, key.name)) << key.name;
  }
}

TEST_F(SkinFormatDoc, FramesAreDescribedAsTheEngineCountsThem) {
  for (const TSkinSection& section : SkinSections()) {
    if (section.shared.empty()) continue;  // element sections: the ones with a frame rule of their own
    const TDocPart& part = *PartOf(parts_, section);
    const bool framed = FindSkinKey(section, "Frame") != nullptr;
    EXPECT_EQ(part.text.find("*Framed.*") != std::string::npos, framed) << section.name;
    const TSkinImage& image = *FindSkinImage(section, "Image");
    const std::string count = std::to_string(image.frames) + (image.frames == 1 ? " frame" : " frames");
    if (image.rule == TFrameRule::Fixed) {
      EXPECT_NE(part.text.find(count), std::string::npos) << section.name << ": " << count;
    } else {
      ASSERT_EQ(image.rule, TFrameRule::FromKey) << section.name;
      const std::string rule = "`" + std::string(image.frameKey) + "`, " + std::to_string(image.frames);
      const bool described = part.text.find("Frames: " + rule + " when absent") != std::string::npos;
      EXPECT_TRUE(described) << section.name;
    }
  }
}

}  // namespace
}  // namespace quarnel
