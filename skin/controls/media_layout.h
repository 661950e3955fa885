// The media-player bar as numbers: which of the nine buttons are named in a set's text, the
// visible buttons' cells, and the button under a point. Pure code.
#pragma once
#include <string_view>

#include "skin/data/draw/draw_geometry.h"

namespace quarnel {

constexpr int kMediaButtonCount = 9;
// The enumeration names of the buttons, in the bar's order.
extern const char* const kMediaButtonNames[kMediaButtonCount];

// The bit of each button whose name occurs as an element of a set's text ("[btPlay,btStop]").
unsigned MediaButtonsInSetText(std::string_view text);
int VisibleMediaButtonCount(unsigned visible);
// The cell of the `order`-th visible button (from 0) of a bar `width` x `height`; the last cell
// takes what the division leaves over.
SkinRect MediaButtonCell(int order, int count, int width, int height);
// The visible button (its number, 0..8) under client x; -1 outside or with none visible.
int MediaButtonAt(int x, int width, unsigned visible);

}  // namespace quarnel
