// Definition-text lookups for the element loader. UI thread.
#include "skin/data/format/skin_definition.h"

#include "skin/data/format/quick_ini.h"
#include "skin/data/format/skin_values.h"

namespace quarnel {

TSkinDefinition::TSkinDefinition() : ini_(std::make_unique<TQuickIni>()) {}
TSkinDefinition::~TSkinDefinition() = default;

namespace {

std::string LowerAscii(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lowered;
}

bool IsHeader(std::string_view line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

}  // namespace

void TSkinDefinition::LoadFromText(std::string_view text) {
  ini_->LoadFromText(text);
  headerLines_.clear();
  keysByHeader_.clear();
}

const TSkinDefinition::KeyIndex* TSkinDefinition::Section(std::string_view section) const {
  auto found = headerLines_.find(std::string(section));
  if (found == headerLines_.end())
    found = headerLines_.emplace(std::string(section), ini_->FindSection(section)).first;
  const int header = found->second;
  if (header < 0) return nullptr;
  auto indexed = keysByHeader_.find(header);
  if (indexed != keysByHeader_.end()) return &indexed->second;
  // The keys up to the next header; the first line of a key wins, as in TQuickIni.
  KeyIndex keys;
  const std::vector<std::string>& lines = ini_->Lines();
  for (size_t i = static_cast<size_t>(header) + 1; i < lines.size() && !IsHeader(lines[i]); ++i) {
    const std::string_view line = lines[i];
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    keys.emplace(LowerAscii(TrimSkinBlanks(line.substr(0, equals))),
                 std::string(TrimSkinBlanks(line.substr(equals + 1))));
  }
  return &keysByHeader_.emplace(header, std::move(keys)).first->second;
}

std::string TSkinDefinition::ReadString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const {
  const KeyIndex* keys = Section(section);
  if (!keys) return std::string(fallback);
  const auto value = keys->find(LowerAscii(key));
  if (value == keys->end() || value->second.empty()) return std::string(fallback);
  return value->second;
}

int32_t TSkinDefinition::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
  std::string value = ReadString(section, key, "");
  // "0x10" is read as hexadecimal, the way TQuickIni reads it.
  if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) value.replace(0, 2, "$");
  int32_t result = 0;
  return TryParseInteger(value, result) ? result : fallback;
}

int32_t TSkinDefinition::ReadColor(std::string_view section, std::string_view key, int32_t fallback) const {
  const std::string text = ReadString(section, key, "");
  return text.empty() ? fallback : ParseRgbTriple(text);
}

bool TSkinDefinition::HasValue(std::string_view section, std::string_view key) const {
  return !ReadString(section, key, "").empty();
}

std::vector<std::string> TSkinDefinition::Sections() const {
  std::vector<std::string> names;
  ini_->ReadSections(&names);
  return names;
}

}  // namespace quarnel
