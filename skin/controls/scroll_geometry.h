// Scroll-bar geometry as functions of numbers: the parts of a skinned bar (arrows, track, thumb,
// grip), hit testing, the frames each part is drawn with, the thumb while it is dragged, the
// thumb of a separate scroll-bar control and the position of a list's dragged thumb. Pure code.
#pragma once
#include <cstdint>

#include "skin/data/draw/draw_geometry.h"

namespace quarnel {

// The parts of a bar, numbered as the system's scroll request codes so that a scroll
// notification names the part being scrolled.
enum ScrollPart : int32_t {
  spNone = -1,
  spFirstArrow = 0,   // left or up
  spSecondArrow = 1,  // right or down
  spTrackBefore = 2,
  spTrackAfter = 3,
  spThumb = 5,
};

// Scroll request codes of the notifications a list's own thumb drag sends.
constexpr int kScrollThumbPosition = 4;
constexpr int kScrollThumbTrack = 5;
constexpr int kScrollEnd = 8;

// A bar along its axis: `length` pixels, arrows of `arrowSize`, thumb from `thumbStart` to
// `thumbEnd` (measured from the bar's start).
struct ScrollAxis {
  int length = 0;
  int arrowSize = 0;
  int thumbStart = 0;
  int thumbEnd = 0;
};

// The part at `position` along the axis.
ScrollPart ScrollHitTest(const ScrollAxis& axis, int position);

// The drawn cross size of a bar: the glyph strip's height, or the arrow size when the two differ
// by more than 2 pixels.
int ScrollThickness(int glyphHeight, int arrowSize);

// Everything one overlay paint draws, in the bar's own coordinates (origin at its top-left).
struct ScrollBarLayout {
  SkinRect firstArrow, secondArrow;
  SkinRect track;  // empty (hasTrack false) when the bar is shorter than two arrows
  bool hasTrack = false;
  SkinRect thumb;
  bool hasThumb = false;
  SkinRect grip;
  bool hasGrip = false;
};

struct ScrollBarShape {
  int width = 0, height = 0;  // the bar rectangle's size
  bool vertical = false;
  int arrowSize = 0;
  int thickness = 0;  // ScrollThickness
  int thumbStart = 0, thumbEnd = 0;
  bool enabled = true;
  int gripSize = 0;  // the square grip glyph's size
};
ScrollBarLayout LayoutScrollBar(const ScrollBarShape& shape);

// Frames (from 1) of the 23-glyph strip and of the track and thumb elements.
constexpr int kScrollGlyphFrames = 23;
constexpr int kScrollTrackFrames = 4;
// Arrow `part` (spFirstArrow or spSecondArrow): left 1, right 5, up 9, down 13; the active arrow
// adds 1 while pressed and 3 while hot.
int ArrowGlyphFrame(ScrollPart part, bool vertical, ScrollPart active, bool dragging);
int TrackFrame(bool enabled);
// 1 normal, 2 while dragged, 3 hot.
int ThumbFrame(ScrollPart active, bool dragging);
// 17 horizontal, 20 vertical; plus 1 while the thumb is dragged, plus 2 while it is hot.
int GripGlyphFrame(bool vertical, ScrollPart active, bool dragging);

// The thumb start while it is dragged: the start at the press moved with the cursor, kept
// between the arrows.
int DraggedThumbStart(const ScrollAxis& axis, int pressThumbStart, int cursorDelta);

// MulDiv: a * b / c computed at full width and rounded half away from zero; -1 when c is 0 or
// the result does not fit 32 bits.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c);

// The thumb of a separate scroll-bar control, from its length along the axis, the arrow size
// and its scroll information.
struct ScrollInfoValues {
  int min = 0, max = 0;
  unsigned page = 0;
  int position = 0;
};
constexpr int kEmptyScrollRange = 9999999;
constexpr int kMinimumThumbLength = 8;
struct ThumbExtent {
  int start = 0, length = 0;
};
ThumbExtent ControlThumb(int length, int arrowSize, const ScrollInfoValues& info);

// The position a list's thumb drag reaches: `pressOffset` is the thumb's offset from the end of
// the first arrow at the press, `cursorDelta` the cursor's movement along the axis since,
// `trackLength` the bar less its arrows and `thumbLength` the thumb's length.
int DraggedListPosition(int pressOffset, int cursorDelta, int trackLength, int thumbLength,
                        const ScrollInfoValues& info);

// The corner square between a vertical and a horizontal bar (client coordinates), shifted by
// `shift` into the DC it is filled in.
SkinRect ScrollCorner(const SkinRect& verticalBar, const SkinRect& horizontalBar, int shiftLeftTop,
                      int shiftRightBottom);

}  // namespace quarnel
