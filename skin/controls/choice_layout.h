// Geometry and frame choice of check boxes, radio buttons and group boxes as functions of
// numbers: which frame of a check or radio image a state shows (4-, 5-, 8- and 12-frame strips),
// where the glyph and the caption go, and where a group box's frame line starts. Pure code.
#pragma once
#include <string_view>

#include "skin/data/draw/draw_geometry.h"

namespace quarnel {

// Logical check states before the image's own layout: unchecked 1, checked 2, grayed 4.
constexpr int kCheckUnchecked = 1;
constexpr int kCheckChecked = 2;
constexpr int kCheckGrayed = 4;

// The state a check box's "State" property names (already lower-cased): "…uncheck…" 1,
// "…check…" 2, "…gray…" 4; 0 when the text names none of them.
int CheckStateFromName(std::string_view lowerState);

struct ChoiceState {
  int base = kCheckUnchecked;  // kCheckUnchecked, kCheckChecked or kCheckGrayed
  bool disabled = false;
  bool indeterminate = false;  // the window's own third state
  bool hot = false;
  bool pressed = false;
};

// Frame (from 1) of a check image of `frameCount` frames. Up to five frames: unchecked, checked,
// unchecked disabled, checked disabled (grayed shows as the last). Twelve frames hold three rows
// of four (normal, hot, pressed, disabled) for unchecked, checked and indeterminate. The result
// never passes the strip's end.
int CheckFrameIndex(const ChoiceState& state, int frameCount);
// Frame (from 1) of a radio image: four frames as the check box's; eight frames are two rows of
// four (normal, hot, pressed, disabled) for unchecked and checked.
int RadioFrameIndex(bool checked, bool disabled, bool hot, bool pressed, int frameCount);

// Where a button's content (caption or image) sits in its box, as its window style asks.
enum class ChoiceHorizontal { Left, Centre, Right };
enum class ChoiceVertical { Top, Middle, Bottom };
struct ChoiceAlignment {
  ChoiceHorizontal horizontal = ChoiceHorizontal::Left;
  ChoiceVertical vertical = ChoiceVertical::Middle;
  bool multiline = false;
};
// The alignment of a button style's BS_LEFT/BS_RIGHT/BS_CENTER, BS_TOP/BS_BOTTOM/BS_VCENTER and
// BS_MULTILINE bits (the values are the system's). Without horizontal bits a push-like button
// centres its content as push buttons do; check boxes and radio buttons start at the left.
ChoiceAlignment ChoiceAlignmentOf(unsigned style, bool pushLike);
// A box of `width` x `height` placed in `area` as the alignment asks (vertical centre: half the
// height difference, rounded toward zero).
SkinRect AlignInArea(const SkinRect& area, int width, int height, const ChoiceAlignment& alignment);

struct ChoiceBoxes {
  SkinRect glyph;
  SkinRect text;
};
// Glyph of `glyphWidth` x `glyphHeight` at the left edge, or at the right edge for the
// right-button style; vertically centred, or at the top or bottom as the caption is aligned.
// The caption takes the rest less a 2-pixel gap.
ChoiceBoxes CheckBoxLayout(const SkinRect& rect, int glyphWidth, int glyphHeight, bool rightButton,
                           ChoiceVertical vertical = ChoiceVertical::Middle);
// The same for radio buttons, except that a right-hand glyph ends 1 pixel before the edge.
ChoiceBoxes RadioLayout(const SkinRect& rect, int glyphWidth, int glyphHeight, bool rightButton,
                        ChoiceVertical vertical = ChoiceVertical::Middle);

// The caption box moved down so that a text `measuredHeight` high is centred in it.
SkinRect CentreTextVertically(const SkinRect& text, int measuredHeight);

// Where a group box's frame line runs: half the caption line's height less one (never above 0).
int GroupFrameTop(int textHeight);
// Indent of a group box caption from the frame's side.
constexpr int kGroupCaptionIndent = 8;

}  // namespace quarnel
