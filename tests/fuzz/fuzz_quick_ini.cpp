// Fuzz target: definition text reader. Every lookup derived from the text itself must land
// on a real header line and return either the default or a value found in that section.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/format/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quarnel::TQuickIni ini;
  ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));

  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  const auto& lines = ini.Lines();
  for (const std::string& section : sections) {
    const int at = ini.FindSection(section);
    if (at < 0) continue;  // a name listed trimmed ("[ A ]") is not found as "A"
    if (static_cast<std::size_t>(at) >= lines.size()) std::abort();
    if (lines[at].front() != '[' || lines[at].back() != ']') std::abort();
    std::size_t end = static_cast<std::size_t>(at) + 1;
    while (end < lines.size() && !(lines[end].front() == '[' && lines[end].back() == ']')) ++end;
    for (std::size_t i = static_cast<std::size_t>(at) + 1; i < end && i < at + 8u; ++i) {
      std::string key = lines[i].substr(0, lines[i].find('='));
      while (!key.empty() && static_cast<unsigned char>(key.back()) <= 32) key.pop_back();
      const std::string value = ini.ReadString(section, key, "\x01");
      bool found = value == "\x01";
      for (std::size_t j = static_cast<std::size_t>(at) + 1; j < end && !found; ++j) {
        found = lines[j].find(value) != std::string::npos;
      }
      if (!found) std::abort();  // a value from outside its section
      ini.ReadInteger(section, key, -7);
    }
  }
  return 0;
}
