// Density variants of package entries: an image drawn for a denser screen travels beside its
// 96-DPI image under the same name with "@2x" or "@1.5x" before the extension. Naming, telling
// a variant's name apart, and the entry a window of a given density draws from. Pure code, any
// thread.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/format/skin_reader.h"

namespace quarnel {

// A density a package can carry images for, densest first.
struct TSkinDensity {
  int dpi = 96;
  const char* suffix = "";  // put before the extension: "@2x"
};
std::span<const TSkinDensity> SkinDensities();

// The name of `baseName`'s variant drawn at `dpi` (one of SkinDensities(); any other gives
// `baseName` itself): "frame.bmp" at 192 gives "frame@2x.bmp". The suffix goes before the
// extension of the file-name part, or at the end when that has none.
std::string DensityEntryName(std::string_view baseName, int dpi);

// What a variant's name says: the name of its 96-DPI image and the density it was drawn at.
// Letter case ignored ("Frame@2X.BMP" is the 2x variant of "Frame.BMP"); none for a name that
// carries no density suffix.
struct TDensityVariant {
  std::string baseName;
  int dpi = 96;
};
std::optional<TDensityVariant> ParseDensityEntryName(std::string_view name);

// The entry a window at `windowDpi` draws the image `baseEntry` (the name the 96-DPI image is
// found under) from, and the density that entry was drawn at: from 192 DPI the 2x variant when
// the package has it, from 144 the 1.5x variant when it has that, otherwise `baseEntry` itself
// at 96, for the caller to scale.
struct TDensityEntry {
  std::string name;
  int dpi = 96;
};
TDensityEntry ChooseDensityEntry(const TSkinReader& package, std::string_view baseEntry, int windowDpi);

}  // namespace quarnel
