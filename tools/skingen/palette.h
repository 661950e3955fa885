// The colours of the Longhorn Blue skin, shared by the bitmaps and the definition text so that
// the colour scheme and the images always agree.
#pragma once

#include "tools/skingen/raster.h"

namespace quarnel::skingen::palette {

inline constexpr TRgb kWhite = Hex(0xFFFFFF);

// Window face and text.
inline constexpr TRgb kFace = Hex(0xECF1F7);
inline constexpr TRgb kText = Hex(0x1B2738);
inline constexpr TRgb kTextHot = Hex(0x0F3A73);
inline constexpr TRgb kTextDisabled = Hex(0x8C99AB);
inline constexpr TRgb kShadow = Hex(0x8FA6C4);
inline constexpr TRgb kDarkShadow = Hex(0x4F6585);
inline constexpr TRgb kLight = Hex(0xD9E4F2);
inline constexpr TRgb kSelection = Hex(0x2C66BE);
inline constexpr TRgb kScrollTrack = Hex(0xE4EAF2);

// Caption band and borders: active, then inactive.
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
};
inline constexpr TFrameColours kActive{Hex(0x17427D), Hex(0xA3C9F4), Hex(0x5592DE),
                                       Hex(0x2158AA), Hex(0x2158AA), Hex(0x1A4484),
                                       Hex(0xFFFFFF), Hex(0xFFFFFF), Hex(0x0E2C59)};
inline constexpr TFrameColours kInactive{Hex(0x2C394B), Hex(0x98A7BB), Hex(0x687C98),
                                         Hex(0x3E4E65), Hex(0x3E4E65), Hex(0x33404F),
                                         Hex(0xE9EEF4), Hex(0xD3DBE6), Hex(0x222B36)};

// Accents: hot and pressed states of controls, the close button, progress fill.
inline constexpr TRgb kAccent = Hex(0x2F6FCB);
inline constexpr TRgb kAccentDark = Hex(0x1D4E96);
inline constexpr TRgb kHotTop = Hex(0xEAF5FE);
inline constexpr TRgb kHotBottom = Hex(0xBCDDF8);
inline constexpr TRgb kHotBorder = Hex(0x3C7FC4);
inline constexpr TRgb kPressedTop = Hex(0xBFDCF5);
inline constexpr TRgb kPressedBottom = Hex(0x8EC0EA);
inline constexpr TRgb kPressedBorder = Hex(0x245D9C);
inline constexpr TRgb kControlBorder = Hex(0x8099BC);
inline constexpr TRgb kDisabledBorder = Hex(0xB7C1CE);
inline constexpr TRgb kDisabledFill = Hex(0xF0F2F5);
inline constexpr TRgb kCloseHotTop = Hex(0xF0887A);
inline constexpr TRgb kCloseHotBottom = Hex(0xC7302A);
inline constexpr TRgb kClosePressedTop = Hex(0xA92820);
inline constexpr TRgb kClosePressedBottom = Hex(0x861D17);

// Menus.
inline constexpr TRgb kMenu = Hex(0xFBFCFE);
inline constexpr TRgb kMenuBorder = Hex(0x8DA5C6);
inline constexpr TRgb kMenuBarTop = Hex(0xF6F9FE);
inline constexpr TRgb kMenuBarBottom = Hex(0xD9E5F5);
inline constexpr TRgb kMenuHiTop = Hex(0x4A86D4);
inline constexpr TRgb kMenuHiBottom = Hex(0x2059AE);
inline constexpr TRgb kMenuHiText = Hex(0xFFFFFF);

}  // namespace quarnel::skingen::palette
