// TSkinDefinition: the definition text of a loaded package as the element loader reads it
// (strings, integers, colour triples, section names). Holds a TQuickIni behind a private
// pointer, so that callers need not see the text reader's header. UI thread.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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

  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // An R G B triple, or `fallback` when the key is absent or empty.
  int32_t ReadColor(std::string_view section, std::string_view key, int32_t fallback) const;
  bool HasValue(std::string_view section, std::string_view key) const;
  std::vector<std::string> Sections() const;

 private:
  std::unique_ptr<TQuickIni> ini_;
};

}  // namespace quarnel
