// Push, check and radio buttons, scroll bar parts, progress and track bars and spin buttons.
// Soft edges are blended against the face colour, which is what these controls are drawn on.
#include <utility>

#include "tools/skingen/palette.h"
#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {
namespace {

using namespace palette;

// Control states in the frame order of push buttons: normal, pressed, disabled, hot, focused.
enum class TState { Normal, Pressed, Disabled, Hot, Focused };

struct TLook {
  TRgb border, top, bottom;
};

TLook LookOf(TState state) {
  switch (state) {
    case TState::Pressed:
      return {kPressedBorder, kPressedTop, kPressedBottom};
    case TState::Disabled:
      return {kDisabledBorder, kDisabledFill, kDisabledFill};
    case TState::Hot:
      return {kHotBorder, kHotTop, kHotBottom};
    case TState::Focused:
      return {kAccent, kWhite, Hex(0xDCE6F2)};
    case TState::Normal:
      break;
  }
  return {kControlBorder, kWhite, Hex(0xDCE6F2)};
}

TRgb InkOf(TState state) {
  switch (state) {
    case TState::Pressed:
      return kAccentDark;
    case TState::Disabled:
      return Hex(0xAAB5C4);
    case TState::Hot:
      return kAccent;
    default:
      return Hex(0x415B7D);
  }
}

// Two-tone gloss: the upper half lighter than the lower half.
TColourAt Gloss(const TLook& look, int top, int bottom) {
  const int middle = (top + bottom) / 2;
  return [=](int, int y) {
    if (y < middle) return Ramp(Mix(look.top, kWhite, 0.4), look.top, y, top, middle - 1);
    return Ramp(Mix(look.top, look.bottom, 0.55), look.bottom, y, middle, bottom - 1);
  };
}

TImage DrawPushButton(TState state) {
  const int w = 24, h = 24;
  const TLook look = LookOf(state);
  TImage button(w, h, kFace);
  const TInside outer = RoundRect(0, 0, w, h, 3.5);
  button.Paint(outer, Solid(look.border));
  button.Paint(RoundRect(1, 1, w - 1, h - 1, 2.6),
               state == TState::Disabled ? Solid(kDisabledFill) : Gloss(look, 1, h - 1));
  if (state == TState::Focused) {
    button.Paint(RoundRectRing(1, 1, w - 1, h - 1, 2.6, 1), Solid(Hex(0x9CC5F2)));
  } else if (state == TState::Pressed) {
    button.FillRect(2, 1, w - 2, 2, Solid(Mix(look.top, look.border, 0.35)));
  } else {
    button.Paint(RoundRectRing(1, 1, w - 1, h - 1, 2.6, 1), Solid(kWhite), 0.6);
  }
  button.CutOutside(outer);
  return button;
}

TImage DrawCheckBox(TState state, int mark) {  // mark: 0 none, 1 checked, 2 mixed
  const int s = 13;
  const TLook look = LookOf(state);
  TImage box(s, s, kFace);
  const TInside outer = RoundRect(0, 0, s, s, 2.2);
  box.Paint(outer, Solid(state == TState::Normal ? Hex(0x7890B2) : look.border));
  box.Paint(RoundRect(1, 1, s - 1, s - 1, 1.4), state == TState::Normal
                                                    ? VerticalRamp(kWhite, Hex(0xE2EAF4), 1, s - 2)
                                                    : VerticalRamp(look.top, look.bottom, 1, s - 2));
  const TRgb ink = state == TState::Disabled ? Hex(0xA3AFBF) : kAccentDark;
  if (mark == 1) box.Paint(Stroke({{3.3, 6.6}, {5.6, 9.0}, {9.9, 3.9}}, 1.9), Solid(ink));
  if (mark == 2) {
    box.Paint(RoundRect(3.5, 3.5, 9.5, 9.5, 1),
              state == TState::Disabled ? Solid(ink) : VerticalRamp(Hex(0x6AA6EC), kAccentDark, 3, 9));
  }
  box.CutOutside(outer);
  return box;
}

TImage DrawRadio(TState state, bool checked) {
  const int s = 13;
  const TLook look = LookOf(state);
  TImage radio(s, s, kFace);
  const TInside outer = Circle(6.5, 6.5, 6.5);
  radio.Paint(outer, Solid(state == TState::Normal ? Hex(0x7890B2) : look.border));
  radio.Paint(Circle(6.5, 6.5, 5.5), state == TState::Normal ? VerticalRamp(kWhite, Hex(0xE2EAF4), 1, s - 2)
                                                             : VerticalRamp(look.top, look.bottom, 1, s - 2));
  if (checked) {
    radio.Paint(Circle(6.5, 6.5, 3.0), state == TState::Disabled
                                           ? Solid(Hex(0xA3AFBF))
                                           : VerticalRamp(Hex(0x6AA6EC), kAccentDark, 4, 9));
  }
  radio.CutOutside(outer);
  return radio;
}

// Directions in scroll bar frame order: left, right, up, down.
enum class TDirection { Left, Right, Up, Down };

// A solid triangle pointing in `direction`, centred at (cx, cy), `size` across its base.
TInside Arrow(TDirection direction, double cx, double cy, double size) {
  const double half = size / 2, depth = size / 2;
  switch (direction) {
    case TDirection::Left:
      return Polygon({{cx - depth / 2, cy}, {cx + depth / 2, cy - half}, {cx + depth / 2, cy + half}});
    case TDirection::Right:
      return Polygon({{cx + depth / 2, cy}, {cx - depth / 2, cy - half}, {cx - depth / 2, cy + half}});
    case TDirection::Up:
      return Polygon({{cx, cy - depth / 2}, {cx - half, cy + depth / 2}, {cx + half, cy + depth / 2}});
    case TDirection::Down:
      break;
  }
  return Polygon({{cx, cy + depth / 2}, {cx - half, cy - depth / 2}, {cx + half, cy - depth / 2}});
}

constexpr int kBar = 17;  // scroll bar thickness

TImage DrawScrollArrow(TDirection direction, TState state) {
  TImage frame(kBar, kBar, kFace);
  const TInside box = RoundRect(1, 1, kBar - 1, kBar - 1, 2.5);
  const bool boxed = state == TState::Hot || state == TState::Pressed;
  if (boxed) {
    const TLook look = LookOf(state);
    frame.Paint(box, Solid(state == TState::Hot ? Hex(0x94B7E2) : look.border));
    frame.Paint(RoundRect(2, 2, kBar - 2, kBar - 2, 1.8), VerticalRamp(look.top, look.bottom, 2, kBar - 3));
  }
  const TInside glyph = Arrow(direction, 8.5, 8.5, 8);
  frame.Paint(glyph, Solid(InkOf(state)));
  frame.CutOutside(boxed ? box : Arrow(direction, 8.5, 8.5, 9.5));
  return frame;
}

// Horizontal scroll thumb; the vertical one is its transposition.
TLook ThumbLook(int look) {  // 0 normal, 1 dragging, 2 hot
  if (look == 1) return {Hex(0x2F63A8), Hex(0x9CC3EE), Hex(0x6C9FDD)};
  if (look == 2) return {Hex(0x4F86C9), Hex(0xD8E9FB), Hex(0xA6C8EF)};
  return {Hex(0x8CA6CA), Hex(0xE9F0F9), Hex(0xC4D6EC)};
}

constexpr double kThumbInset = 2;

TImage DrawHorzThumb(int look) {
  const int w = 24;
  const TLook colours = ThumbLook(look);
  TImage thumb(w, kBar, kFace);
  const TInside outer = RoundRect(0, kThumbInset, w, kBar - kThumbInset, 3);
  thumb.Paint(outer, Solid(colours.border));
  thumb.Paint(RoundRect(1, kThumbInset + 1, w - 1, kBar - kThumbInset - 1, 2.2),
              VerticalRamp(colours.top, colours.bottom, 3, kBar - 4));
  thumb.Paint(RoundRectRing(1, kThumbInset + 1, w - 1, kBar - kThumbInset - 1, 2.2, 1), Solid(kWhite), 0.45);
  thumb.CutOutside(outer);
  return thumb;
}

// Grip lines for the middle of a horizontal thumb, on the thumb's own colours.
TImage DrawHorzGrip(int look) {
  const TLook colours = ThumbLook(look);
  TImage grip(kBar, kBar);
  grip.Fill(VerticalRamp(colours.top, colours.bottom, 3, kBar - 4));
  TInside lines = [](double x, double y) {
    return y >= 5.5 && y < 11.5 && (int(x) == 5 || int(x) == 8 || int(x) == 11);
  };
  TInside lights = Offset(lines, 1, 0);
  grip.Paint(lines, Solid(look == 1 ? Hex(0x1D4E96) : Hex(0x6E8DB8)));
  grip.Paint(lights, Solid(kWhite), 0.8);
  grip.CutOutside([=](double x, double y) { return lines(x, y) || lights(x, y); });
  return grip;
}

TImage DrawHorzTrack(TState state) {
  TRgb fill = kScrollTrack;
  if (state == TState::Pressed) fill = Hex(0xCAD8EA);
  if (state == TState::Disabled) fill = Hex(0xEEF1F5);
  if (state == TState::Hot) fill = Hex(0xDCE5F0);
  TImage track(16, kBar, fill);
  track.FillRect(0, 0, 16, 1, Solid(Hex(0xD4DDE9)));
  track.FillRect(0, kBar - 1, 16, kBar, Solid(Hex(0xD4DDE9)));
  return track;
}

std::vector<TImage> Transposed(const std::vector<TImage>& frames) {
  std::vector<TImage> result;
  for (const TImage& frame : frames) result.push_back(frame.Transposed());
  return result;
}

TImage DrawProgressTrack() {
  TImage track(24, 16, kFace);
  const TInside outer = RoundRect(0, 0, 24, 16, 3);
  track.Paint(outer, Solid(Hex(0x98ACC6)));
  track.Paint(RoundRect(1, 1, 23, 15, 2.2), VerticalRamp(Hex(0xD6DEE9), Hex(0xF7F9FC), 1, 14));
  track.CutOutside(outer);
  return track;
}

TImage DrawProgressChunk() {
  TImage chunk(24, 16, Hex(0xE6ECF4));
  const TInside outer = RoundRect(1, 1, 23, 15, 2.2);
  chunk.Paint(outer, Solid(Hex(0x2A68B8)));
  chunk.Paint(RoundRect(2, 2, 22, 14, 1.5), [](int, int y) {
    return y < 8 ? Ramp(Hex(0x9AD3FF), Hex(0x4F9FEA), y, 2, 7) : Ramp(Hex(0x2F80D8), Hex(0x52A6EE), y, 8, 13);
  });
  chunk.CutOutside(outer);
  return chunk;
}

TImage DrawTrackChannel() {
  TImage channel(24, 5, kFace);
  const TInside outer = RoundRect(0, 0, 24, 5, 2);
  channel.Paint(outer, Solid(Hex(0x93A7C2)));
  channel.Paint(RoundRect(1, 1, 23, 4, 1), VerticalRamp(Hex(0xC9D4E3), Hex(0xF1F4F9), 1, 3));
  channel.CutOutside(outer);
  return channel;
}

TImage DrawTrackThumb(TState state) {
  const int w = 11, h = 19;
  TLook look = LookOf(state);
  if (state == TState::Normal || state == TState::Focused) look = {Hex(0x3F70B3), kWhite, Hex(0xB9D1EE)};
  TImage thumb(w, h, kFace);
  const TInside outer = RoundRect(0, 0, w, h, 3.5);
  thumb.Paint(outer, Solid(look.border));
  thumb.Paint(RoundRect(1, 1, w - 1, h - 1, 2.6), HorizontalRamp(look.top, look.bottom, 1, w - 2));
  thumb.FillRect(3, 9, w - 3, 10, Solid(Mix(look.border, look.bottom, 0.4)));
  thumb.CutOutside(outer);
  return thumb;
}

// Spin halves: frames 1-4 for the first half (up or left), 5-8 for the second, each in the
// state order normal, pressed, disabled, hot.
constexpr TState kSpinStates[] = {TState::Normal, TState::Pressed, TState::Disabled, TState::Hot};

TImage DrawSpinHalf(TState state) {
  const int w = 15, h = 10;
  const TLook look = LookOf(state);
  TImage half(w, h, kFace);
  const TInside outer = RoundRect(0, 0, w, h, 2.5);
  half.Paint(outer, Solid(state == TState::Normal ? Hex(0x8FA5C5) : look.border));
  half.Paint(RoundRect(1, 1, w - 1, h - 1, 1.8), state == TState::Disabled
                                                     ? Solid(kDisabledFill)
                                                     : VerticalRamp(look.top, look.bottom, 1, h - 2));
  half.CutOutside(outer);
  return half;
}

TImage DrawSpinGlyph(TDirection direction, TState state) {
  const bool vertical = direction == TDirection::Up || direction == TDirection::Down;
  const int w = vertical ? 7 : 4, h = vertical ? 4 : 7;
  TImage glyph(w, h, Mix(LookOf(state).top, LookOf(state).bottom, 0.5));
  const TInside shape = Arrow(direction, w / 2.0, h / 2.0, 7);
  glyph.Paint(shape, Solid(InkOf(state)));
  glyph.CutOutside(shape);
  return glyph;
}

std::vector<TImage> SpinFrames(bool horizontal) {
  std::vector<TImage> frames;
  for (int copy = 0; copy < 2; ++copy) {
    for (TState state : kSpinStates) {
      const TImage half = DrawSpinHalf(state);
      frames.push_back(horizontal ? half.Transposed() : half);
    }
  }
  return frames;
}

std::vector<TImage> SpinGlyphs(TDirection first, TDirection second) {
  std::vector<TImage> frames;
  for (TDirection direction : {first, second}) {
    for (TState state : kSpinStates) frames.push_back(DrawSpinGlyph(direction, state));
  }
  return frames;
}

}  // namespace

