// Density variant names and the choice between them, over the entry names a package holds in
// lower case. Pure code, any thread.
#include "skin/data/format/density_entries.h"

#include <algorithm>
#include <array>

#include "skin/data/format/skin_key_table.h"

namespace quarnel {
namespace {

constexpr std::array<TSkinDensity, 2> kDensities{{{192, "@2x"}, {144, "@1.5x"}}};

// Where the extension of the file-name part starts (its dot), or the end of the name.
std::size_t ExtensionAt(std::string_view name) {
  const std::size_t folder = name.find_last_of("\\/:");
  const std::size_t fileStart = folder == std::string_view::npos ? 0 : folder + 1;
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos || dot < fileStart ? name.size() : dot;
}

bool HasEntry(const TSkinReader& package, const std::string& name) {
  const std::string wanted = LowerSkinName(name);
  return std::find(package.Names().begin(), package.Names().end(), wanted) != package.Names().end();
}

}  // namespace

std::span<const TSkinDensity> SkinDensities() {
  return kDensities;
}

std::string DensityEntryName(std::string_view baseName, int dpi) {
  std::string name(baseName);
  for (const TSkinDensity& density : kDensities)
    if (density.dpi == dpi) name.insert(ExtensionAt(baseName), density.suffix);
  return name;
}

std::optional<TDensityVariant> ParseDensityEntryName(std::string_view name) {
  const std::size_t extension = ExtensionAt(name);
  const std::string_view stem = name.substr(0, extension);
  for (const TSkinDensity& density : kDensities) {
    const std::string_view suffix = density.suffix;
    // A suffix alone is no variant: there would be no base image for it to stand beside.
    if (stem.size() <= suffix.size() || !SameSkinName(stem.substr(stem.size() - suffix.size()), suffix))
      continue;
    const std::size_t at = stem.size() - suffix.size();
    if (at > 0 && (stem[at - 1] == '\\' || stem[at - 1] == '/' || stem[at - 1] == ':')) continue;
    return TDensityVariant{std::string(name.substr(0, at)) + std::string(name.substr(extension)),
                           density.dpi};
  }
  return std::nullopt;
}

TDensityEntry ChooseDensityEntry(const TSkinReader& package, std::string_view baseEntry, int windowDpi) {
  for (const TSkinDensity& density : kDensities) {
    if (windowDpi < density.dpi) continue;
    std::string variant = DensityEntryName(baseEntry, density.dpi);
    if (HasEntry(package, variant)) return {std::move(variant), density.dpi};
  }
  return {std::string(baseEntry), 96};
}

}  // namespace quarnel
