// TQuickIni: read-only lookups in an INI-like skin definition text held in memory: retained
// lines, an index of section headers with their line positions, first-key-wins reading.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/error.h"

namespace quarnel {

// A caller broke a precondition (the equivalent of a failed assertion).
using ::EAssertionFailed;

class TQuickIni {
 public:
  static constexpr const char* kNoStringsMessage = "The parameter Strings is unassigned!";

  // Replaces the contents with the text from the stream's position to its end; a null stream
  // leaves them as they are.
  void LoadFromStream(std::istream* stream);
  void LoadFromText(std::string_view text);

  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
  // Replaces `target` with the section names in text order; throws EAssertionFailed for null.
  void ReadSections(std::vector<std::string>* target) const;
  // Line position of the first header of `section` (letter case ignored), or -1.
  int FindSection(std::string_view section) const;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct TSectionEntry {
    std::string header;  // trimmed, brackets included
    int line;
  };
  std::vector<std::string> lines_;
  std::vector<TSectionEntry> sections_;
};

// Standard string-to-integer rules: optional sign, then decimal digits or "$" and hex digits.
// Returns false for anything else, and for a value outside 32 bits.
bool TryParseInteger(std::string_view text, std::int32_t& value);

}  // namespace quarnel
