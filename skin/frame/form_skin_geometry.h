// The frame object's rules as functions of numbers: the skin's frame sizes from its border
// pieces, the client box inside the skin's frame, the caption hit test, and the width a dialog
// needs for its title. Pure code, any thread.
#pragma once

namespace quarnel {

struct FrameSizes {
  int left = 0, caption = 0, right = 0, bottom = 0, menuBar = 0;
  bool operator==(const FrameSizes&) const = default;
};

struct FrameBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const FrameBox&) const = default;
};

// One frame of a border piece: the image size over its frame count (no frames counts as one).
int FramePieceSize(int imageSize, int frameCount);

// The client box of a window at (x, y) sized (cx, cy) inside the skin's frame.
FrameBox SkinClientBox(int x, int y, int cx, int cy, const FrameSizes& frame);

// Hit-test answers used by the caption rule (the system's values).
enum FrameHit : int { kHitNowhere = 0, kHitCaption = 2, kHitMenu = 5 };
// The answer at frame row `frameY` given the system's answer there: only nowhere and caption
// are changed; the top three rows keep them, below them the band is caption, and below the
// caption the menu band (when there is one) is menu.
int CaptionHitTest(int systemAnswer, int frameY, int captionHeight, int menuBarHeight);

// A dialog `width` wide whose title needs `neededWidth`: the new width and how far its child
// windows move right (half the growth).
struct TitleFit {
  int width = 0;
  int childShift = 0;
};
TitleFit FitDialogTitle(int width, int neededWidth);

}  // namespace quarnel
