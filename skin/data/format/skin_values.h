// The value forms of the skin definition text that need more than a number: colour triples,
// image names, and the small numeric rules the element loader applies. Pure code, any thread.
#pragma once
#include <cstdint>
#include <string_view>

namespace quarnel {

// "R G B": decimal numbers split by any non-digit characters, each taken modulo 256, at most
// three used. A last number with nothing behind it fills blue; missing numbers are 0.
// Returns red + green * 256 + blue * 65536.
int32_t ParseRgbTriple(std::string_view text);

// True when the file-name part of `value` (after the last '\\', '/' or ':') is not empty and
// its extension is exactly ".bmp".
bool IsSkinImageName(std::string_view value);
// The file-name part of `value`.
std::string_view SkinFileNamePart(std::string_view value);

// `text` without the blanks the definition reader drops around lines, keys and values: every
// character up to 32.
std::string_view TrimSkinBlanks(std::string_view text);

// Frame count of a caption button image that names none: 6, or 3 for an image at most 3.8
// times as wide as high; always 6 for a negative action.
int32_t CaptionButtonFrameCount(int32_t width, int32_t height, int32_t action);

// Frame count of the radio or check strip when the text gives none: the width over 13 for
// images under 16 pixels high, else over 16, and at least 4.
int32_t GlyphStripFrameCount(int32_t width, int32_t height);

// End weight of the toolbar gradient for a saturated frame colour (integer division).
constexpr int ToolbarMixWeight(int saturation) {
  return (5625 - 25 * saturation) / 140 + 50;
}

}  // namespace quarnel
