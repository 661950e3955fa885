// The element loader: reads every slot of TSkinElements from a package's definition text and
// images, then builds the derived elements (frame counts, combo strips, toolbar gradient,
// frame colour, face brush). Bad or missing data gives defaults and empty slots. UI thread.
#pragma once
#include <string_view>

#include "skin/data/format/skin_definition.h"
#include "skin/data/skin_elements.h"
#include "skin/data/format/skin_reader.h"

namespace quarnel {

// Replaces every slot of `target`.
void LoadSkinElements(TSkinElements& target, const TSkinReader& package, const TSkinDefinition& text);

// Fills `image` from the package entry named by `value`; empty for a name that does not end in
// ".bmp", a missing or empty entry, or data that is not a bitmap. True when an image was loaded.
bool LoadPackageImage(const TSkinReader& package, std::string_view value, TBitmap& image);

namespace detail {
// The loader's steps, in the order LoadSkinElements runs them.
void LoadColours(TSkinElements& target, const TSkinDefinition& text);
void LoadCaptionButtons(TSkinElements& target, const TSkinReader& package, const TSkinDefinition& text);
void ApplyFrameCounts(TSkinElements& target, const TSkinDefinition& text);
void MirrorComboButton(TSkinElements& target);
void ComposeCombo(TSkinElements& target);
void BuildComboArrow(TSkinElements& target);
void SampleFrameColour(TSkinElements& target);
void BuildToolbar(TSkinElements& target);
}  // namespace detail

}  // namespace quarnel