std::vector<TSkinBitmap> DrawControlBitmaps() {
  std::vector<TImage> arrows;
  for (TDirection direction : {TDirection::Left, TDirection::Right, TDirection::Up, TDirection::Down}) {
    for (TState state : kSpinStates) arrows.push_back(DrawScrollArrow(direction, state));
  }
  for (int look : {0, 1, 2}) arrows.push_back(DrawHorzGrip(look));
  for (int look : {0, 1, 2}) arrows.push_back(DrawHorzGrip(look).Transposed());
  arrows.push_back(TImage(kBar, kBar, kFace));

  std::vector<TImage> thumbs;
  for (int look : {0, 1, 2}) thumbs.push_back(DrawHorzThumb(look));
  std::vector<TImage> tracks;
  for (TState state : kSpinStates) tracks.push_back(DrawHorzTrack(state));

  std::vector<TImage> buttons, checks, radios, trackThumbs;
  for (TState state : {TState::Normal, TState::Pressed, TState::Disabled, TState::Hot, TState::Focused}) {
    buttons.push_back(DrawPushButton(state));
  }
  // Check box frames: unchecked, checked and mixed, each normal, hot, pressed, disabled.
  for (int mark : {0, 1, 2}) {
    for (TState state : {TState::Normal, TState::Hot, TState::Pressed, TState::Disabled}) {
      checks.push_back(DrawCheckBox(state, mark));
    }
  }
  for (bool checked : {false, true}) {
    for (TState state : {TState::Normal, TState::Hot, TState::Pressed, TState::Disabled}) {
      radios.push_back(DrawRadio(state, checked));
    }
  }
  for (TState state : {TState::Normal, TState::Focused, TState::Disabled, TState::Hot, TState::Pressed}) {
    trackThumbs.push_back(DrawTrackThumb(state));
  }
  return {
      {"progress.bmp", DrawProgressTrack(), 1, false},
      {"progresschunk.bmp", DrawProgressChunk(), 1, false},
      {"scrollbararrow.bmp", Row(arrows), 23, false},
      {"scrollbarhthumb.bmp", Row(thumbs), 3, false},
      {"scrollbarvthumb.bmp", Row(Transposed(thumbs)), 3, false},
      {"scrollbarhbar.bmp", Row(tracks), 4, false},
      {"scrollbarvbar.bmp", Row(Transposed(tracks)), 4, false},
      {"trackthumbh.bmp", Row(trackThumbs), 5, false},
      {"trackbot.bmp", DrawTrackChannel(), 1, false},
      {"spin.bmp", Row(SpinFrames(false)), 8, false},
      {"spinarrow.bmp", Row(SpinGlyphs(TDirection::Up, TDirection::Down)), 8, false},
      {"spinh.bmp", Row(SpinFrames(true)), 8, false},
      {"spinharrow.bmp", Row(SpinGlyphs(TDirection::Left, TDirection::Right)), 8, false},
      {"m4pushbutton.bmp", Row(buttons), 5, false},
      {"checkbox_old.bmp", Row(checks), 12, false},
      {"radiobtn_old.bmp", Row(radios), 8, false},
  };
}

}  // namespace quarnel::skingen
