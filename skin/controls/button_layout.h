// Geometry of the skinned buttons as functions of numbers: the frame of the Buttons image for a
// state, the centred caption box, the focus mark around a caption, glyph and text places of
// glyph buttons and drop-down buttons, and the glyph frame. Pure code, any thread.
#pragma once
#include <string>

#include "skin/data/draw/draw_geometry.h"

namespace quarnel {

// Text-format bits the layouts look at (the values of DrawText's flags).
constexpr unsigned kFmtCenter = 0x1;
constexpr unsigned kFmtRight = 0x2;

// Frame of the five-frame Buttons image: disabled 3, pressed 2, hot 4, focused or default 5, else 1.
int ButtonFrameIndex(bool enabled, bool pressed, bool hot, bool focusedOrDefault);

// The measured text box moved to the centre of `box`: by half the width difference and half
// the height difference minus 1 (halves rounded toward zero), from the box's origin.
SkinRect CentreCaption(const SkinRect& measured, const SkinRect& box);

// The focus mark around a measured caption inside `rect`, placed per the format's centre or
// right flag, grown by 2 horizontally and 1 vertically and kept inside `rect`.
SkinRect CaptionFocusRect(const SkinRect& measured, const SkinRect& rect, unsigned format);

// The first "||" becomes a line break (CR LF); later ones stay.
std::wstring SplitCaptionLines(std::wstring caption);

// Glyph layouts of glyph buttons.
enum class GlyphLayout { Left = 0, Right = 1, Top = 2, Bottom = 3 };
GlyphLayout GlyphLayoutFromName(const std::string& lowerName);

struct Size2 {
  int cx = 0, cy = 0;
  bool Empty() const { return cx <= 0 || cy <= 0; }
};
struct GlyphPlaces {
  int glyphX = 0, glyphY = 0;
  int textX = 0, textY = 0;
  bool textRightAligned = false;
};
// Places glyph and text in a button of size `button`. `margin` and `spacing` as the control
// gives them (-1: computed); `centred` forces the centred margin (Alignment taCenter).
GlyphPlaces LayoutGlyphButton(Size2 button, Size2 glyph, Size2 text, GlyphLayout layout, int margin,
                              int spacing, bool centred);

// Drop-down button: glyph, text and the 8 x 3 arrow from the left.
constexpr int kMenuArrowWidth = 8;
constexpr int kMenuArrowHeight = 3;
struct MenuButtonPlaces {
  int glyphX = 0, glyphY = 0;
  int textX = 0, textY = 0;
  int arrowX = 0, arrowY = 0;  // the arrow's tip is at (arrowX, arrowY + 2)
};
MenuButtonPlaces LayoutMenuButton(Size2 button, Size2 glyph, Size2 text, int margin, int spacing);

// Glyph frame (from 1) of a glyph with `numGlyphs` frames: pressed 3, disabled 2, else 1; a
// frame beyond the count falls back to 1.
int GlyphFrame(bool pressed, bool enabled, int numGlyphs);

// Speed buttons: the state (1 normal, 2 pressed, 3 disabled, 4 hot), its glyph frame and
// whether the Buttons frame is drawn at all.
int SpeedButtonState(bool down, bool enabled, bool pressed, bool hot);
int SpeedButtonGlyphFrame(int state, bool down);
bool SpeedButtonDrawsFrame(int state, bool flat);

}  // namespace quarnel
