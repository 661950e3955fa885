// The border and caption sizes of a skin, from its border pieces. Any thread that owns the skin.
#include "skin/frame/frame_metrics.h"

#include "skin/data/skin_data.h"

namespace quarnel {

FrameSizes SkinBorderSizes(const TSkinData& skin, bool noBorder) {
  FrameSizes sizes;
  if (noBorder) return sizes;
  sizes.caption = FramePieceSize(skin.FrameTop->Image.Height(), skin.FrameTop->FrameCount);
  sizes.left = FramePieceSize(skin.FrameLeft->Image.Width(), skin.FrameLeft->FrameCount);
  sizes.right = FramePieceSize(skin.FrameRight->Image.Width(), skin.FrameRight->FrameCount);
  sizes.bottom = FramePieceSize(skin.FrameBottom->Image.Height(), skin.FrameBottom->FrameCount);
  return sizes;
}

}  // namespace quarnel
