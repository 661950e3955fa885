// TSkinDefinition: the definition text of a loaded package as the element loader reads it
// (strings, integers, colour triples, section names), with TQuickIni's lookup rules. Each
// section is found once and its keys indexed on first use, since the loader asks for the same
// sections hundreds of times. UI thread.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quarnel {

class TQuickIni;

class TSkinDefinition {
 public:
  TSkinDefinition();
  ~TSkinDefinition();
  TSkinDefinition(const TSkinDefinition&) = delete;
  TSkinDefinition& operator=(const TSkinDefinition&) = delete;

  void LoadFromText(std::string_view text);

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback = {}) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // An R G B triple, or `fallback` when the key is absent or empty.
  int32_t ReadColor(std::string_view section, std::string_view key, int32_t fallback) const;
  bool HasValue(std::string_view section, std::string_view key) const;
  std::vector<std::string> Sections() const;

 private:
  using KeyIndex = std::unordered_map<std::string, std::string>;  // lower-case key -> value
  // The keys of `section`, or null when the text has no such section.
  const KeyIndex* Section(std::string_view section) const;

  std::unique_ptr<TQuickIni> ini_;
  mutable std::unordered_map<std::string, int> headerLines_;  // section as asked -> header line
  mutable std::unordered_map<int, KeyIndex> keysByHeader_;
};

}  // namespace quarnel
