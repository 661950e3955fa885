// A synthetic skin resembling a real one: 34 bitmaps (24-bit BMP files of gradient frames with
// magenta corners and light noise) and one definition text, about 227 KB in all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quarnel::sample {

struct TSampleEntry {
  std::string name;
  std::vector<std::uint8_t> data;
};

// The entries in package order; the definition text is "longhorn style-blue.ini".
std::vector<TSampleEntry> MakeSampleSkin();

// A bottom-up 24-bit BMP file of `frames` frames side by side.
std::vector<std::uint8_t> MakeBitmap(int width, int height, int frames, std::uint32_t seed);

std::string MakeDefinitionText();

}  // namespace quarnel::sample
