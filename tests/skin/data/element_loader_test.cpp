// The element loader on small packages: empty skins, image names, frame borders, generic
// sections with their clamps, buttons, title and the colour scheme.
#include <gtest/gtest.h>

#include "skin/data/draw/draw_helpers.h"
#include "skin_test_package.h"

namespace quarnel {
namespace {

using testing::LoadElements;
using testing::PackageRecipe;
using testing::SolidBmp;

TEST(ElementLoader, AnEmptyTextGivesDefaultsAndTheAlwaysPresentSlots) {
  for (bool withIni : {true, false}) {
    TSkinElements e;
    LoadElements(e, PackageRecipe{"; only a note\r\n\r\n", {}, withIni});
    ASSERT_TRUE(e.FrameLeft && e.FrameRight && e.FrameTop && e.FrameBottom && e.Buttons && e.Title);
    ASSERT_TRUE(e.Toolbar && e.ComboArrow);
    EXPECT_TRUE(e.FrameTop->Image.Empty());
    EXPECT_EQ(e.FrameTop->FrameCount, 1);
    EXPECT_EQ(e.Buttons->FrameCount, 5);
    EXPECT_EQ(e.Title->FrameCount, 2);
    EXPECT_EQ(e.Title->FontHeight, 14);
    EXPECT_EQ(e.Title->ActiveTextColour, clNone);
    for (auto* slot : {&e.ProgressChunk, &e.MenuBar, &e.GroupBoxEdge, &e.StatusBarEdges, &e.TabPane,
                       &e.ToolBars, &e.SunkEdge, &e.ExtraImages, &e.Headerbar, &e.MenuItem, &e.Scrollbar})
      EXPECT_FALSE(*slot);
    EXPECT_FALSE(e.Progress || e.Tabs || e.ComboButton || e.UpDownHorz || e.UpDownVert || e.GroupBox);
    EXPECT_EQ(e.ComboArrow->Name, "ComboxArrow");
    EXPECT_TRUE(e.ComboArrow->Image.Empty());
    EXPECT_EQ(e.Toolbar->Image.Width(), 10);
    EXPECT_EQ(e.Toolbar->Image.Height(), 40);
    EXPECT_EQ(e.Colors[scButtonFace], clBtnFace);
    EXPECT_EQ(e.Colors[scFrame], clBtnFace);  // no top border image: the face colour
    EXPECT_TRUE(e.FaceBrush);
    ASSERT_EQ(e.SysButtons.size(), 3u);  // the MDI child buttons only
  }
}

TEST(ElementLoader, ImagesNeedALowerCaseBmpNameAndAnEntry) {
  PackageRecipe recipe{
      "[SunkEdge]\nImage=edge.BMP\n[ToolBars]\nImage=missing.bmp\n[MenuItem]\nImage=Skin\\ITEM.bmp\n"
      "[Headerbar]\nImage=empty.bmp\n",
      {{"edge.bmp", SolidBmp(8, 8, 0x0000FF)}, {"item.bmp", SolidBmp(20, 4, 0x00FF00)}, {"empty.bmp", {}}}};
  TSkinElements e;
  LoadElements(e, recipe);
  // Each section exists because its key has a value, but only the proper name gives an image.
  ASSERT_TRUE(e.SunkEdge && e.ToolBars && e.MenuItem && e.Headerbar);
  EXPECT_TRUE(e.ToolBars->Image.Empty());
  EXPECT_TRUE(e.Headerbar->Image.Empty());
  EXPECT_EQ(e.MenuItem->Image.Width(), 20);
  EXPECT_EQ(e.MenuItem->Image.PixelAt(3, 1), 0x00FF00u);
  EXPECT_EQ(e.MenuItem->Name, "MenuItem");
}

TEST(ElementLoader, FrameBordersTakeTheirMarginsAlongTheBorder) {
  PackageRecipe recipe{
      "[Personality]\nLeft=l.bmp\nLeftTopHeight=7\nLeftBotHeight=9\nLeftFrame=2\nLeftStretch=5\nLeftTrans=0\n"
      "Top=t.bmp\nTopTopHeight=11\nTopBotHeight=12\n",
      {{"l.bmp", SolidBmp(8, 40, 1)}, {"t.bmp", SolidBmp(60, 20, 2)}}};
  TSkinElements e;
  LoadElements(e, recipe);
  const TDataSkinBorder& left = *e.FrameLeft;
  EXPECT_EQ(left.Image.Width(), 8);
  EXPECT_EQ(left.TopHeight, 7);
  EXPECT_EQ(left.BottomHeight, 9);
  EXPECT_EQ(left.LeftWidth, 0);
  EXPECT_EQ(left.RightWidth, 0);
  EXPECT_EQ(left.FrameCount, 2);
  EXPECT_EQ(left.Tile, 1);
  EXPECT_EQ(left.Trans, 0);
  const TDataSkinBorder& top = *e.FrameTop;
  EXPECT_EQ(top.LeftWidth, 11);
  EXPECT_EQ(top.RightWidth, 12);
  EXPECT_EQ(top.TopHeight, 0);
  EXPECT_EQ(top.BottomHeight, 0);
  EXPECT_EQ(top.FrameCount, 1);
  EXPECT_EQ(top.Tile, 1);
  EXPECT_EQ(top.Trans, 1);
  EXPECT_TRUE(e.FrameRight->Image.Empty());
}

TEST(ElementLoader, GenericSectionsClampTileAndPaneMargins) {
  PackageRecipe recipe{
      "[ToolBars]\nImage=a.bmp\nTile=2\nStyle=3\nLeftWidth=5\nNormalColour=255\nNormalColour2=1 2 3\n"
      "[Progress]\nBitmap=a.bmp\nTile=2\n[Tab.Pane]\nImage=a.bmp\nLeftWidth=10\nTopHeight=4\nRightWidth=5\n"
      "BottomHeight=-3\n[MenuItem]\nImage=a.bmp\nFrame=3\n[Headerbar]\nImage=a.bmp\nframe=4\n"
      "[ExtraImages]\nImage=a.bmp\nTile=1\n",
      {{"a.bmp", SolidBmp(40, 10, 0x123456)}}};
  TSkinElements e;
  LoadElements(e, recipe);
  EXPECT_EQ(e.ToolBars->Tile, 0);
  EXPECT_EQ(e.ToolBars->Style, 3);
  EXPECT_EQ(e.ToolBars->LeftWidth, 5);
  EXPECT_EQ(e.ToolBars->NormalColour, 255);
  EXPECT_EQ(e.ToolBars->MouseOverColour, -1);
  EXPECT_EQ(e.ToolBars->NormalColour2, 1 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(e.ToolBars->PressedColour2, e.Colors[scButtonText]);
  EXPECT_EQ(e.ExtraImages->Tile, 1);
  EXPECT_EQ(e.Progress->Tile, 1);
  EXPECT_EQ(e.Progress->FrameCount, 2);
  EXPECT_EQ(e.TabPane->LeftWidth, 4);
  EXPECT_EQ(e.TabPane->TopHeight, 4);
  EXPECT_EQ(e.TabPane->RightWidth, 4);
  EXPECT_EQ(e.TabPane->BottomHeight, -3);
  EXPECT_EQ(e.MenuItem->FrameCount, 5);
  EXPECT_EQ(e.Headerbar->FrameCount, 4);
}

TEST(ElementLoader, FrameCountTableOverridesTheText) {
  PackageRecipe recipe{
      "[Progress]\nBitmap=a.bmp\nStyle=1\n[Headerbar]\nImage=a.bmp\n[Scrollbar]\nImage=a.bmp\nFrame=2\n"
      "[HorzScrollThumb]\nImage=a.bmp\nFrameCount=7\n[VertScrollThumb]\nImage=a.bmp\n[StatusBarEdges]\n"
      "Image=a.bmp\n[UpDown.Horz]\nImage=a.bmp\nGlyphImage=a.bmp\nFrame=2\n[GroupBox]\nImage=a.bmp\nFrame=9\n"
      "BackgroundAlignment=2\nBackgroundLeftShift=3\nBackgroundRightShift=4\n[Tabs]\nImage=a.bmp\nBorder=a."
      "bmp\n",
      {{"a.bmp", SolidBmp(46, 10, 0x808080)}}};
  TSkinElements e;
  LoadElements(e, recipe);
  EXPECT_EQ(e.Progress->FrameCount, 1);
  EXPECT_EQ(e.Headerbar->FrameCount, 5);
  EXPECT_EQ(e.Scrollbar->FrameCount, 23);
  EXPECT_EQ(e.HorzScrollThumb->FrameCount, 7);
  EXPECT_EQ(e.VertScrollThumb->FrameCount, 3);
  EXPECT_EQ(e.StatusBarEdges->FrameCount, 3);
  EXPECT_EQ(e.UpDownHorz->FrameCount, 8);
  EXPECT_EQ(e.UpDownHorz->Image2.Width(), 46);
  EXPECT_EQ(e.GroupBox->FrameCount, 1);
  EXPECT_EQ(e.GroupBox->BackgroundAlignment, 2);
  EXPECT_EQ(e.GroupBox->BackgroundLeftShift, 3);
  EXPECT_EQ(e.GroupBox->BackgroundRightShift, 4);
  EXPECT_EQ(e.Tabs->FrameCount, 5);
  EXPECT_EQ(e.Tabs->Image2.Width(), 46);
}

TEST(ElementLoader, TrackFallsBackToTheProgramBitmaps) {
  TSkinElements e;
  LoadElements(e, PackageRecipe{"[Track]\nImage=t.bmp\nLeftWidth=1\n", {{"t.bmp", SolidBmp(30, 6, 5)}}});
  EXPECT_EQ(e.Track->Image.Width(), 30);
  EXPECT_EQ(e.Track->LeftWidth, 1);
  const TDataSkinObject& vert = *e.TrackVert;
  EXPECT_EQ(vert.Image.Width(), 4);
  EXPECT_EQ(vert.Image.Height(), 16);
  EXPECT_EQ(vert.LeftWidth, 3);
  EXPECT_EQ(vert.BottomHeight, 3);
  EXPECT_EQ(vert.FrameCount, 1);
  EXPECT_EQ(vert.Tile, 0);

  TSkinElements plain;
  LoadElements(plain, PackageRecipe{"", {}});
  EXPECT_EQ(plain.Track->Image.Width(), 16);
  EXPECT_EQ(plain.Track->Image.Height(), 4);
  EXPECT_EQ(plain.Track->TopHeight, 3);
}

TEST(ElementLoader, ButtonsRecordTheirColourKeysAndGlyphFrames) {
  PackageRecipe recipe{
      "[Buttons]\nBitmap=b.bmp\nCheckButton=c.bmp\nRadioButton=r.bmp\nTile=4\nMouseOverColour2=9 9 9\n"
      "NormalColour2=\nLeftWidth=3\n",
      {{"b.bmp", SolidBmp(50, 20, 1)}, {"c.bmp", SolidBmp(130, 13, 2)}, {"r.bmp", SolidBmp(96, 16, 3)}}};
  TSkinElements e;
  LoadElements(e, recipe);
  const TDataSkinButton& b = *e.Buttons;
  EXPECT_EQ(b.Image.Width(), 50);
  EXPECT_EQ(b.Tile, 0);
  EXPECT_EQ(b.LeftWidth, 3);
  EXPECT_FALSE(b.HasNormalColour2);
  EXPECT_TRUE(b.HasMouseOverColour2);
  EXPECT_FALSE(b.HasPressedColour2);
  EXPECT_EQ(b.MouseOverColour2, 9 + 9 * 256 + 9 * 65536);
  EXPECT_EQ(b.NormalColour2, e.Colors[scButtonText]);
  EXPECT_EQ(b.CheckFrameCount, 10);
  EXPECT_EQ(b.RadioFrameCount, 6);
  EXPECT_EQ(b.FrameCount, 5);
}

TEST(ElementLoader, TitleColoursNeedAllThreeParts) {
  PackageRecipe recipe{
      "[Personality]\nTextShift=6\nTextShiftVert=2\nTextRightClip=30\nTextAlignment=1\nTextbackground=1\n"
      "TXTBackleft=4\nTXTBackRight=5\nActiveTextR=300\nActiveTextG=0\nActiveTextB=1\nInActiveTextR=1\n"
      "InActiveTextG=2\n[Fonts]\nFontHeight=18\n",
      {}};
  TSkinElements e;
  LoadElements(e, recipe);
  const TDataSkinTitle& t = *e.Title;
  EXPECT_EQ(t.TextShift(), 6);
  EXPECT_EQ(t.TextShiftVert(), 2);
  EXPECT_EQ(t.TextRightClip(), 30);
  EXPECT_EQ(t.BottomHeight, 0);
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.TextBackground, 1);
  EXPECT_EQ(t.TextBackLeft, 4);
  EXPECT_EQ(t.TextBackRight, 5);
  EXPECT_EQ(t.FontHeight, 18);
  EXPECT_EQ(t.ActiveTextColour, 44 + 1 * 65536);
  EXPECT_EQ(t.InactiveTextColour, clNone);
}

TEST(ElementLoader, MenuBarTakesItsTileKeys) {
  TSkinElements e;
  LoadElements(e,
               PackageRecipe{"[Personality]\nmenuBar=m.bmp\nTileMenu=3\n", {{"m.bmp", SolidBmp(20, 40, 1)}}});
  ASSERT_TRUE(e.MenuBar);
  EXPECT_EQ(e.MenuBar->Tile, 1);
  EXPECT_EQ(e.MenuBar->LeftWidth, 1);
  EXPECT_EQ(e.MenuBar->RightWidth, 1);
  EXPECT_EQ(e.MenuBar->FrameCount, 2);
}

TEST(ColourScheme, AbsentKeysTakeSystemColoursAndTheMenuBarTheFace) {
  TSkinElements e;
  LoadElements(e, PackageRecipe{"[Colours]\nButtonFace=10 20 30\nScrollbar=300 0 0\nButtonText=\n", {}});
  const TColor face = 10 + 20 * 256 + 30 * 65536;
  EXPECT_EQ(e.Colors[scButtonFace], face);
  EXPECT_TRUE(e.ColorGiven[scButtonFace]);
  EXPECT_EQ(e.Colors[scMenuBar], face);
  EXPECT_FALSE(e.ColorGiven[scMenuBar]);
  EXPECT_EQ(e.Colors[scScrollbar], 44);
  EXPECT_EQ(e.Colors[scButtonText], clBtnText);
  EXPECT_FALSE(e.ColorGiven[scButtonText]);
  EXPECT_EQ(e.Colors[scButtonLight], clBtnHighlight);
  EXPECT_EQ(e.Colors[scButtonDkShadow], cl3DDkShadow);
  EXPECT_EQ(e.Colors[scTitleTextNoActive], clInactiveCaptionText);
  EXPECT_EQ(e.Colors[scMenuBarText], clMenuText);
  EXPECT_EQ(e.Colors[scFrame], face);
  // The face brush paints the skin's face colour.
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectW(e.FaceBrush.get(), sizeof(brush), &brush));
  EXPECT_EQ(brush.lbColor, static_cast<COLORREF>(face));
}

TEST(ColourScheme, ExtraSectionsAndCustomColours) {
  TSkinElements e;
  LoadElements(e, PackageRecipe{"[Colours]\nMenubar=1 1 1\n[colour.b]\ncolor=2 0 0\n[ColourX]\n[Colours2]\n"
                              "color=0 3 0\n[Customcolors]\nColor3=4 4 4\nColor9=x\n",
                              {}});
  EXPECT_TRUE(e.ColorGiven[scMenuBar]);
  EXPECT_EQ(e.Colors[scMenuBar], 1 + 256 + 65536);
  ASSERT_EQ(e.SectionColors.size(), 3u);
  EXPECT_EQ(e.SectionColors[0], 2);
  EXPECT_EQ(e.SectionColors[1], clWindowText);
  EXPECT_EQ(e.SectionColors[2], 3 * 256);
  EXPECT_EQ(e.CustomColors[0], clWhite);
  EXPECT_EQ(e.CustomColors[3], 4 + 4 * 256 + 4 * 65536);
  EXPECT_EQ(e.CustomColors[9], 0);  // a value without digits is black, not the default
}

}  // namespace
}  // namespace quarnel
