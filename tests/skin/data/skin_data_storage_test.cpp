// TSkinData's package storage: skin files, writing the description back, loading again and
// again without leaks, plus the caption hint and the menu glyphs it owns.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/description/description.h"
#include "skin/data/skin_data_describe.h"
#include "skin_data_test_support.h"

namespace quarnel {
namespace {

using testing::HostDescription;
using testing::PackSkin;
using testing::SkinDataTest;
using testing::SmallSkin;

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

TEST_F(SkinDataTest, MissingSkinFileKeepsTheSkinInForce) {
  const auto packed = PackSkin(SmallSkin("Kept"));
  TSkinData& data = Read(HostDescription("    Active = True\n", &packed));
  data.SetSkinFile(TempPath("no-such-skin-file.skn"));
  EXPECT_EQ(data.SkinFile(), TempPath("no-such-skin-file.skn"));
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.SkinName, "Kept");
  EXPECT_EQ(data.PackedSkin(), packed);
  EXPECT_TRUE(data.Active());
}

TEST_F(SkinDataTest, ExistingSkinFileReplacesLoadsAndApplies) {
  const auto first = PackSkin(SmallSkin("First"));
  const auto second = PackSkin(SmallSkin("Second"));
  const std::string path = TempPath("quarnel-h7-second.skn");
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(second.data()), static_cast<std::streamsize>(second.size()));
  }
  TSkinData& data = Read(HostDescription("", &first));
  TSkinManage& manager = *TSkinManage::Instance();
  data.SetSkinFile(path);
  std::filesystem::remove(path);
  EXPECT_EQ(data.SkinName, "Second");
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.PackedSkin(), second);
  EXPECT_EQ(manager.SkinData().Current(), &data);
}

TEST_F(SkinDataTest, SkinFileWhileReadingLoadsBeforeLoaded) {
  const auto packed = PackSkin(SmallSkin("FromFile"));
  const std::string path = TempPath("quarnel-h7-read.skn");
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
  }
  std::string escaped;
  for (char c : path) escaped += c == '\'' ? std::string("''") : std::string(1, c);
  TSkinData& data = Read(HostDescription("    Active = True\n    SkinFile = '" + escaped + "'\n", nullptr));
  std::filesystem::remove(path);
  EXPECT_EQ(data.SkinName, "FromFile");
  EXPECT_TRUE(data.Active());
  EXPECT_TRUE(TSkinManage::Instance()->Running());
}

TEST_F(SkinDataTest, DescriptionWrittenBackReadsToTheSamePackageAndSettings) {
  const auto packed = PackSkin(SmallSkin("RoundTrip"));
  TSkinData& data = Read(HostDescription("    Active = True\n    DisableTag = 7\n", &packed));
  data.SetOptions(Bit(xoMenuBG));
  data.Skin3rd()->Add("TMyGrid=scrollbar");
  data.SetSkinFormtype(sfDialog);
  data.SetMenuMerge(true);

  const std::string text = FormatDescription(DescribeComponent(data));
  EXPECT_NE(text.find("SkinStream = {"), std::string::npos);
  auto copy = TComponent::Make<TSkinData>();
  ReadComponent(*copy, text);
  EXPECT_EQ(copy->PackedSkin(), packed);
  EXPECT_EQ(copy->SkinName, "RoundTrip");
  EXPECT_EQ(copy->DisableTag(), 7);
  EXPECT_EQ(copy->Options(), Bit(xoMenuBG));
  EXPECT_EQ(copy->Skin3rd()->ToVector(), data.Skin3rd()->ToVector());
  EXPECT_GE(copy->Skin3rd()->IndexOf("TMyGrid=scrollbar"), 0);
  EXPECT_EQ(copy->SkinFormtype(), sfDialog);
  EXPECT_TRUE(copy->MenuMerge());
  EXPECT_TRUE(copy->Active());
  // And written once more, the text is the same.
  EXPECT_EQ(FormatDescription(DescribeComponent(*copy)), text);
}

