// The colours of one skin, shared by the bitmaps and the definition text so that the colour
// scheme and the images always agree. Each shipped skin is one palette (skin_styles.cpp).
#pragma once

#include "tools/skingen/raster.h"

namespace quarnel::skingen {

inline constexpr TRgb kWhite = Hex(0xFFFFFF);

// A bordered face: its outline and the two ends of its vertical gradient.
struct TFace {
  TRgb border, top, bottom;
};

// Glyph colour of a control part by state.
struct TInks {
  TRgb normal, pressed, disabled, hot;
};

// Caption band and borders of one window state (active or inactive).
struct TFrameColours {
  TRgb outline;     // outermost line of the window
  TRgb highlight;   // light line under the outline along the caption
  TRgb captionTop;  // caption gradient
  TRgb captionBottom;
  TRgb border;     // body of the side and bottom borders
  TRgb innerLine;  // line between border and client area
  TRgb titleText;
  TRgb glyph;  // caption button glyphs
  TRgb glyphShadow;
  TRgb buttonEdge;                                 // outline of a caption button at rest
  TRgb menuBandTop, menuBandBottom, menuBandLine;  // the menu band below the caption
};

struct TPalette {
  // Window face and text (the colour scheme of the definition text).
  TRgb face, text, textHot, textDisabled;
  TRgb hilight, light, shadow, darkShadow;  // 3-D edges: lightest to darkest
  TRgb selection, selectionText;
  TRgb scrollTrack;
  TRgb sheen;  // light rims and glosses laid over faces
  TRgb gloss;  // mixed into the upper half of glossy faces

  TFrameColours active, inactive;

  // Caption buttons (the close button keeps the red of every Windows).
  TFace captionHot, captionPressed;  // border, gradient
  TRgb captionPressedGlyph;
  TFace closeHot, closePressed;

  // Control states shared by buttons, check boxes, spin buttons, tabs and menus.
  TFace normal, hot, pressed, focused, disabled;
  TRgb focusRing;
  TRgb accent;                   // marks and stripes: selected tab and header, focused border
  TInks inks;                    // arrows and drop-down glyphs
  TFace box;                     // check box and radio button at rest
  TRgb markDisabled, markLight;  // check marks and radio dots: disabled, top of their gradient
  TRgb markInk;

  // Scroll bars.
  TRgb arrowHotBorder;
  TFace thumbs[3];  // normal, dragging, hot
  TRgb gripLine, gripLineDragging;
  TRgb trackPressed, trackDisabled, trackHot, trackEdge;

  // Progress and track bars, spin buttons.
  TFace progressTrack, progressChunk;
  TRgb progressBackdrop, chunkBottomTop, chunkBottomEnd;  // lower half of the chunk
  TFace channel, trackThumb;
  TRgb spinBorder;

  // Tabs, header, status bar, combo button.
  TFace tab, tabSelected, header;
  TRgb headerLine, headerLight;
  TFace status;  // top line, gradient
  TRgb statusLight, statusLine;
  TFace combo, comboDisabled;
  TRgb gripDot, gripDotLight;  // size grip

  // Menus.
  TRgb menu, menuBorder, menuLine, menuLight;
  TFace menuSelected;
  TRgb menuPressedBorder, menuPressedBottom;
};

}  // namespace quarnel::skingen
