// Builds small skin packages for the element and component tests: 24-bit BMP files of any size
// with a fill or a per-pixel function, and a package of a definition text plus such images.
// Test code, UI thread.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/skin_element_loader.h"
#include "skin/data/format/skin_writer.h"

namespace quarnel::testing {

using Bytes = std::vector<std::uint8_t>;

// A bottom-up 24-bit BMP; `pixel(x, y)` gives 0x00BBGGRR with y from the top.
inline Bytes MakeBmp(int width, int height, const std::function<uint32_t(int, int)>& pixel) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t dataSize = static_cast<uint32_t>(stride * height);
  Bytes out(54 + dataSize, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  out[26] = 1;
  out[28] = 24;
  put32(34, dataSize);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = out.data() + 54 + static_cast<size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixel(x, y);
      row[3 * x] = static_cast<uint8_t>(c >> 16);
      row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(c);
    }
  }
  return out;
}

inline Bytes SolidBmp(int width, int height, uint32_t colour) {
  return MakeBmp(width, height, [colour](int, int) { return colour; });
}

struct PackageRecipe {
  std::string text;  // the definition text, stored as "skin.ini"
  std::vector<std::pair<std::string, Bytes>> images;
  bool withIni = true;
  uint32_t version = kDefaultSkinVersion;
};

inline Bytes PackSkin(const PackageRecipe& recipe) {
  TSkinWriter writer;
  if (recipe.withIni) writer.AddEntry("skin.ini", Bytes(recipe.text.begin(), recipe.text.end()));
  for (const auto& [name, data] : recipe.images) writer.AddEntry(name, data);
  return writer.Packed(recipe.version);
}

// Loads the elements of a package built from `recipe`, as LoadSkin does.
inline void LoadElements(TSkinElements& target, const PackageRecipe& recipe) {
  TSkinReader reader;
  if (!reader.Load(PackSkin(recipe))) throw std::runtime_error("package not readable");
  TSkinDefinition text;
  TSkinReader::Bytes entry;
  std::string name;
  if (reader.ExtractByExtension(".ini", entry, name))
    text.LoadFromText(std::string_view(reinterpret_cast<const char*>(entry.data()), entry.size()));
  LoadSkinElements(target, reader, text);
}

}  // namespace quarnel::testing
