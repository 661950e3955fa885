// Push, check and radio buttons, scroll bar parts, progress and track bars and spin buttons.
// Soft edges are blended against the face colour, which is what these controls are drawn on.
#include <utility>

#include "tools/skingen/palette.h"
#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {
namespace {

// Control states in the frame order of push buttons: normal, pressed, disabled, hot, focused.
enum class TState { Normal, Pressed, Disabled, Hot, Focused };

const TFace& LookOf(const TPalette& p, TState state) {
  switch (state) {
    case TState::Pressed:
      return p.pressed;
    case TState::Disabled:
      return p.disabled;
    case TState::Hot:
      return p.hot;
    case TState::Focused:
      return p.focused;
    case TState::Normal:
      break;
  }
  return p.normal;
}

TRgb InkOf(const TPalette& p, TState state) {
  switch (state) {
    case TState::Pressed:
      return p.inks.pressed;
    case TState::Disabled:
      return p.inks.disabled;
    case TState::Hot:
      return p.inks.hot;
    default:
      return p.inks.normal;
  }
}

// Two-tone gloss: the upper half lighter than the lower half.
TColourAt Gloss(const TPalette& p, const TFace& look, int top, int bottom) {
  const int middle = (top + bottom) / 2;
  return [=, gloss = p.gloss](int, int y) {
    if (y < middle) return Ramp(Mix(look.top, gloss, 0.4), look.top, y, top, middle - 1);
    return Ramp(Mix(look.top, look.bottom, 0.55), look.bottom, y, middle, bottom - 1);
  };
}

TImage DrawPushButton(const TPalette& p, TState state, int scale) {
  const int w = 24, h = 24;
  const TFace& look = LookOf(p, state);
  TImage button(w, h, p.face, scale);
  const TInside outer = RoundRect(0, 0, w, h, 3.5);
  button.Paint(outer, Solid(look.border));
  button.Paint(RoundRect(1, 1, w - 1, h - 1, 2.6),
               state == TState::Disabled ? Solid(look.top) : Gloss(p, look, 1, h - 1));
  if (state == TState::Focused) {
    button.Paint(RoundRectRing(1, 1, w - 1, h - 1, 2.6, 1), Solid(p.focusRing));
  } else if (state == TState::Pressed) {
    button.FillRect(2, 1, w - 2, 2, Solid(Mix(look.top, look.border, 0.35)));
  } else {
    button.Paint(RoundRectRing(1, 1, w - 1, h - 1, 2.6, 1), Solid(p.sheen), 0.6);
  }
  button.CutOutside(outer);
  return button;
}

TImage DrawCheckBox(const TPalette& p, TState state, int mark,
                    int scale) {  // mark: 0 none, 1 checked, 2 mixed
  const int s = 13;
  const TFace& look = state == TState::Normal ? p.box : LookOf(p, state);
  TImage box(s, s, p.face, scale);
  const TInside outer = RoundRect(0, 0, s, s, 2.2);
  box.Paint(outer, Solid(look.border));
  box.Paint(RoundRect(1, 1, s - 1, s - 1, 1.4), VerticalRamp(look.top, look.bottom, 1, s - 2));
  const TRgb ink = state == TState::Disabled ? p.markDisabled : p.markInk;
  if (mark == 1) box.Paint(Stroke({{3.3, 6.6}, {5.6, 9.0}, {9.9, 3.9}}, 1.9), Solid(ink));
  if (mark == 2) {
    box.Paint(RoundRect(3.5, 3.5, 9.5, 9.5, 1),
              state == TState::Disabled ? Solid(ink) : VerticalRamp(p.markLight, p.markInk, 3, 9));
  }
  box.CutOutside(outer);
  return box;
}

TImage DrawRadio(const TPalette& p, TState state, bool checked, int scale) {
  const int s = 13;
  const TFace& look = state == TState::Normal ? p.box : LookOf(p, state);
  TImage radio(s, s, p.face, scale);
  const TInside outer = Circle(6.5, 6.5, 6.5);
  radio.Paint(outer, Solid(look.border));
  radio.Paint(Circle(6.5, 6.5, 5.5), VerticalRamp(look.top, look.bottom, 1, s - 2));
  if (checked) {
    radio.Paint(Circle(6.5, 6.5, 3.0), state == TState::Disabled
                                           ? Solid(p.markDisabled)
                                           : VerticalRamp(p.markLight, p.markInk, 4, 9));
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

TImage DrawScrollArrow(const TPalette& p, TDirection direction, TState state, int scale) {
  TImage frame(kBar, kBar, p.face, scale);
  const TInside box = RoundRect(1, 1, kBar - 1, kBar - 1, 2.5);
  const bool boxed = state == TState::Hot || state == TState::Pressed;
  if (boxed) {
    const TFace& look = LookOf(p, state);
    frame.Paint(box, Solid(state == TState::Hot ? p.arrowHotBorder : look.border));
    frame.Paint(RoundRect(2, 2, kBar - 2, kBar - 2, 1.8), VerticalRamp(look.top, look.bottom, 2, kBar - 3));
  }
  const TInside glyph = Arrow(direction, 8.5, 8.5, 8);
  frame.Paint(glyph, Solid(InkOf(p, state)));
  frame.CutOutside(boxed ? box : Arrow(direction, 8.5, 8.5, 9.5));
  return frame;
}

// Horizontal scroll thumb; the vertical one is its transposition.
constexpr double kThumbInset = 2;

TImage DrawHorzThumb(const TPalette& p, int look, int scale) {  // 0 normal, 1 dragging, 2 hot
  const int w = 24;
  const TFace& colours = p.thumbs[look];
  TImage thumb(w, kBar, p.face, scale);
  const TInside outer = RoundRect(0, kThumbInset, w, kBar - kThumbInset, 3);
  thumb.Paint(outer, Solid(colours.border));
  thumb.Paint(RoundRect(1, kThumbInset + 1, w - 1, kBar - kThumbInset - 1, 2.2),
              VerticalRamp(colours.top, colours.bottom, 3, kBar - 4));
  thumb.Paint(RoundRectRing(1, kThumbInset + 1, w - 1, kBar - kThumbInset - 1, 2.2, 1), Solid(p.sheen), 0.45);
  thumb.CutOutside(outer);
  return thumb;
}

// Grip lines for the middle of a horizontal thumb, on the thumb's own colours.
TImage DrawHorzGrip(const TPalette& p, int look, int scale) {
  const TFace& colours = p.thumbs[look];
  TImage grip(kBar, kBar, kMagenta, scale);
  grip.Fill(VerticalRamp(colours.top, colours.bottom, 3, kBar - 4));
  TInside lines = [](double x, double y) {
    return y >= 5.5 && y < 11.5 && (int(x) == 5 || int(x) == 8 || int(x) == 11);
  };
  TInside lights = Offset(lines, 1, 0);
  grip.Paint(lines, Solid(look == 1 ? p.gripLineDragging : p.gripLine));
  grip.Paint(lights, Solid(p.sheen), 0.8);
  grip.CutOutside([=](double x, double y) { return lines(x, y) || lights(x, y); });
  return grip;
}

TImage DrawHorzTrack(const TPalette& p, TState state, int scale) {
  TRgb fill = p.scrollTrack;
  if (state == TState::Pressed) fill = p.trackPressed;
  if (state == TState::Disabled) fill = p.trackDisabled;
  if (state == TState::Hot) fill = p.trackHot;
  TImage track(16, kBar, fill, scale);
  track.FillRect(0, 0, 16, 1, Solid(p.trackEdge));
  track.FillRect(0, kBar - 1, 16, kBar, Solid(p.trackEdge));
  return track;
}

std::vector<TImage> Transposed(const std::vector<TImage>& frames) {
  std::vector<TImage> result;
  for (const TImage& frame : frames) result.push_back(frame.Transposed());
  return result;
}

TImage DrawProgressTrack(const TPalette& p, int scale) {
  const TFace& look = p.progressTrack;
  TImage track(24, 16, p.face, scale);
  const TInside outer = RoundRect(0, 0, 24, 16, 3);
  track.Paint(outer, Solid(look.border));
  track.Paint(RoundRect(1, 1, 23, 15, 2.2), VerticalRamp(look.top, look.bottom, 1, 14));
  track.CutOutside(outer);
  return track;
}

TImage DrawProgressChunk(const TPalette& p, int scale) {
  const TFace& look = p.progressChunk;
  TImage chunk(24, 16, p.progressBackdrop, scale);
  const TInside outer = RoundRect(1, 1, 23, 15, 2.2);
  chunk.Paint(outer, Solid(look.border));
  chunk.Paint(RoundRect(2, 2, 22, 14, 1.5), [&](int, int y) {
    return y < 8 ? Ramp(look.top, look.bottom, y, 2, 7) : Ramp(p.chunkBottomTop, p.chunkBottomEnd, y, 8, 13);
  });
  chunk.CutOutside(outer);
  return chunk;
}

TImage DrawTrackChannel(const TPalette& p, int scale) {
  TImage channel(24, 5, p.face, scale);
  const TInside outer = RoundRect(0, 0, 24, 5, 2);
  channel.Paint(outer, Solid(p.channel.border));
  channel.Paint(RoundRect(1, 1, 23, 4, 1), VerticalRamp(p.channel.top, p.channel.bottom, 1, 3));
  channel.CutOutside(outer);
  return channel;
}

TImage DrawTrackThumb(const TPalette& p, TState state, int scale) {
  const int w = 11, h = 19;
  const TFace& look = state == TState::Normal || state == TState::Focused ? p.trackThumb : LookOf(p, state);
  TImage thumb(w, h, p.face, scale);
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

TImage DrawSpinHalf(const TPalette& p, TState state, int scale) {
  const int w = 15, h = 10;
  const TFace& look = LookOf(p, state);
  TImage half(w, h, p.face, scale);
  const TInside outer = RoundRect(0, 0, w, h, 2.5);
  half.Paint(outer, Solid(state == TState::Normal ? p.spinBorder : look.border));
  half.Paint(RoundRect(1, 1, w - 1, h - 1, 1.8), VerticalRamp(look.top, look.bottom, 1, h - 2));
  half.CutOutside(outer);
  return half;
}

TImage DrawSpinGlyph(const TPalette& p, TDirection direction, TState state, int scale) {
  const bool vertical = direction == TDirection::Up || direction == TDirection::Down;
  const int w = vertical ? 7 : 4, h = vertical ? 4 : 7;
  TImage glyph(w, h, Mix(LookOf(p, state).top, LookOf(p, state).bottom, 0.5), scale);
  const TInside shape = Arrow(direction, w / 2.0, h / 2.0, 7);
  glyph.Paint(shape, Solid(InkOf(p, state)));
  glyph.CutOutside(shape);
  return glyph;
}

std::vector<TImage> SpinFrames(const TPalette& p, bool horizontal, int scale) {
  std::vector<TImage> frames;
  for (int copy = 0; copy < 2; ++copy) {
    for (TState state : kSpinStates) {
      const TImage half = DrawSpinHalf(p, state, scale);
      frames.push_back(horizontal ? half.Transposed() : half);
    }
  }
  return frames;
}

std::vector<TImage> SpinGlyphs(const TPalette& p, TDirection first, TDirection second, int scale) {
  std::vector<TImage> frames;
  for (TDirection direction : {first, second}) {
    for (TState state : kSpinStates) frames.push_back(DrawSpinGlyph(p, direction, state, scale));
  }
  return frames;
}

}  // namespace

std::vector<TSkinBitmap> DrawControlBitmaps(const TPalette& p, int scale) {
  std::vector<TImage> arrows;
  for (TDirection direction : {TDirection::Left, TDirection::Right, TDirection::Up, TDirection::Down}) {
    for (TState state : kSpinStates) arrows.push_back(DrawScrollArrow(p, direction, state, scale));
  }
  for (int look : {0, 1, 2}) arrows.push_back(DrawHorzGrip(p, look, scale));
  for (int look : {0, 1, 2}) arrows.push_back(DrawHorzGrip(p, look, scale).Transposed());
  arrows.push_back(TImage(kBar, kBar, p.face, scale));

  std::vector<TImage> thumbs;
  for (int look : {0, 1, 2}) thumbs.push_back(DrawHorzThumb(p, look, scale));
  std::vector<TImage> tracks;
  for (TState state : kSpinStates) tracks.push_back(DrawHorzTrack(p, state, scale));

  std::vector<TImage> buttons, checks, radios, trackThumbs;
  for (TState state : {TState::Normal, TState::Pressed, TState::Disabled, TState::Hot, TState::Focused}) {
    buttons.push_back(DrawPushButton(p, state, scale));
  }
  // Check box frames: unchecked, checked and mixed, each normal, hot, pressed, disabled.
  for (int mark : {0, 1, 2}) {
    for (TState state : {TState::Normal, TState::Hot, TState::Pressed, TState::Disabled}) {
      checks.push_back(DrawCheckBox(p, state, mark, scale));
    }
  }
  for (bool checked : {false, true}) {
    for (TState state : {TState::Normal, TState::Hot, TState::Pressed, TState::Disabled}) {
      radios.push_back(DrawRadio(p, state, checked, scale));
    }
  }
  for (TState state : {TState::Normal, TState::Focused, TState::Disabled, TState::Hot, TState::Pressed}) {
    trackThumbs.push_back(DrawTrackThumb(p, state, scale));
  }
  return {
      {"progress.bmp", DrawProgressTrack(p, scale), 1, false},
      {"progresschunk.bmp", DrawProgressChunk(p, scale), 1, false},
      {"scrollbararrow.bmp", Row(arrows), 23, false},
      {"scrollbarhthumb.bmp", Row(thumbs), 3, false},
      {"scrollbarvthumb.bmp", Row(Transposed(thumbs)), 3, false},
      {"scrollbarhbar.bmp", Row(tracks), 4, false},
      {"scrollbarvbar.bmp", Row(Transposed(tracks)), 4, false},
      {"trackthumbh.bmp", Row(trackThumbs), 5, false},
      {"trackbot.bmp", DrawTrackChannel(p, scale), 1, false},
      {"spin.bmp", Row(SpinFrames(p, false, scale)), 8, false},
      {"spinarrow.bmp", Row(SpinGlyphs(p, TDirection::Up, TDirection::Down, scale)), 8, false},
      {"spinh.bmp", Row(SpinFrames(p, true, scale)), 8, false},
      {"spinharrow.bmp", Row(SpinGlyphs(p, TDirection::Left, TDirection::Right, scale)), 8, false},
      {"m4pushbutton.bmp", Row(buttons), 5, false},
      {"checkbox_old.bmp", Row(checks), 12, false},
      {"radiobtn_old.bmp", Row(radios), 8, false},
  };
}

}  // namespace quarnel::skingen
