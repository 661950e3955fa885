// The sections and keys of the definition text the skin engine reads: each key's kind and the
// range that means something, and for every image key how its frames are counted and laid out,
// which keys cut its margins and whether it is drawn transparent. Used by the skin linter and
// checked against the loader and docs/skin-format.md by tests. Pure data, any thread.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quarnel {

enum class TSkinValueKind : uint8_t {
  Text,     // any text
  Integer,  // a whole number, decimal, "$hex" or "0xhex"
  Colour,   // "R G B", three numbers 0-255
  Image,    // the name of a .bmp entry of the package
};

struct TSkinKey {
  const char* name;
  TSkinValueKind kind;
  int32_t min = 0;  // Integer: the values that mean something
  int32_t max = 0;
};

// How the frames of an image are counted.
enum class TFrameRule : uint8_t {
  Fixed,          // always `frames`
  FromKey,        // the value of `frameKey`; `frames` when it is absent or 0
  ProgressStyle,  // 1 frame when the section's Style is not 0, else 2
  GlyphStrip,     // `frameKey`, or when it is absent or 0: the width over 13 (under 16 high) or 16
  CaptionShape,   // `frameKey`, or when it is absent or 0: 3 for an image at most 3.8 times as
                  // wide as high, else 6
};

enum TMarginSide { kMarginLeft, kMarginTop, kMarginRight, kMarginBottom };

struct TSkinImage {
  const char* key;
  TFrameRule rule;
  int32_t frames;
  const char* frameKey;                // null: none
  bool stacked;                        // frames top to bottom instead of side by side
  const char* transKey;                // the key that makes it transparent (magenta), null: never checked
  int32_t transDefault;                // its value when absent
  std::array<const char*, 4> margins;  // keys cutting each side (TMarginSide), null: none
};

enum class TSectionMatch : uint8_t {
  Exact,   // the name, letter case ignored
  Prefix,  // any name starting with it (letter case ignored) that no exact section takes
};

struct TSkinSection {
  const char* name;
  TSectionMatch match;
  std::span<const TSkinKey> shared;  // the keys every element section has; empty for others
  std::span<const TSkinKey> own;     // this section's own keys
  std::span<const TSkinImage> images;
};

// Every section, in the order docs/skin-format.md describes them.
std::span<const TSkinSection> SkinSections();

// The section that takes a header named `name`, or null. Names the engine reads no section
// under (such as "Button.Radio") find none.
const TSkinSection* FindSkinSection(std::string_view name);

// The key of `section` named `name` (letter case ignored), or null.
const TSkinKey* FindSkinKey(const TSkinSection& section, std::string_view name);

// The image use of key `name` in `section`, or null.
const TSkinImage* FindSkinImage(const TSkinSection& section, std::string_view name);

// Letter case ignored, ASCII.
bool SameSkinName(std::string_view a, std::string_view b);
// The name in ASCII lower case: the form package entries are looked up in.
std::string LowerSkinName(std::string_view name);

}  // namespace quarnel