TEST_F(SkinDataTest, EmptyStreamWritesASizeOfZero) {
  auto data = TComponent::Make<TSkinData>();
  const auto props = data->BinaryProperties();
  ASSERT_EQ(props.size(), 1u);
  EXPECT_EQ(props[0].first, "SkinStream");
  EXPECT_EQ(props[0].second, (std::vector<uint8_t>{0, 0, 0, 0}));
  // A size beyond the stored bytes takes only what is there.
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", {0xFF, 0xFF, 0, 0, 1, 2, 3}));
  EXPECT_EQ(data->PackedSkin(), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_TRUE(data->Empty());
  // A negative size stores no package: the one held stays.
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", {0xFD, 0xFF, 0xFF, 0xFF, 4, 5, 6}));
  EXPECT_EQ(data->PackedSkin(), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(data->ReadBinaryProperty("Other", {}));
}

TEST_F(SkinDataTest, RepeatedLoadsHoldNoMoreGdiObjects) {
  const auto packed = PackSkin(SmallSkin());
  TSkinData& data = Read(HostDescription("", &packed));
  data.LoadSkin();
  const DWORD before = testing_support::gdi_objects();
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(data.LoadSkin());
  EXPECT_LE(testing_support::gdi_objects(), before);
  for (int i = 0; i < 100; ++i) {
    auto other = TComponent::Make<TSkinData>();
    other->SetPackedSkin(packed);
    other->LoadSkin();
  }
  EXPECT_LE(testing_support::gdi_objects(), before);
}

TEST_F(SkinDataTest, CaptionHintShowsOnceAtTheGivenCorner) {
  auto data = TComponent::Make<TSkinData>();
  const RECT where{100, 120, 130, 140};
  data->ShowCaptionHint(where, "Close");
  ASSERT_TRUE(data->HintShowing());
  HWND hint = data->HintWindow().Handle();
  ASSERT_TRUE(hint && IsWindowVisible(hint));
  RECT placed;
  GetWindowRect(hint, &placed);
  EXPECT_EQ(placed.left, 100);
  EXPECT_EQ(placed.top, 120);
  EXPECT_GT(placed.right - placed.left, 10);
  EXPECT_LE(placed.right - placed.left, 510);
  data->ShowCaptionHint(RECT{300, 300, 310, 310}, "Other");  // one hint at a time
  GetWindowRect(hint, &placed);
  EXPECT_EQ(placed.left, 100);
  data->HideCaptionHint();
  EXPECT_FALSE(data->HintShowing());
  EXPECT_FALSE(IsWindowVisible(hint));

  data->SetOptions(0);
  data->ShowCaptionHint(where, "Close");
  EXPECT_FALSE(data->HintShowing());
}

TEST_F(SkinDataTest, LongHintsWrapAtFiveHundredPixels) {
  TSkinHintWindow window;
  const RECT rect = window.CalcHintRect(500, std::string(400, 'W') + " " + std::string(10, 'x'));
  EXPECT_LE(rect.right, 500 + 16);
  const RECT shortRect = window.CalcHintRect(500, "Minimize");
  EXPECT_LT(shortRect.right, rect.right);
  EXPECT_GT(rect.bottom, 2 * shortRect.bottom - 8);  // the long text took several lines
}

TEST_F(SkinDataTest, MenuGlyphsComeFromTheProgramBitmap) {
  auto data = TComponent::Make<TSkinData>();
  ASSERT_EQ(data->MenuGlyphs().Count(), 4);
  TBitmap& strip = data->MenuGlyphs().Strip();
  EXPECT_EQ(strip.PixelAt(0, 0), 0xFFFFFFu);
  EXPECT_EQ(strip.PixelAt(7, 9), 0x000000u);       // check mark
  EXPECT_EQ(strip.PixelAt(16 + 7, 7), 0x000000u);  // radio bullet
}

}  // namespace
}  // namespace quarnel
