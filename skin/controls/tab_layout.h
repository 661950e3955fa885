// Geometry of the skinned tab strips and headers as functions of numbers: the tab side from the
// window style, the pane and the strip beside it, a tab's place in the horizontal strip that is
// drawn and then turned for side tabs, close boxes, caption placement and header hot areas.
// Pure code, any thread.
#pragma once
#include "skin/data/draw/draw_geometry.h"

namespace quarnel {

enum class TabSide { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// From the tab control's style: the bottom bit (2) and the vertical bit (0x80).
TabSide TabSideFromStyle(unsigned long style);
inline bool SideTabs(TabSide side) {
  return side == TabSide::Left || side == TabSide::Right;
}

// The pane: the display rectangle grown by 4 on each side, then moved in by 1 on the tab side.
SkinRect TabPaneRect(const SkinRect& display, TabSide side);

// The strip between the control's edge and the pane on the tab side (control coordinates).
SkinRect TabStripRect(const SkinRect& control, const SkinRect& pane, TabSide side);

// Width and height of the strip as it is drawn: horizontal, so exchanged for side tabs.
struct StripSize {
  int width = 0, height = 0;
};
StripSize DrawnStripSize(const SkinRect& strip, TabSide side);

// A tab's item rectangle (control coordinates) in the drawn strip, moved 1 pixel toward the
// pane. Top and bottom strips are drawn in place (bottom tabs with the flipped image); side
// strips are drawn as a top strip whose outer edge is then turned to the side: anticlockwise
// for left tabs, clockwise for right tabs.
SkinRect TabInDrawnStrip(const SkinRect& item, const SkinRect& strip, TabSide side);

// The close box of a tab in the drawn strip: from (right - 8, top + 2) to (right - 2, top + 8).
SkinRect TabCloseBox(const SkinRect& tab);
// The same box in control coordinates, for hit tests: the drawn box turned back.
SkinRect CloseBoxInControl(const SkinRect& drawnBox, const SkinRect& strip, TabSide side);

// Caption placement inside an item of `itemWidth`: where the icon (or the text when there is no
// icon) starts. Justification 0 left, 1 centre, 2 right; never before 1.
int CaptionStart(int itemWidth, int iconWidth, int textWidth, int justification);

// A header item's hot area: its rectangle shrunk by 3 horizontally.
SkinRect HeaderHotArea(const SkinRect& item);
// The item whose hot area holds the point, or -1.
int HeaderItemAt(const SkinRect* hotAreas, int count, int x, int y);

// A header item's sort arrow: a triangle kSortArrowWidth wide and kSortArrowHeight high,
// vertically centred, kSortArrowGap after the caption that ends at `captionRight` but no nearer
// than kSortArrowGap to the item's right edge. Empty when the item has no room for it.
constexpr int kSortArrowWidth = 9, kSortArrowHeight = 5, kSortArrowGap = 6;
// What a caption leaves free at the right of an item that shows a sort arrow.
constexpr int kSortArrowSpace = kSortArrowWidth + 2 * kSortArrowGap;
SkinRect HeaderSortArrowBox(const SkinRect& item, int captionRight);
// The rows of the arrow in `box`, one pixel high each, from the top: widening downward when it
// points up, narrowing when it points down.
struct SortArrowRows {
  SkinRect rows[kSortArrowHeight];
};
SortArrowRows SortArrowShape(const SkinRect& box, bool up);

}  // namespace quarnel
