// The definition text as an author wrote it: its sections and keys with the line each stands
// on, read by the same rules as the engine's reader (trimmed lines, ';' comments, the first
// header of a section and the first line of a key count). For the linter. Pure code, any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::skinpack {

struct TScannedKey {
  std::string name;
  std::string value;
  int line = 0;  // from 1
};

struct TScannedSection {
  std::string name;  // without the blanks inside the brackets
  int line = 0;
  std::vector<TScannedKey> keys;  // in text order, repeats included
  bool padded = false;            // blanks inside the brackets: the engine finds no keys under it
};

struct TScannedText {
  std::vector<TScannedSection> sections;  // in text order, repeats included
  std::vector<TScannedKey> keysOutside;   // key lines before the first header
  std::vector<int> strayLines;            // lines that are no header, key or comment
};

TScannedText ScanDefinition(std::string_view text);

// The first line of key `name` in `section` (letter case ignored), or null.
const TScannedKey* FirstKey(const TScannedSection& section, std::string_view name);

// A whole number as the engine reads one: decimal, "$hex" or "0xhex".
bool ParseSkinInteger(std::string_view text, std::int32_t& value);

// The key's value as the engine reads a whole number ("$" or "0x" for hex), or `fallback` when
// the key is absent, empty or no number.
std::int32_t ReadScannedInteger(const TScannedSection& section, std::string_view name, std::int32_t fallback);

}  // namespace quarnel::skinpack
