// The loader's indexed view of the definition text answers exactly as the text reader does,
// on hand-picked texts and on random ones.
#include <gtest/gtest.h>

#include <random>

#include "skin/data/format/quick_ini.h"
#include "skin/data/format/skin_definition.h"

namespace quarnel {
namespace {

void ExpectSameAnswers(const std::string& text, const std::vector<std::string>& sections,
                       const std::vector<std::string>& keys) {
  TQuickIni ini;
  ini.LoadFromText(text);
  TSkinDefinition definition;
  definition.LoadFromText(text);
  for (const std::string& s : sections)
    for (const std::string& k : keys) {
      ASSERT_EQ(definition.ReadString(s, k, "<none>"), ini.ReadString(s, k, "<none>"))
          << s << "/" << k << "\n"
          << text;
      ASSERT_EQ(definition.ReadInteger(s, k, -77), ini.ReadInteger(s, k, -77)) << s << "/" << k;
    }
  std::vector<std::string> names;
  ini.ReadSections(&names);
  EXPECT_EQ(definition.Sections(), names);
}

TEST(SkinDefinition, AnswersLikeTheTextReader) {
  ExpectSameAnswers(
      "[Buttons]\nLeftWidth=4\nleftwidth=9\n RightWidth =  7 \nEmpty=\n[buttons]\nTopHeight=3\n"
      "[Other] ; note\nx=0x10\ny=0x\nz=$FF\nw=-3\n[Last]\n=novalue\nk\n",
      {"Buttons", "BUTTONS", "Other", "Other] ; note", "Last", "Missing"},
      {"LeftWidth", "RIGHTWIDTH", "Empty", "TopHeight", "x", "y", "z", "w", "", "k"});
}

TEST(SkinDefinition, AnswersLikeTheTextReaderOnRandomTexts) {
  const char* parts[] = {"[", "]", "[A]", "[b]", "[a]",  "=",  "k", "K",
                         "v", "1", "0x",  " ",   "\r\n", "\n", ";", "\r"};
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int i = 0, n = static_cast<int>(rng() % 60); i < n; ++i) text += parts[rng() % std::size(parts)];
    ExpectSameAnswers(text, {"A", "b", "a", "", "c"}, {"k", "K", "kk", "", "v"});
  }
}

}  // namespace
}  // namespace quarnel
