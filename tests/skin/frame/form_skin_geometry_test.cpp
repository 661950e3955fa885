// The frame object's rules as numbers: frame sizes from border pieces, the client box inside
// the skin's frame, the caption hit test at the top rows and the menu band, and the width a
// dialog takes for its title.
#include "skin/frame/form_skin_geometry.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(FormSkinGeometry, PieceSizeIsOneFrameOfTheImage) {
  EXPECT_EQ(FramePieceSize(60, 2), 30);
  EXPECT_EQ(FramePieceSize(61, 2), 30);  // integer division
  EXPECT_EQ(FramePieceSize(8, 1), 8);
  EXPECT_EQ(FramePieceSize(0, 2), 0);    // an empty piece gives that side no size
  EXPECT_EQ(FramePieceSize(12, 0), 12);  // a record without a frame count counts one frame
  EXPECT_EQ(FramePieceSize(12, -3), 12);
}

TEST(FormSkinGeometry, ClientBoxInsideTheSkinFrame) {
  const FrameSizes frame{4, 30, 5, 6, 0};
  EXPECT_EQ(SkinClientBox(100, 50, 400, 300, frame), (FrameBox{104, 80, 495, 344}));
  const FrameSizes withMenu{4, 30, 5, 6, 19};
  EXPECT_EQ(SkinClientBox(0, 0, 400, 300, withMenu), (FrameBox{4, 49, 395, 294}));
  EXPECT_EQ(SkinClientBox(-10, -20, 100, 100, FrameSizes{}), (FrameBox{-10, -20, 90, 80}));
}

TEST(FormSkinGeometry, CaptionHitTestKeepsTheTopThreeRows) {
  for (int y = 0; y <= 3; ++y) {
    EXPECT_EQ(CaptionHitTest(kHitNowhere, y, 30, 0), kHitNowhere) << y;
    EXPECT_EQ(CaptionHitTest(kHitCaption, y, 30, 0), kHitCaption) << y;
  }
  EXPECT_EQ(CaptionHitTest(kHitNowhere, 4, 30, 0), kHitCaption);
  EXPECT_EQ(CaptionHitTest(kHitNowhere, 29, 30, 0), kHitCaption);
  // Any other answer of the system stands wherever it is.
  constexpr int kHitTop = 12, kHitClient = 1, kHitClose = 20;
  EXPECT_EQ(CaptionHitTest(kHitTop, 10, 30, 0), kHitTop);
  EXPECT_EQ(CaptionHitTest(kHitClient, 10, 30, 20), kHitClient);
  EXPECT_EQ(CaptionHitTest(kHitClose, 10, 30, 0), kHitClose);
}

TEST(FormSkinGeometry, BelowTheCaptionIsTheMenuBandWhenThereIsOne) {
  EXPECT_EQ(CaptionHitTest(kHitNowhere, 30, 30, 19), kHitCaption);  // the caption's last row
  EXPECT_EQ(CaptionHitTest(kHitNowhere, 31, 30, 19), kHitMenu);
  EXPECT_EQ(CaptionHitTest(kHitCaption, 45, 30, 19), kHitMenu);
  EXPECT_EQ(CaptionHitTest(kHitNowhere, 31, 30, 0), kHitCaption);  // no band: still caption
}

TEST(FormSkinGeometry, DialogGrowsForItsTitleAndMovesChildrenByHalf) {
  TitleFit fit = FitDialogTitle(200, 300);
  EXPECT_EQ(fit.width, 300);
  EXPECT_EQ(fit.childShift, 50);
  fit = FitDialogTitle(200, 201);
  EXPECT_EQ(fit.width, 201);
  EXPECT_EQ(fit.childShift, 0);  // half of one pixel
  fit = FitDialogTitle(200, 203);
  EXPECT_EQ(fit.childShift, 1);
  fit = FitDialogTitle(300, 300);
  EXPECT_EQ(fit.width, 300);
  EXPECT_EQ(fit.childShift, 0);
  fit = FitDialogTitle(400, 120);  // never narrower
  EXPECT_EQ(fit.width, 400);
  EXPECT_EQ(fit.childShift, 0);
}

}  // namespace
}  // namespace quarnel
