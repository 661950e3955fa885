// The built-in Longhorn Blue skin: read through a description as the main window stores it,
// every element the drawing code needs is there, with the sizes of the skin's own images.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin_data_test_support.h"

namespace quarnel {
namespace {

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class BuiltInSkinTest : public testing::SkinDataTest {
 protected:
  TSkinData& ReadBuiltIn() {
    const std::string stream = ReadFile(QUARNEL_LONGHORN_BLUE_STREAM);
    EXPECT_NE(stream.find("SkinStream = {"), std::string::npos);
    return Read("object Host: TComponent\n  object SkinData1: TSkinData\n    Active = True\n" + stream +
                "  end\nend\n");
  }
};

TEST_F(BuiltInSkinTest, LoadsFromItsStoredStreamAndSwitchesSkinningOn) {
  TSkinData& data = ReadBuiltIn();
  const std::string skn = ReadFile(QUARNEL_LONGHORN_BLUE_SKN);
  EXPECT_EQ(data.PackedSkin(), std::vector<uint8_t>(skn.begin(), skn.end()));
  EXPECT_FALSE(data.Empty());
  EXPECT_TRUE(data.Active());
  EXPECT_EQ(data.SkinName, "Longhorn Blue");
  EXPECT_TRUE(TSkinManage::Instance()->Running());
  EXPECT_TRUE(messages.empty());
}

TEST_F(BuiltInSkinTest, CaptionButtonsAndFrameSizes) {
  TSkinData& data = ReadBuiltIn();
  std::vector<std::pair<std::string, int>> buttons;
  for (const auto& b : data.SysButtons) buttons.emplace_back(b->Name, b->Action);
  const std::vector<std::pair<std::string, int>> expected = {
      {"BUTTON.CLOSE", 0}, {"BUTTON.MAXIMIZE", 1}, {"BUTTON.RESTORE", 1}, {"BUTTON.MINIMIZE", 2},
      {"BUTTON.ICON", 3},  {"MDICONTROLS", 7},     {"MDICONTROLS", 8},    {"MDICONTROLS", 9}};
  EXPECT_EQ(buttons, expected);
  const TDataSkinSysButton& close = *data.SysButtons[0];
  EXPECT_EQ(close.FrameCount, 4);
  EXPECT_EQ(close.Image.Width(), 80);
  EXPECT_EQ(close.XCoord, 25);
  EXPECT_EQ(close.Align, 1);
  EXPECT_EQ(data.SysButtons[4]->FrameCount, 6);
  EXPECT_TRUE(data.SysButtons[4]->Image.Empty());
  EXPECT_EQ(data.SysButtons[5]->Image.Width(), 64);  // 192 / 12 * 4
  EXPECT_EQ(data.SysButtons[5]->XCoord, (16 + 4) * 3);

  EXPECT_EQ(data.FrameLeft->Image.Width(), 8);
  EXPECT_EQ(data.FrameLeft->Image.Height(), 44);
  EXPECT_EQ(data.FrameLeft->TopHeight, 30);
  EXPECT_EQ(data.FrameLeft->BottomHeight, 4);
  EXPECT_EQ(data.FrameLeft->FrameCount, 2);
  EXPECT_EQ(data.FrameTop->Image.Height(), 60);
  EXPECT_EQ(data.FrameTop->LeftWidth, 8);
  EXPECT_EQ(data.FrameBottom->Image.Height(), 8);
  EXPECT_EQ(data.FrameBottom->Trans, 0);
  EXPECT_EQ(data.Title->ActiveTextColour, 0xFFFFFF);
  EXPECT_EQ(data.Colors[scButtonFace], 236 + 241 * 256 + 247 * 65536);
  EXPECT_EQ(data.Colors[scFrame], static_cast<TColor>(data.FrameTop->Image.PixelAt(32 / 3, 30 / 3)));
}

TEST_F(BuiltInSkinTest, ElementsTheControlSkinsRead) {
  TSkinData& data = ReadBuiltIn();
  for (auto* slot :
       {&data.Scrollbar, &data.HorzScroll, &data.VertScroll, &data.HorzScrollThumb, &data.VertScrollThumb,
        &data.MenuItem, &data.Headerbar, &data.ProgressChunk, &data.TabPane}) {
    ASSERT_TRUE(*slot);
    EXPECT_FALSE((*slot)->Image.Empty()) << (*slot)->Name;
  }
  EXPECT_EQ(data.Scrollbar->FrameCount, 23);
  ASSERT_TRUE(data.Buttons);
  EXPECT_FALSE(data.Buttons->Image.Empty());
  EXPECT_EQ(data.Buttons->FrameCount, 5);
  ASSERT_TRUE(data.ComboButton && data.ComboArrow);
  EXPECT_FALSE(data.ComboArrow->Image.Empty());
  EXPECT_FALSE(data.Track->Image.Empty());
}

TEST_F(BuiltInSkinTest, HundredLoadsHoldNoMoreGdiObjects) {
  TSkinData& data = ReadBuiltIn();
  const DWORD before = testing_support::gdi_objects();
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(data.LoadSkin());
  EXPECT_LE(testing_support::gdi_objects(), before);
}

}  // namespace
}  // namespace quarnel
