// Frame choice and placement for check boxes, radio buttons and group boxes. Pure code.
#include "skin/controls/choice_layout.h"

#include <algorithm>

namespace quarnel {

namespace {
// Frames in one row of a 12-frame check or 8-frame radio strip: normal, hot, pressed, disabled.
constexpr int kRowLength = 4;

int InRow(int row, bool disabled, bool hot, bool pressed) {
  const int first = row * kRowLength + 1;
  if (disabled) return first + 3;
  if (pressed) return first + 2;
  return hot ? first + 1 : first;
}

int Clamp(int index, int frameCount) {
  return std::clamp(index, 1, std::max(1, frameCount));
}
}  // namespace

int CheckStateFromName(std::string_view s) {
  if (s.find("uncheck") != std::string_view::npos) return kCheckUnchecked;
  if (s.find("check") != std::string_view::npos) return kCheckChecked;
  if (s.find("gray") != std::string_view::npos) return kCheckGrayed;
  return 0;
}

int CheckFrameIndex(const ChoiceState& s, int frameCount) {
  const bool grayed = s.indeterminate || s.base == kCheckGrayed;
  if (frameCount >= 12) {
    const int row = grayed ? 2 : s.base == kCheckChecked ? 1 : 0;
    return InRow(row, s.disabled, s.hot, s.pressed);
  }
  // The short strips: disabled is two frames on; grayed shows as checked-disabled, whether
  // enabled or not (there is no further frame for it).
  if (grayed) return Clamp(4, frameCount);
  const int index = (s.base == kCheckChecked ? 2 : 1) + (s.disabled ? 2 : 0);
  return Clamp(index, frameCount);
}

int RadioFrameIndex(bool checked, bool disabled, bool hot, bool pressed, int frameCount) {
  if (frameCount >= 8) return InRow(checked ? 1 : 0, disabled, hot, pressed);
  return Clamp((checked ? 2 : 1) + (disabled ? 2 : 0), frameCount);
}

namespace {
// The style bits of a button's content alignment (the system's values).
constexpr unsigned kStyleLeft = 0x100, kStyleRight = 0x200, kStyleCentre = 0x300;
constexpr unsigned kStyleTop = 0x400, kStyleBottom = 0x800, kStyleVCentre = 0xC00;
constexpr unsigned kStyleMultiline = 0x2000;

int VerticalStart(const SkinRect& r, int height, ChoiceVertical v) {
  switch (v) {
    case ChoiceVertical::Top:
      return r.top;
    case ChoiceVertical::Bottom:
      return r.bottom - height;
    case ChoiceVertical::Middle:
      break;
  }
  return r.top + (r.bottom - r.top - height) / 2;
}
}  // namespace

ChoiceAlignment ChoiceAlignmentOf(unsigned style, bool pushLike) {
  ChoiceAlignment a;
  switch (style & kStyleCentre) {
    case kStyleLeft:
      a.horizontal = ChoiceHorizontal::Left;
      break;
    case kStyleRight:
      a.horizontal = ChoiceHorizontal::Right;
      break;
    case kStyleCentre:
      a.horizontal = ChoiceHorizontal::Centre;
      break;
    default:
      a.horizontal = pushLike ? ChoiceHorizontal::Centre : ChoiceHorizontal::Left;
      break;
  }
  switch (style & kStyleVCentre) {
    case kStyleTop:
      a.vertical = ChoiceVertical::Top;
      break;
    case kStyleBottom:
      a.vertical = ChoiceVertical::Bottom;
      break;
    default:
      a.vertical = ChoiceVertical::Middle;
      break;
  }
  a.multiline = (style & kStyleMultiline) != 0;
  return a;
}

SkinRect AlignInArea(const SkinRect& area, int width, int height, const ChoiceAlignment& a) {
  int left = area.left;
  if (a.horizontal == ChoiceHorizontal::Right) left = area.right - width;
  if (a.horizontal == ChoiceHorizontal::Centre) left = area.left + (area.right - area.left - width) / 2;
  const int top = VerticalStart(area, height, a.vertical);
  return {left, top, left + width, top + height};
}

namespace {
ChoiceBoxes Place(const SkinRect& r, int gw, int gh, bool rightButton, int rightInset, int textGap,
                  ChoiceVertical vertical) {
  const int top = VerticalStart(r, gh, vertical);
  ChoiceBoxes b;
  if (rightButton) {
    const int right = r.right - rightInset;
    b.glyph = {right - gw, top, right, top + gh};
    b.text = {r.left, r.top, b.glyph.left - textGap, r.bottom};
  } else {
    b.glyph = {r.left, top, r.left + gw, top + gh};
    b.text = {b.glyph.right + 2, r.top, r.right, r.bottom};
  }
  return b;
}
}  // namespace

ChoiceBoxes CheckBoxLayout(const SkinRect& rect, int gw, int gh, bool rightButton, ChoiceVertical vertical) {
  return Place(rect, gw, gh, rightButton, 0, 2, vertical);
}

ChoiceBoxes RadioLayout(const SkinRect& rect, int gw, int gh, bool rightButton, ChoiceVertical vertical) {
  return Place(rect, gw, gh, rightButton, 1, 2, vertical);
}

SkinRect CentreTextVertically(const SkinRect& text, int measuredHeight) {
  SkinRect r = text;
  const int shift = (text.bottom - text.top - measuredHeight) / 2;
  r.top += shift;
  r.bottom += shift;
  return r;
}

int GroupFrameTop(int textHeight) {
  return std::max(0, textHeight / 2 - 1);
}

}  // namespace quarnel
