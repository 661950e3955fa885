// Definition text reader: line splitting, comments, section lookup, first-key-wins reading,
// integer forms and the section list.
#include "skin/data/format/quick_ini.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarnel::testing {
namespace {

TQuickIni IniOf(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

TEST(QuickIniLines, AllLineBreakStylesGiveTheSameLines) {
  const std::vector<std::string> expected{"[A]", "k=1", "j=2"};
  EXPECT_EQ(IniOf("[A]\r\nk=1\r\nj=2\r\n").Lines(), expected);
  EXPECT_EQ(IniOf("[A]\nk=1\nj=2").Lines(), expected);
  EXPECT_EQ(IniOf("[A]\rk=1\rj=2\r").Lines(), expected);
  EXPECT_EQ(IniOf("[A]\n\rk=1\n\rj=2").Lines(), expected);  // LF CR: an empty line, dropped
}

TEST(QuickIniLines, TrimsAndDropsBlankAndCommentLines) {
  const auto ini = IniOf("  ; note\r\n\t[A] \r\n \x01 \r\n  key = v  \r\nx;y\r\n");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "key = v", "x;y"}));
}

TEST(QuickIniLines, NulEndsTheText) {
  const auto ini = IniOf(std::string_view("[A]\r\nk=1\0\r\nj=2", 15));
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k=1"}));
  EXPECT_EQ(ini.ReadString("A", "j", "none"), "none");
}

TEST(QuickIniLines, LoadFromStreamReadsFromItsPositionAndIgnoresNull) {
  TQuickIni ini;
  std::istringstream stream("garbage[S]\nk=v\n");
  stream.seekg(7);
  ini.LoadFromStream(&stream);
  EXPECT_EQ(ini.ReadString("S", "k", ""), "v");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadString("S", "k", ""), "v");
}

TEST(QuickIniSections, NamesIgnoreCaseButNotInnerBlanks) {
  const auto ini = IniOf("[buttons]\nA=1\n[ Other ]\nB=2\n");
  EXPECT_EQ(ini.FindSection("Buttons"), 0);
  EXPECT_EQ(ini.ReadString("BUTTONS", "a", ""), "1");
  EXPECT_EQ(ini.FindSection("Other"), -1);
  EXPECT_EQ(ini.FindSection(" Other "), 2);
}

TEST(QuickIniSections, HeaderFollowedByACommentIsAnOrdinaryLine) {
  const auto ini = IniOf("[A]\nk=1\n[B] ; note\nk=2\n");
  EXPECT_EQ(ini.FindSection("B"), -1);
  EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
}

TEST(QuickIniSections, SecondSectionOfTheSameNameIsNeverSearched) {
  const auto ini = IniOf("top=0\n[A]\nk=1\n[a]\nk=2\nonly=3\n");
  EXPECT_EQ(ini.ReadString("A", "only", "d"), "d");
  EXPECT_EQ(ini.FindSection("A"), 1);
}

TEST(QuickIniRead, KeysIgnoreCaseAndTheFirstOneDecides) {
  const auto ini = IniOf("[Buttons]\nRightwidth = 7\nrightwidth=9\nEmpty=\nempty=5\n");
  EXPECT_EQ(ini.ReadString("Buttons", "RightWidth", ""), "7");
  EXPECT_EQ(ini.ReadString("Buttons", "Empty", "dflt"), "dflt");
}

TEST(QuickIniRead, ValueKeepsASemicolonAndTheNoteBehindIt) {
  const auto ini = IniOf("[A]\nImage=tab.bmp ; the tabs\n");
  EXPECT_EQ(ini.ReadString("A", "Image", ""), "tab.bmp ; the tabs");
}

TEST(QuickIniRead, ValueStartsAfterTheFirstEquals) {
  const auto ini = IniOf("[A]\nk = a=b\nnoequals\n=anon\n");
  EXPECT_EQ(ini.ReadString("A", "k", ""), "a=b");
  EXPECT_EQ(ini.ReadString("A", "noequals", "d"), "d");
  EXPECT_EQ(ini.ReadString("A", "", "d"), "anon");
}

TEST(QuickIniRead, ReadingStopsAtTheNextSection) {
  const auto ini = IniOf("[A]\nx=1\n[B]\ny=2\n");
  EXPECT_EQ(ini.ReadString("A", "y", "d"), "d");
  EXPECT_EQ(ini.ReadString("B", "y", "d"), "2");
  EXPECT_EQ(ini.ReadString("C", "y", "d"), "d");
}

TEST(QuickIniRead, OnlyCommentsReadsDefaults) {
  const auto ini = IniOf("; a\r\n\r\n   ;b\r\n");
  EXPECT_TRUE(ini.Lines().empty());
  EXPECT_EQ(ini.ReadInteger("A", "k", 42), 42);
  std::vector<std::string> sections{"stale"};
  ini.ReadSections(&sections);
  EXPECT_TRUE(sections.empty());
}

TEST(QuickIniInteger, DecimalHexAndFallbacks) {
  const auto ini = IniOf(
      "[N]\na=0x1F\nb=$1F\nc=-3\nd=12ab\ne=0x\nf=0X10\ng=+5\nh=-$10\ni=$FFFFFFFF\n"
      "j=2147483648\nk=-2147483648\nl=$100000000\nm=\nn=$\no=1 2\n");
  EXPECT_EQ(ini.ReadInteger("N", "a", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "b", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "c", 0), -3);
  EXPECT_EQ(ini.ReadInteger("N", "d", 77), 77);
  EXPECT_EQ(ini.ReadInteger("N", "e", 77), 77);
  EXPECT_EQ(ini.ReadInteger("N", "f", 0), 16);
  EXPECT_EQ(ini.ReadInteger("N", "g", 0), 5);
  EXPECT_EQ(ini.ReadInteger("N", "h", 0), -16);
  EXPECT_EQ(ini.ReadInteger("N", "i", 0), -1);
  EXPECT_EQ(ini.ReadInteger("N", "j", 77), 77);
  EXPECT_EQ(ini.ReadInteger("N", "k", 0), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "l", 77), 77);
  EXPECT_EQ(ini.ReadInteger("N", "m", 77), 77);
  EXPECT_EQ(ini.ReadInteger("N", "n", 77), 77);
  EXPECT_EQ(ini.ReadInteger("N", "o", 77), 77);
}

TEST(QuickIniSectionList, NamesInTextOrderWithoutBrackets) {
  const auto ini = IniOf("[A]\n[ Spaced ]\n[A]\n[]\n");
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"A", "Spaced", "A", ""}));
}

TEST(QuickIniSectionList, NullTargetIsAnAssertionFailure) {
  const auto ini = IniOf("[A]\n");
  try {
    ini.ReadSections(nullptr);
    FAIL() << "no assertion failure";
  } catch (const EAssertionFailed& failure) {
    EXPECT_STREQ(failure.what(), "The parameter Strings is unassigned!");
  }
}

}  // namespace
}  // namespace quarnel::testing
