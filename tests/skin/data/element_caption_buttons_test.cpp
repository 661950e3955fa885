// Caption buttons: which sections count, coordinates, frame counts and the MDI buttons.
#include <gtest/gtest.h>

#include "skin_test_package.h"

namespace quarnel {
namespace {

using testing::LoadElements;
using testing::PackageRecipe;
using testing::SolidBmp;

std::vector<std::string> Names(const TSkinElements& e) {
  std::vector<std::string> names;
  for (const auto& b : e.SysButtons) names.push_back(b->Name);
  return names;
}

TEST(CaptionButtons, SectionsBeginningWithButtonExceptTheControlOnes) {
  PackageRecipe recipe{
      "[Buttons]\n[Button.Radio]\n[button.checkbox]\n[Button]\n[ButtonClose]\nAction=0\n[MyButton]\n"
      "[buttonhidden]\nAction=-1\n[ButtonShown]\nAction=-1\nVisibility=0\n[ButtonOther]\nAction=-1\n"
      "Visibility=1\n[button.help]\nAction=5\n",
      {}};
  TSkinElements e;
  LoadElements(e, recipe);
  const std::vector<std::string> expected = {"BUTTONCLOSE", "BUTTONSHOWN", "BUTTON.HELP",
                                             "MDICONTROLS", "MDICONTROLS", "MDICONTROLS"};
  EXPECT_EQ(Names(e), expected);
  EXPECT_EQ(e.SysButtons[1]->Action, -1);
  EXPECT_EQ(e.SysButtons[1]->Visibility1, -1);  // default follows the action
  EXPECT_EQ(e.SysButtons[2]->Visibility1, 0);
  EXPECT_EQ(e.SysButtons[2]->Action, 5);
  EXPECT_EQ(e.SysButtons[2]->CombineOp, -1);
}

TEST(CaptionButtons, FieldsAndTheRestoreButtonPoint) {
  PackageRecipe recipe{
      "[ButtonA]\nAction=4\nXcoord=1\nYcoord=2\n[ButtonB]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=5\n"
      "Align=1\nCombineOp=3\nVisibility1=7\n[ButtonC]\nAction=4\nXcoord=99\nYcoord=98\n",
      {}};
  TSkinElements e;
  LoadElements(e, recipe);
  ASSERT_GE(e.SysButtons.size(), 3u);
  // Before any maximise button the action-4 button keeps its own point.
  EXPECT_EQ(e.SysButtons[0]->XCoord, 1);
  EXPECT_EQ(e.SysButtons[0]->YCoord, 2);
  const TDataSkinSysButton& b = *e.SysButtons[1];
  EXPECT_EQ(b.Align, 1);
  EXPECT_EQ(b.CombineOp, 3);
  EXPECT_EQ(b.Visibility, 2);
  EXPECT_EQ(b.Visibility1, 7);
  EXPECT_EQ(e.SysButtons[2]->XCoord, 40);
  EXPECT_EQ(e.SysButtons[2]->YCoord, 5);
}

TEST(CaptionButtons, FrameCountFromTheImageShape) {
  PackageRecipe recipe{
      "[ButtonWide]\nButtonImage=wide.bmp\n[ButtonNarrow]\nButtonImage=narrow.bmp\n[ButtonNeg]\nAction=-2\n"
      "ButtonImage=narrow.bmp\n[ButtonGiven]\nframe=2\nButtonImage=narrow.bmp\n[ButtonNone]\n"
      "[ButtonMax]\nAction=3\nButtonImage=narrow.bmp\n[ButtonMaxGiven]\nAction=11\nframe=3\n"
      "ButtonImage=narrow.bmp\n",
      {{"wide.bmp", SolidBmp(72, 18, 1)}, {"narrow.bmp", SolidBmp(54, 18, 2)}}};
  TSkinElements e;
  LoadElements(e, recipe);
  ASSERT_EQ(e.SysButtons.size(), 10u);
  EXPECT_EQ(e.SysButtons[0]->FrameCount, 6);
  EXPECT_EQ(e.SysButtons[1]->FrameCount, 3);
  EXPECT_EQ(e.SysButtons[2]->FrameCount, 6);
  EXPECT_EQ(e.SysButtons[3]->FrameCount, 2);
  EXPECT_EQ(e.SysButtons[4]->FrameCount, 6);
  EXPECT_EQ(e.SysButtons[5]->FrameCount, 3);
  EXPECT_TRUE(e.SysButtons[5]->Image.Empty());   // drawn by the frame, not from an image
  EXPECT_FALSE(e.SysButtons[6]->Image.Empty());  // a given frame count keeps the image
}

TEST(CaptionButtons, MdiButtonsAreCutFromTheStrip) {
  auto strip = testing::MakeBmp(120, 9, [](int x, int) { return static_cast<uint32_t>(x / 40 + 1); });
  TSkinElements e;
  LoadElements(e, PackageRecipe{"[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", strip}}});
  ASSERT_EQ(e.SysButtons.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *e.SysButtons[i];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_EQ(b.XCoord, 14 * (3 - i));
    EXPECT_EQ(b.Image.Width(), 40);
    EXPECT_EQ(b.Image.Height(), 9);
    EXPECT_EQ(const_cast<TBitmap&>(b.Image).PixelAt(5, 3), static_cast<COLORREF>(i + 1));
  }
  TSkinElements plain;
  LoadElements(plain, PackageRecipe{"", {}});
  EXPECT_TRUE(plain.SysButtons[0]->Image.Empty());
  EXPECT_EQ(plain.SysButtons[0]->XCoord, 0);
  TSkinElements missing;  // named but absent: no images, the buttons 4 pixels apart
  LoadElements(missing, PackageRecipe{"[MDICONTROLS]\nImage=gone.bmp\n", {}});
  EXPECT_TRUE(missing.SysButtons[0]->Image.Empty());
  EXPECT_EQ(missing.SysButtons[0]->XCoord, 12);
  EXPECT_EQ(missing.SysButtons[2]->XCoord, 4);
}

}  // namespace
}  // namespace quarnel
