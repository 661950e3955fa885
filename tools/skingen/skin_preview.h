// A mock-up of windows and controls assembled from the skin bitmaps the way the skin engine
// cuts and stretches them, so that the theme can be judged as a whole. Review aid only.
#pragma once

#include <vector>

#include "tools/skingen/raster.h"
#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {

// The main window active and inactive side by side, and a row of controls below.
// Text is not drawn; kPreviewTexts says where the review script writes it.
TImage DrawPreview(const std::vector<TSkinBitmap>& bitmaps);

struct TPreviewText {
  int x, y, width, height;  // the box the text is written in
  const char* text;
  bool light;    // light text (on the caption or a selection) or dark
  bool centred;  // centred in the box, or at its left edge
};
inline constexpr TPreviewText kPreviewTexts[] = {
    {40, 15, 200, 20, "Quarnel Ver:1.0", true, false}, {415, 15, 200, 20, "Quarnel Ver:1.0", true, false},
    {118, 184, 75, 25, "Check", false, true},          {198, 184, 75, 25, "Close", false, true},
    {278, 184, 75, 25, "Visit", false, true},          {493, 184, 75, 25, "Check", false, true},
    {573, 184, 75, 25, "Close", false, true},          {653, 184, 75, 25, "Visit", false, true},
    {22, 247, 56, 20, "First", false, true},           {78, 249, 62, 18, "Second", false, true},
    {39, 357, 110, 13, "Enabled", false, false},       {39, 377, 110, 13, "Chosen", false, false},
    {39, 397, 110, 13, "Disabled", false, false},      {199, 357, 110, 13, "Plain", false, false},
    {199, 377, 110, 13, "Picked", false, false},       {199, 397, 110, 13, "Disabled", false, false},
    {386, 245, 94, 22, "Address", false, false},       {486, 245, 94, 22, "Kind", false, false},
    {384, 356, 120, 21, "Modem", false, false},        {384, 386, 36, 21, "42", false, false},
    {16, 437, 120, 22, "Ready", false, false},         {620, 375, 100, 20, "Refresh", false, false},
    {620, 403, 100, 20, "Open...", true, false},
};

}  // namespace quarnel::skingen
