// The range and text controls' geometry: pure integer arithmetic on rectangles. Any thread.
#include "skin/controls/range_layout.h"

#include <algorithm>
#include <cstdint>

namespace quarnel {

int ProgressFilledLength(int length, int low, int high, int position) {
  if (length <= 0 || high <= low || position <= low) return 0;
  if (position >= high) return length;
  // 64-bit: a long bar over a wide range must not overflow the product.
  const int64_t filled = static_cast<int64_t>(length) * (int64_t{position} - low) / (int64_t{high} - low);
  return static_cast<int>(std::clamp<int64_t>(filled, 0, length));
}

SkinRect HorizontalChannelPlace(const SkinRect& channel, int imageHeight) {
  const int top =
      imageHeight < channel.Height() ? channel.top + (channel.Height() - imageHeight) / 2 : channel.top;
  return {channel.left, top, channel.right, top + imageHeight};
}

SkinRect VerticalChannelPlace(const SkinRect& reported, int imageWidth) {
  const SkinRect channel = reported.Width() > reported.Height()
                               ? SkinRect{reported.top, reported.left, reported.bottom, reported.right}
                               : reported;
  const int left =
      imageWidth < channel.Width() ? channel.left + (channel.Width() - imageWidth) / 2 : channel.left;
  return {left, channel.top, left + imageWidth, channel.bottom};
}

std::array<SkinRect, 2> UpDownHalves(const SkinRect& r, bool horizontal) {
  if (horizontal) {
    const int half = r.Width() / 2;
    return {SkinRect{r.left, r.top, r.left + half, r.bottom},
            SkinRect{r.left + half, r.top, r.right, r.bottom}};
  }
  const int half = r.Height() / 2;
  return {SkinRect{r.left, r.top, r.right, r.top + half}, SkinRect{r.left, r.top + half, r.right, r.bottom}};
}

int UpDownHalfState(bool cursorOver, bool pressed, bool enabled) {
  if (!enabled) return 3;
  if (!cursorOver) return 1;
  return pressed ? 2 : 4;
}

SkinRect UpDownInsideEdit(const SkinRect& rect, int gapTop, int gapRight, int gapBottom) {
  constexpr int kBorder = 3;
  SkinRect r = rect;
  if (gapTop < kBorder) r.top += kBorder - std::max(gapTop, 0);
  if (gapRight < kBorder) r.right -= kBorder - std::max(gapRight, 0);
  if (gapBottom < kBorder) r.bottom -= kBorder - std::max(gapBottom, 0);
  return r;
}

SkinRect StatusGripRect(int barWidth, int barHeight, int frameWidth, int frameHeight) {
  return {barWidth - 1 - frameWidth, barHeight - 1 - frameHeight, barWidth - 1, barHeight - 1};
}

bool HasClientBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
  return clientWidth != windowWidth && clientHeight != windowHeight;
}

int ComboFrameIndex(bool pressed, bool focusedOrHot, bool enabled) {
  if (!enabled) return 3;
  if (pressed) return 2;
  return focusedOrHot ? 4 : 1;
}

int FlatComboFrameIndex(bool pressed, bool focusedOrHot, bool enabled) {
  if (pressed) return 2;
  if (focusedOrHot) return 4;
  return enabled ? 1 : 3;
}

ComboButtonBoxes ComboElementBoxes(const SkinRect& r, int a, bool buttonLeft) {
  if (buttonLeft)
    return {SkinRect{r.left + a + 4, r.top + 2, r.right - 2, r.bottom - 2},
            SkinRect{r.left, r.top, r.left + a + 2, r.bottom},
            SkinRect{r.left + 2, r.top, r.left + a + 2, r.bottom}};
  return {SkinRect{r.left + 2, r.top + 2, r.right - a - 4, r.bottom - 2},
          SkinRect{r.right - a - 2, r.top, r.right, r.bottom},
          SkinRect{r.right - a - 2, r.top, r.right - 2, r.bottom}};
}

FlatComboBoxes FlatComboLayout(const SkinRect& rect, int columnWidth, int frameWidth, int imageHeight,
                               bool buttonLeft) {
  const SkinRect inner{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
  const int column = std::clamp(columnWidth, 0, std::max(inner.Width(), 0));
  // The glyph stays inside its column; an image higher than the column is drawn squeezed into it.
  const int glyphWidth = std::min(frameWidth, column);
  int top = inner.top, bottom = inner.bottom;
  if (imageHeight > 0 && imageHeight < inner.Height()) {
    top = inner.top + (inner.Height() - imageHeight) / 2;
    bottom = top + imageHeight;
  }
  if (buttonLeft)
    return {SkinRect{inner.left, inner.top, inner.left + column, inner.bottom},
            SkinRect{inner.left, top, inner.left + glyphWidth, bottom}};
  return {SkinRect{inner.right - column, inner.top, inner.right, inner.bottom},
          SkinRect{inner.right - glyphWidth, top, inner.right, bottom}};
}

int DateArrowLeft(int pickerWidth, int arrowWidth, bool arrowLeft) {
  return arrowLeft ? 2 : pickerWidth - arrowWidth - 4;
}

}  // namespace quarnel
