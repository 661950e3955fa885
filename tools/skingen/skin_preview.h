// A mock-up of windows and controls assembled from the skin bitmaps the way the skin engine
// cuts and stretches them, so that the theme can be judged as a whole. Review aid only.
#pragma once

#include <vector>

#include "tools/skingen/palette.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {

// The main window active and inactive side by side, and a row of controls below, drawn from
// the skin's bitmaps over the palette's face. Text is not drawn; kPreviewTexts says where the
// review script writes it and PreviewTextColour in which colour.
TImage DrawPreview(const TPalette& palette, const std::vector<TSkinBitmap>& bitmaps);

// What a text is written on, which decides its colour.
enum TTextRole { trActiveTitle, trInactiveTitle, trHot, trText, trDisabled, trField, trSelected };
TRgb PreviewTextColour(const TPalette& palette, TTextRole role);

struct TPreviewText {
  int x, y, width, height;  // the box the text is written in
  const char* text;
  TTextRole role;
  bool centred;  // centred in the box, or at its left edge
};
inline constexpr TPreviewText kPreviewTexts[] = {
    {40, 15, 200, 20, "Quarnel Ver:1.0", trActiveTitle, false},
    {415, 15, 200, 20, "Quarnel Ver:1.0", trInactiveTitle, false},
    {118, 184, 75, 25, "Check", trHot, true},
    {198, 184, 75, 25, "Close", trText, true},
    {278, 184, 75, 25, "Visit", trText, true},
    {493, 184, 75, 25, "Check", trHot, true},
    {573, 184, 75, 25, "Close", trDisabled, true},
    {653, 184, 75, 25, "Visit", trText, true},
    {22, 247, 56, 20, "First", trText, true},
    {78, 249, 62, 18, "Second", trText, true},
    {39, 357, 110, 13, "Enabled", trText, false},
    {39, 377, 110, 13, "Chosen", trText, false},
    {39, 397, 110, 13, "Disabled", trDisabled, false},
    {199, 357, 110, 13, "Plain", trText, false},
    {199, 377, 110, 13, "Picked", trText, false},
    {199, 397, 110, 13, "Disabled", trDisabled, false},
    {386, 245, 94, 22, "Address", trText, false},
    {486, 245, 94, 22, "Kind", trText, false},
    {384, 356, 120, 21, "Modem", trField, false},
    {384, 386, 36, 21, "42", trField, false},
    {16, 437, 120, 22, "Ready", trText, false},
    {620, 375, 100, 20, "Refresh", trText, false},
    {620, 403, 100, 20, "Open...", trSelected, false},
};

}  // namespace quarnel::skingen
