// The linter's check of a density variant (frame@2x.bmp beside frame.bmp): its size against the
// base image's, at the variant's density, in whole frames. Pure code, any thread.
#pragma once

#include <optional>
#include <string>

#include "skin/data/format/skin_key_table.h"
#include "tools/skinpack/definition_scan.h"
#include "tools/skinpack/skin_lint.h"

namespace quarnel::skinpack {

// How an element draws the base image: the key's image use and its section. Without one the
// image counts as a single frame.
struct TImageUse {
  const TSkinImage* use = nullptr;
  const TScannedSection* section = nullptr;
};

// A warning naming both files when `variant`, drawn at `dpi`, is not the size of `base` at that
// density (2x: exactly twice each side; 1.5x: each frame 1.5 times, rounded, the strip that many
// frames long); none when it is, or when either does not decode (the file check reports those).
// The finding's file is the variant.
std::optional<TLintFinding> LintDensityVariant(const TSkinFile& base, const TSkinFile& variant, int dpi,
                                               TImageUse drawnAs);

}  // namespace quarnel::skinpack
