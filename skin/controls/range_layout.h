// Geometry of the range and text control skins as functions of numbers: the filled length of a
// progress bar, where a track bar's channel image goes, the halves and states of an up-down, the
// status bar's grip, the combo box's button and glyph boxes and frames, the edit border rule and
// the date picker's arrow. Pure code, any thread.
#pragma once
#include <array>

#include "skin/data/draw/draw_geometry.h"

namespace quarnel {

// Progress bars --------------------------------------------------------------------------------
// The filled part of `length` pixels for `position` in low..high, kept inside 0..length. An empty
// or inverted range fills nothing.
int ProgressFilledLength(int length, int low, int high, int position);

// Track bars ----------------------------------------------------------------------------------
// Where the horizontal channel image of `imageHeight` rows goes in `channel`: centred vertically
// when lower than the channel, else from its top; as wide as the channel.
SkinRect HorizontalChannelPlace(const SkinRect& channel, int imageHeight);
// The same for a vertical bar: `reported` is the channel as the control reports it, which some
// systems give in horizontal form (x and y exchanged: wider than tall); the image of `imageWidth`
// columns is centred across it when narrower.
SkinRect VerticalChannelPlace(const SkinRect& reported, int imageWidth);

// Up-down buttons -----------------------------------------------------------------------------
// The two halves: left and right for a horizontal up-down, top and bottom otherwise.
std::array<SkinRect, 2> UpDownHalves(const SkinRect& rect, bool horizontal);
// The state of one half: 1 normal, 2 pressed, 3 disabled, 4 hot (the cursor over it).
int UpDownHalfState(bool cursorOver, bool pressed, bool enabled);
// An up-down inside an edit: the drawing rectangle pulled in on each side (right, top, bottom)
// that lies closer than 3 pixels to its parent's edge, so the edit's border stays visible.
// `gap*` are the distances from the up-down to the parent window's edges.
SkinRect UpDownInsideEdit(const SkinRect& rect, int gapTop, int gapRight, int gapBottom);

// Status bars ----------------------------------------------------------------------------------
// The size grip: one frame (`frameWidth` x `frameHeight`) at the bottom-right corner, 1 pixel in
// from the right and bottom edges.
SkinRect StatusGripRect(int barWidth, int barHeight, int frameWidth, int frameHeight);

// Edits, combo boxes and date pickers ----------------------------------------------------------
// A window has a border to skin when its client area is smaller than the window both ways.
bool HasClientBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);

// The combo button's frame: 2 pressed, 4 focused or hot, else 1; 3 when disabled.
int ComboFrameIndex(bool pressed, bool focusedOrHot, bool enabled);
// The flat look's frame: the same, but disabled shows 3 only while neither pressed nor lit.
int FlatComboFrameIndex(bool pressed, bool focusedOrHot, bool enabled);

// The combo button of the element look: `exclude` is the inside left to the control's own
// painting, `button` the button's box, `glyph` the area the drop-down glyph is centred in.
struct ComboButtonBoxes {
  SkinRect exclude, button, glyph;
};
ComboButtonBoxes ComboElementBoxes(const SkinRect& rect, int arrowWidth, bool buttonLeft);

// The flat look: the button column (`columnWidth` wide, inside the two-pixel edge) and the glyph
// box, one frame wide at the same edge and no taller than the image.
struct FlatComboBoxes {
  SkinRect column, glyph;
};
FlatComboBoxes FlatComboLayout(const SkinRect& rect, int columnWidth, int frameWidth, int imageHeight,
                               bool buttonLeft);

// The left edge of a date picker's arrow button.
int DateArrowLeft(int pickerWidth, int arrowWidth, bool arrowLeft);

}  // namespace quarnel
