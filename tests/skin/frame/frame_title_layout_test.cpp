// Title placement: alignment, vertical centring, the right clip, the popup button reserve, the
// dialog shift, right-to-left and the text backdrop's ends. Pure, native and under Wine.
#include <gtest/gtest.h>

#include "skin/frame/title_layout.h"

namespace quarnel {
namespace {

// A 400-pixel window with 4-pixel side borders and a 30-pixel caption, as the built-in skin has.
TitleLayoutInput Caption(int textWidth, int textHeight = 14) {
  TitleLayoutInput in;
  in.caption = {4, 0, 396, 30};
  in.textWidth = textWidth;
  in.textHeight = textHeight;
  in.textShift = 26;
  in.textShiftVert = 1;
  in.textRightClip = 80;
  return in;
}

TEST(TitleLayout, LeftAlignedStartsAtTheShiftAndIsCentredVertically) {
  const TitleLayout out = LayoutTitle(Caption(100));
  EXPECT_EQ(out.text.left, 4 + 26);
  EXPECT_EQ(out.text.right, 4 + 26 + 100);
  // (30 - 14) / 2 + 1 / 2: each half taken on its own.
  EXPECT_EQ(out.text.top, 8);
  EXPECT_EQ(out.text.bottom, 22);
  EXPECT_EQ(out.back, out.text);
}

TEST(TitleLayout, VerticalShiftHalvesRoundTowardZero) {
  TitleLayoutInput in = Caption(50, 33);  // taller than the caption: (30 - 33) / 2 = -1
  in.textShiftVert = 5;                   // 5 / 2 = 2
  const TitleLayout out = LayoutTitle(in);
  EXPECT_EQ(out.text.top, -1 + 2);
  in.textShiftVert = -3;  // -3 / 2 = -1
  EXPECT_EQ(LayoutTitle(in).text.top, -1 - 1);
}

TEST(TitleLayout, CentredAndRightAligned) {
  TitleLayoutInput in = Caption(100);
  in.textAlignment = 1;
  EXPECT_EQ(LayoutTitle(in).text.left, 4 + (392 - 100) / 2);
  in.textAlignment = 2;
  in.textRightClip = 30;
  const TitleLayout right = LayoutTitle(in);
  EXPECT_EQ(right.text.left, 4 + 392 - 30 - 100);
  EXPECT_EQ(right.text.right, 396 - 30);
  in.textAlignment = 7;  // unknown alignment: no offset
  EXPECT_EQ(LayoutTitle(in).text.left, 4);
}

TEST(TitleLayout, LongTitleIsClippedBeforeTheRightClip) {
  const TitleLayout out = LayoutTitle(Caption(1000));
  EXPECT_EQ(out.text.left, 30);
  EXPECT_EQ(out.text.right, 396 - 80);
  // A short one keeps its own width.
  EXPECT_EQ(LayoutTitle(Caption(10)).text.right, 40);
}

TEST(TitleLayout, PopupWindowsStopFivePixelsBeforeTheRightButtons) {
  TitleLayoutInput in = Caption(1000);
  in.popupWindow = true;
  in.buttonReserve = 73;
  EXPECT_EQ(LayoutTitle(in).text.right, 396 - 73 - 5);
  // Without a reserve above 5 a popup window's title is not cut at all.
  in.buttonReserve = 5;
  EXPECT_EQ(LayoutTitle(in).text.right, 30 + 1000);
  // A short title stays as it is.
  in = Caption(50);
  in.popupWindow = true;
  in.buttonReserve = 73;
  EXPECT_EQ(LayoutTitle(in).text.right, 80);
}

TEST(TitleLayout, DialogsWithLeftAlignedTitlesShiftSixteenLeft) {
  TitleLayoutInput in = Caption(100);
  in.dialog = true;
  EXPECT_EQ(LayoutTitle(in).text.left, 30 - 16);
  EXPECT_EQ(LayoutTitle(in).text.right, 130);
  in.textAlignment = 1;  // only the left alignment makes room for the missing icon
  EXPECT_EQ(LayoutTitle(in).text.left, 4 + (392 - 100) / 2);
}

TEST(TitleLayout, RightToLeftPlacesTheTitleBeforeTheButtons) {
  TitleLayoutInput in = Caption(100);
  in.rightToLeft = true;
  in.buttonReserve = 73;
  const TitleLayout out = LayoutTitle(in);
  EXPECT_EQ(out.text.left, 4 + (392 - 73 - 100) + 10);
  EXPECT_EQ(out.text.right, out.text.left + 100);  // no right clip, only the 10-pixel move
  in.textAlignment = 1;
  EXPECT_EQ(LayoutTitle(in).text.left, 4 + (392 - 100 - 73) / 2 + 10);
  in.textAlignment = 2;
  EXPECT_EQ(LayoutTitle(in).text.left, 4 + 26 + 10);
}

TEST(TitleLayout, RightToLeftTitleThatDoesNotFitStartsAtTheShift) {
  TitleLayoutInput in = Caption(500);
  in.rightToLeft = true;
  in.buttonReserve = 73;
  const TitleLayout out = LayoutTitle(in);
  EXPECT_EQ(out.text.left, 26 + 10);
  EXPECT_EQ(out.text.right, 4 + (392 - 73 - 500) + 500 + 10);
}

TEST(TitleLayout, BackdropEndsWidenTheBackAndNotTheText) {
  TitleLayoutInput in = Caption(100);
  in.textBackLeft = 6;
  in.textBackRight = 9;
  const TitleLayout out = LayoutTitle(in);
  EXPECT_EQ(out.back.left, 30);
  EXPECT_EQ(out.back.right, 30 + 100 + 15);
  EXPECT_EQ(out.text.left, 36);
  EXPECT_EQ(out.text.right, 30 + 100 + 6);
  EXPECT_EQ(out.text.Width(), 100);
}

}  // namespace
}  // namespace quarnel
