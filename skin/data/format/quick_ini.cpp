// TQuickIni: splitting the text into trimmed lines, the section index, and the lookups.
// Section names compare without letter case (the user's locale in the Windows build).
#include "skin/data/format/quick_ini.h"

#include "skin/data/format/skin_values.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quarnel {
namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = LowerAscii(c);
  return lowered;
}

bool IsSectionHeader(std::string_view line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
#ifdef _WIN32
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
#else
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
#endif
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool TryParseInteger(std::string_view text, std::int32_t& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const bool hex = !text.empty() && text.front() == '$';
  if (hex) text.remove_prefix(1);
  if (text.empty()) return false;

  std::uint64_t magnitude = 0;
  for (char c : text) {
    const int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (magnitude > 0xFFFFFFFFu) return false;
  }
  if (hex) {
    // Hex spells the 32 bits themselves: $FFFFFFFF is -1.
    const auto bits = static_cast<std::uint32_t>(magnitude);
    value = static_cast<std::int32_t>(negative ? 0u - bits : bits);
    return true;
  }
  if (magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu)) return false;
  value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                             : static_cast<std::int64_t>(magnitude));
  return true;
}

void TQuickIni::LoadFromText(std::string_view text) {
  lines_.clear();
  sections_.clear();
  std::size_t i = 0;
  while (i < text.size() && text[i] != '\0') {
    const std::size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n' && text[i] != '\0') ++i;
    const std::string_view line = TrimSkinBlanks(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    if (line.empty() || line.front() == ';') continue;
    if (IsSectionHeader(line)) {
      sections_.push_back({std::string(line), static_cast<int>(lines_.size())});
    }
    lines_.emplace_back(line);
  }
}

int TQuickIni::FindSection(std::string_view section) const {
  std::string header;
  header.reserve(section.size() + 2);
  header.append("[").append(section).append("]");
  for (const TSectionEntry& entry : sections_) {
    if (SameTextIgnoringCase(entry.header, header)) return entry.line;
  }
  return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  if (lines_.empty()) return std::string(defaultValue);
  const int header = FindSection(section);
  if (header < 0) return std::string(defaultValue);
  const std::string wanted = LowerAscii(key);
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    if (IsSectionHeader(line)) break;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (LowerAscii(TrimSkinBlanks(line.substr(0, equals))) != wanted) continue;
    const std::string_view value = TrimSkinBlanks(line.substr(equals + 1));
    return std::string(value.empty() ? defaultValue : value);
  }
  return std::string(defaultValue);
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
  std::string value = ReadString(section, key, "");
  if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
    value.replace(0, 2, "$");
  }
  std::int32_t result = 0;
  return TryParseInteger(value, result) ? result : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>* target) const {
  if (target == nullptr) throw EAssertionFailed(kNoStringsMessage);
  target->clear();
  for (const TSectionEntry& entry : sections_) {
    std::string_view name = TrimSkinBlanks(entry.header);
    name = name.substr(1, name.size() - 2);
    target->emplace_back(TrimSkinBlanks(name));
  }
}

}  // namespace quarnel
