// Tab strip and header geometry: tab side, pane, strip, a tab's place in the drawn (and for side
// tabs turned) strip and back, close boxes, caption start and header hot areas. Pure code.
#include "skin/controls/tab_layout.h"

#include <algorithm>

namespace quarnel {

namespace {
constexpr unsigned long kStyleBottom = 0x2;     // TCS_BOTTOM (TCS_RIGHT with the vertical bit)
constexpr unsigned long kStyleVertical = 0x80;  // TCS_VERTICAL
}  // namespace

TabSide TabSideFromStyle(unsigned long style) {
  const bool bottom = style & kStyleBottom, vertical = style & kStyleVertical;
  if (vertical) return bottom ? TabSide::Right : TabSide::Left;
  return bottom ? TabSide::Bottom : TabSide::Top;
}

SkinRect TabPaneRect(const SkinRect& display, TabSide side) {
  SkinRect pane{display.left - 4, display.top - 4, display.right + 4, display.bottom + 4};
  switch (side) {
    case TabSide::Top:
      ++pane.top;
      break;
    case TabSide::Bottom:
      --pane.bottom;
      break;
    case TabSide::Left:
      ++pane.left;
      break;
    case TabSide::Right:
      --pane.right;
      break;
  }
  return pane;
}

SkinRect TabStripRect(const SkinRect& control, const SkinRect& pane, TabSide side) {
  SkinRect strip = control;
  switch (side) {
    case TabSide::Top:
      strip.bottom = std::clamp(pane.top, control.top, control.bottom);
      break;
    case TabSide::Bottom:
      strip.top = std::clamp(pane.bottom, control.top, control.bottom);
      break;
    case TabSide::Left:
      strip.right = std::clamp(pane.left, control.left, control.right);
      break;
    case TabSide::Right:
      strip.left = std::clamp(pane.right, control.left, control.right);
      break;
  }
  return strip;
}

StripSize DrawnStripSize(const SkinRect& strip, TabSide side) {
  if (SideTabs(side)) return {strip.Height(), strip.Width()};
  return {strip.Width(), strip.Height()};
}

SkinRect TabInDrawnStrip(const SkinRect& item, const SkinRect& strip, TabSide side) {
  const SkinRect local{item.left - strip.left, item.top - strip.top, item.right - strip.left,
                       item.bottom - strip.top};
  switch (side) {
    case TabSide::Top:
      return {local.left, local.top + 1, local.right, local.bottom + 1};
    case TabSide::Bottom:
      return {local.left, local.top - 1, local.right, local.bottom - 1};
    case TabSide::Left: {
      // Turned anticlockwise afterwards: drawn (x, y) lands on (y, w - 1 - x).
      const int w = strip.Height();
      return {w - local.bottom, local.left + 1, w - local.top, local.right + 1};
    }
    case TabSide::Right: {
      // Turned clockwise afterwards: drawn (x, y) lands on (h - 1 - y, x).
      const int h = strip.Width();
      return {local.top, h - local.right + 1, local.bottom, h - local.left + 1};
    }
  }
  return local;
}

SkinRect TabCloseBox(const SkinRect& tab) {
  return {tab.right - 8, tab.top + 2, tab.right - 2, tab.top + 8};
}

SkinRect CloseBoxInControl(const SkinRect& box, const SkinRect& strip, TabSide side) {
  switch (side) {
    case TabSide::Top:
    case TabSide::Bottom:
      return {box.left + strip.left, box.top + strip.top, box.right + strip.left, box.bottom + strip.top};
    case TabSide::Left: {
      const int w = strip.Height();
      return {strip.left + box.top, strip.top + w - box.right, strip.left + box.bottom,
              strip.top + w - box.left};
    }
    case TabSide::Right: {
      const int h = strip.Width();
      return {strip.left + h - box.bottom, strip.top + box.left, strip.left + h - box.top,
              strip.top + box.right};
    }
  }
  return box;
}

int CaptionStart(int itemWidth, int iconWidth, int textWidth, int justification) {
  int start = 3;
  if (justification == 1) start = (itemWidth - iconWidth - textWidth) / 2;
  if (justification == 2) start = itemWidth - iconWidth - textWidth - 2;
  return std::max(start, 1);
}

SkinRect HeaderHotArea(const SkinRect& item) {
  return {item.left + 3, item.top, item.right - 3, item.bottom};
}

int HeaderItemAt(const SkinRect* hotAreas, int count, int x, int y) {
  for (int i = 0; i < count; ++i) {
    const SkinRect& r = hotAreas[i];
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return i;
  }
  return -1;
}

SkinRect HeaderSortArrowBox(const SkinRect& item, int captionRight) {
  const int left = std::min(captionRight + kSortArrowGap, item.right - kSortArrowGap - kSortArrowWidth);
  if (left < item.left + 1 || item.Height() < kSortArrowHeight) return {};
  const int top = item.top + (item.Height() - kSortArrowHeight) / 2;
  return RectAt(left, top, kSortArrowWidth, kSortArrowHeight);
}

SortArrowRows SortArrowShape(const SkinRect& box, bool up) {
  SortArrowRows shape;
  const int middle = box.left + kSortArrowWidth / 2;
  for (int i = 0; i < kSortArrowHeight; ++i) {
    const int half = up ? i : kSortArrowHeight - 1 - i;  // the apex row is one pixel wide
    shape.rows[i] = {middle - half, box.top + i, middle + half + 1, box.top + i + 1};
  }
  return shape;
}

}  // namespace quarnel
