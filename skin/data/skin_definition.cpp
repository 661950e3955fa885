// Definition-text lookups for the element loader. UI thread.
#include "skin/data/skin_definition.h"

#include "skin/data/quick_ini.h"
#include "skin/data/skin_values.h"

namespace quarnel {

TSkinDefinition::TSkinDefinition() : ini_(std::make_unique<TQuickIni>()) {}
TSkinDefinition::~TSkinDefinition() = default;

void TSkinDefinition::LoadFromText(std::string_view text) { ini_->LoadFromText(text); }

std::string TSkinDefinition::ReadString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const {
  return ini_->ReadString(section, key, fallback);
}

int32_t TSkinDefinition::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
  return ini_->ReadInteger(section, key, fallback);
}

int32_t TSkinDefinition::ReadColor(std::string_view section, std::string_view key, int32_t fallback) const {
  const std::string text = ini_->ReadString(section, key, "");
  return text.empty() ? fallback : ParseRgbTriple(text);
}

bool TSkinDefinition::HasValue(std::string_view section, std::string_view key) const {
  return !ini_->ReadString(section, key, "").empty();
}

std::vector<std::string> TSkinDefinition::Sections() const {
  std::vector<std::string> names;
  ini_->ReadSections(&names);
  return names;
}

}  // namespace quarnel
