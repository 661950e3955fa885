// The frame object's size, hit-test and title-fit rules as functions of numbers. Pure code,
// any thread.
#include "skin/frame/form_skin_geometry.h"

namespace quarnel {

int FramePieceSize(int imageSize, int frameCount) {
  return imageSize / (frameCount > 0 ? frameCount : 1);
}

FrameBox SkinClientBox(int x, int y, int cx, int cy, const FrameSizes& frame) {
  return FrameBox{x + frame.left, y + frame.caption + frame.menuBar, x + cx - frame.right,
                  y + cy - frame.bottom};
}

int CaptionHitTest(int systemAnswer, int frameY, int captionHeight, int menuBarHeight) {
  constexpr int kTopRowsKept = 3;
  if (systemAnswer != kHitNowhere && systemAnswer != kHitCaption) return systemAnswer;
  int answer = systemAnswer;
  if (frameY > kTopRowsKept) answer = kHitCaption;
  if (frameY > captionHeight && menuBarHeight > 0) answer = kHitMenu;
  return answer;
}

TitleFit FitDialogTitle(int width, int neededWidth) {
  if (width >= neededWidth) return TitleFit{width, 0};
  return TitleFit{neededWidth, (neededWidth - width) / 2};
}

}  // namespace quarnel
