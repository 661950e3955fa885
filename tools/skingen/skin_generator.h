// The Longhorn Blue skin as files: the 34 bitmaps and the definition text, in package order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {

struct TSkinFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
  int frames = 1;        // frames the file holds (1 for the definition text)
  bool stacked = false;  // frames top to bottom instead of side by side
};

// The order of the entries in the package.
const std::vector<std::string>& LonghornBlueOrder();

// The 34 bitmaps as images, in no particular order.
std::vector<TSkinBitmap> DrawLonghornBlueBitmaps();

// Draws every bitmap and writes the definition text; the same bytes on every run.
std::vector<TSkinFile> GenerateLonghornBlue();

}  // namespace quarnel::skingen
