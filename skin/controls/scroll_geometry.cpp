// Scroll-bar geometry: parts, hit test, frame numbers, dragged thumbs and the thumb of a
// separate scroll-bar control. Pure code, any thread.
#include "skin/controls/scroll_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace quarnel {

ScrollPart ScrollHitTest(const ScrollAxis& axis, int position) {
  if (position < axis.arrowSize) return spFirstArrow;
  if (position < axis.thumbStart) return spTrackBefore;
  if (position < axis.thumbEnd) return spThumb;
  if (position < axis.length - axis.arrowSize) return spTrackAfter;
  return spSecondArrow;
}

int ScrollThickness(int glyphHeight, int arrowSize) {
  return std::abs(glyphHeight - arrowSize) > 2 ? arrowSize : glyphHeight;
}

namespace {

// A rectangle from `start` to `end` along the axis and from `crossStart` over `cross` across.
SkinRect AxisRect(bool vertical, int start, int end, int crossStart, int cross) {
  return vertical ? SkinRect{crossStart, start, crossStart + cross, end}
                  : SkinRect{start, crossStart, end, crossStart + cross};
}

bool Inside(const SkinRect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height;
}

}  // namespace

ScrollBarLayout LayoutScrollBar(const ScrollBarShape& s) {
  ScrollBarLayout out;
  const int length = s.vertical ? s.height : s.width;
  const int cross = s.vertical ? s.width : s.height;
  const bool shortBar = length < 2 * s.arrowSize;
  const int arrow = shortBar ? length / 2 : s.arrowSize;
  out.firstArrow = AxisRect(s.vertical, 0, arrow, 0, s.thickness);
  out.secondArrow = AxisRect(s.vertical, length - arrow, length, 0, s.thickness);
  if (length - 2 * s.arrowSize > 0) {
    out.track = AxisRect(s.vertical, s.arrowSize, length - s.arrowSize, 0, cross);
    out.hasTrack = true;
  }
  const int thumbLength = s.thumbEnd - s.thumbStart;
  if (!s.enabled || thumbLength <= 0) return out;
  out.thumb = AxisRect(s.vertical, s.thumbStart, s.thumbEnd, 0, s.thickness);
  out.hasThumb = s.thumbStart >= 0 && s.thumbEnd <= length;
  if (!out.hasThumb) return out;
  // The grip needs a pixel of thumb on either side of it.
  if (s.gripSize > 0 && thumbLength >= s.gripSize + 2) {
    const int start = s.thumbStart + (thumbLength - s.gripSize) / 2;
    out.grip = AxisRect(s.vertical, start, start + s.gripSize, 0, s.gripSize);
    out.hasGrip = Inside(out.grip, s.width, s.height);
  }
  return out;
}

int ArrowGlyphFrame(ScrollPart part, bool vertical, ScrollPart active, bool dragging) {
  int frame = vertical ? (part == spFirstArrow ? 9 : 13) : (part == spFirstArrow ? 1 : 5);
  if (active == part) frame += dragging ? 1 : 3;
  return frame;
}

int TrackFrame(bool enabled) {
  return enabled ? 1 : 3;
}

int ThumbFrame(ScrollPart active, bool dragging) {
  if (active != spThumb) return 1;
  return dragging ? 2 : 3;
}

int GripGlyphFrame(bool vertical, ScrollPart active, bool dragging) {
  int frame = vertical ? 20 : 17;
  if (active == spThumb) frame += dragging ? 1 : 2;
  return frame;
}

int DraggedThumbStart(const ScrollAxis& axis, int pressThumbStart, int cursorDelta) {
  const int thumbLength = axis.thumbEnd - axis.thumbStart;
  const int highest = axis.length - axis.arrowSize - thumbLength;
  // Upper bound first, so that a bar too short for its thumb keeps the thumb after the arrow.
  return std::max(axis.arrowSize, std::min(pressThumbStart + cursorDelta, highest));
}

int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t product = static_cast<int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const uint64_t num = static_cast<uint64_t>(product < 0 ? -product : product);
  const uint64_t den = static_cast<uint64_t>(c < 0 ? -static_cast<int64_t>(c) : c);
  const uint64_t q = (num + den / 2) / den;
  if (q > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return -1;
  return negative ? -static_cast<int32_t>(q) : static_cast<int32_t>(q);
}

ThumbExtent ControlThumb(int length, int arrowSize, const ScrollInfoValues& info) {
  const int range = info.max == info.min ? kEmptyScrollRange : info.max - info.min;
  const int travel = length - 2 * arrowSize;
  const int offset = info.position - info.min;
  const bool atStart = info.position == info.min;
  ThumbExtent t;
  if (info.page > 0) {
    t.length = MulDivRound(travel, static_cast<int32_t>(info.page) - 1, range);
    if (t.length > kMinimumThumbLength - 1) {
      t.start = atStart ? arrowSize : MulDivRound(travel, offset, range) + arrowSize;
    } else {
      t.length = kMinimumThumbLength;
      t.start = atStart ? arrowSize : MulDivRound(travel - kMinimumThumbLength, offset, range) + arrowSize;
    }
  } else {
    t.length = arrowSize;
    t.start = atStart ? arrowSize : MulDivRound(length - 3 * arrowSize, offset, range) + arrowSize;
  }
  return t;
}

int DraggedListPosition(int pressOffset, int cursorDelta, int trackLength, int thumbLength,
                        const ScrollInfoValues& info) {
  const int travel = trackLength - thumbLength;
  // A thumb that fills its track cannot move: the list stays at its start.
  if (travel <= 0) return info.min;
  int offset = std::max(0, pressOffset + cursorDelta);
  int position;
  if (info.page == 0) {
    offset = std::min(offset, travel);
    position = std::min(MulDivRound(offset, info.max - info.min, travel) + info.min, info.max);
  } else {
    const int page = static_cast<int>(info.page);
    offset = std::min(offset, travel + 1);
    position =
        std::min(MulDivRound(offset, info.max - info.min - page, travel) + info.min, info.max - page + 1);
  }
  return std::max(position, info.min);
}

SkinRect ScrollCorner(const SkinRect& v, const SkinRect& h, int shiftLeftTop, int shiftRightBottom) {
  return {v.left + shiftLeftTop, h.top + shiftLeftTop, v.right + shiftRightBottom,
          h.bottom + shiftRightBottom};
}

}  // namespace quarnel
