// Scanning the definition text line by line. A NUL ends the text, as it ends the engine's.
// Pure code, any thread.
#include "tools/skinpack/definition_scan.h"

#include "skin/data/format/quick_ini.h"
#include "skin/data/format/skin_key_table.h"

namespace quarnel::skinpack {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
  return text;
}

}  // namespace

TScannedText ScanDefinition(std::string_view text) {
  TScannedText scanned;
  int number = 0;
  std::size_t i = 0;
  while (i < text.size() && text[i] != '\0') {
    const std::size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n' && text[i] != '\0') ++i;
    const std::string_view line = Trim(text.substr(start, i - start));
    ++number;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string_view inside = line.substr(1, line.size() - 2);
      const std::string_view name = Trim(inside);
      scanned.sections.push_back({std::string(name), number, {}, name.size() != inside.size()});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      scanned.strayLines.push_back(number);
      continue;
    }
    TScannedKey key{std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1))),
                    number};
    (scanned.sections.empty() ? scanned.keysOutside : scanned.sections.back().keys).push_back(std::move(key));
  }
  return scanned;
}

const TScannedKey* FirstKey(const TScannedSection& section, std::string_view name) {
  for (const TScannedKey& key : section.keys)
    if (SameSkinName(key.name, name)) return &key;
  return nullptr;
}

bool ParseSkinInteger(std::string_view text, std::int32_t& value) {
  std::string spelt(text);
  if (spelt.size() > 2 && spelt[0] == '0' && (spelt[1] == 'x' || spelt[1] == 'X')) spelt.replace(0, 2, "$");
  return TryParseInteger(spelt, value);
}

std::int32_t ReadScannedInteger(const TScannedSection& section, std::string_view name,
                                std::int32_t fallback) {
  const TScannedKey* key = FirstKey(section, name);
  std::int32_t result = 0;
  return key && ParseSkinInteger(key->value, result) ? result : fallback;
}

}  // namespace quarnel::skinpack
