// A shipped skin as files: its 34 bitmaps and its definition text, in package order, and the
// @2x variants of the bitmaps, drawn at twice the size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skingen/skin_bitmaps.h"
#include "tools/skingen/skin_styles.h"

namespace quarnel::skingen {

struct TSkinFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
  int frames = 1;        // frames the file holds (1 for the definition text)
  bool stacked = false;  // frames top to bottom instead of side by side
};

// The order of the entries in the package: the same for every skin but for the name of the
// definition text.
std::vector<std::string> SkinOrder(const TSkinStyle& skin);

// The 34 bitmaps as images at `scale` times their design size, in no particular order.
std::vector<TSkinBitmap> DrawSkinBitmaps(const TPalette& palette, int scale);

// Draws every bitmap and writes the definition text; the same bytes on every run.
std::vector<TSkinFile> GenerateSkin(const TSkinStyle& skin);

// The @2x variant of every bitmap ("frametop@2x.bmp"), in the order of their 96-DPI images in
// the package; the same bytes on every run.
std::vector<TSkinFile> GenerateDensityVariants(const TSkinStyle& skin);

}  // namespace quarnel::skingen
