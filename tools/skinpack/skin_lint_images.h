// The linter's checks of one image a key names, against the element that draws it: bit depth,
// frames that divide its width (or height, for stacked frames), cut margins that fit in a
// frame, magenta where the element is transparent. Pure code, any thread.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/bmp_decode.h"
#include "skin/data/format/skin_key_table.h"
#include "tools/skinpack/definition_scan.h"
#include "tools/skinpack/skin_lint.h"

namespace quarnel::skinpack {

// Findings about the bitmap `bytes` named by `key` of `section`, drawn as `use` says; none for
// bytes that do not decode (the file's own check reports those). The findings' file is left
// empty for the caller.
std::vector<TLintFinding> LintImage(const TSkinImage& use, const TScannedSection& section,
                                    const TScannedKey& key, std::span<const std::uint8_t> bytes);

// The number of frames the engine cuts `image` into when `section` draws it as `use` says; below
// 1 when a key of the section gives a count the engine cannot use.
std::int32_t ImageFrameCount(const TSkinImage& use, const TScannedSection& section,
                             const fw::bmp::DecodedImage& image);

}  // namespace quarnel::skinpack
