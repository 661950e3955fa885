// The bitmaps of a skin, drawn in code in the colours of its palette, at a whole scale of their
// 96-DPI design (2: the @2x variants). Each comes with the number of frames it holds and whether
// they are stacked (top to bottom) or side by side.
#pragma once

#include <string>
#include <vector>

#include "tools/skingen/palette.h"
#include "tools/skingen/raster.h"

namespace quarnel::skingen {

struct TSkinBitmap {
  std::string name;
  TImage image;
  int frames = 1;
  bool stacked = false;
};

// Geometry shared by the bitmaps and the definition text, in design (96-DPI) pixels.
inline constexpr int kCaptionHeight = 30;
inline constexpr int kBorderWidth = 4;
inline constexpr int kCornerCut = 8;  // fixed ends of the caption band (rounded corners)
inline constexpr int kFramePieceHeight = 44;
inline constexpr int kCaptionButtonSize = 20;
inline constexpr int kCaptionButtonTop = 5;

// Window frame, caption buttons, MDI buttons and the menu band.
std::vector<TSkinBitmap> DrawFrameBitmaps(const TPalette& p, int scale);
// Push, check and radio buttons, scroll bars, progress and track bars, spin buttons.
std::vector<TSkinBitmap> DrawControlBitmaps(const TPalette& p, int scale);
// Tabs, header, status bar, combo button, menus and the small extra glyphs.
std::vector<TSkinBitmap> DrawPanelBitmaps(const TPalette& p, int scale);

}  // namespace quarnel::skingen
