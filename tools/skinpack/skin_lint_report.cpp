// Writing the linter's findings as text lines and as JSON (escaped by hand: no library).
// Pure code, any thread.
#include "tools/skinpack/skin_lint_report.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <ostream>

namespace quarnel::skinpack {
namespace {

const char* SeverityName(TLintSeverity severity) {
  return severity == TLintSeverity::Error ? "error" : "warning";
}

std::string FilePath(const TLintOrigin& origin, const std::string& file) {
  if (file.empty()) return origin.path;
  if (origin.folder) return (std::filesystem::path(origin.path) / file).string();
  return origin.path + ":" + file;
}

// Bytes of the well-formed UTF-8 character at `at`, or 0.
std::size_t Utf8Length(const std::string& text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xF0 && lead <= 0xF4  ? 4
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                                                           : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
  return length;
}

// Names in a skin may be in any code page (GBK, say): bytes that are no UTF-8 are written as the
// characters U+0080-U+00FF, so that the JSON stays readable.
std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += text[i];
    } else if (c >= 0x20 && c < 0x80) {
      quoted += text[i];
    } else if (const std::size_t length = c >= 0x80 ? Utf8Length(text, i) : 0; length > 0) {
      quoted.append(text, i, length);
      i += length - 1;
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      quoted += escape;
    }
  }
  return quoted + "\"";
}

}  // namespace

int CountFindings(const std::vector<TLintFinding>& findings, TLintSeverity severity) {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                        [&](const TLintFinding& f) { return f.severity == severity; }));
}

void PrintFindings(const TLintOrigin& origin, const std::vector<TLintFinding>& findings, std::ostream& out) {
  for (const TLintFinding& f : findings) {
    out << "skinpack: " << SeverityName(f.severity) << ": " << FilePath(origin, f.file);
    if (f.line > 0) out << ":" << f.line;
    out << ": ";
    if (!f.section.empty()) out << "[" << f.section << "] ";
    if (!f.key.empty()) out << f.key << ": ";
    out << f.message << "\n";
  }
}

std::string FindingsJson(const TLintOrigin& origin, const std::vector<TLintFinding>& findings) {
  std::string json = "{\"path\": " + JsonString(origin.path) +
                     ", \"errors\": " + std::to_string(CountFindings(findings, TLintSeverity::Error)) +
                     ", \"warnings\": " + std::to_string(CountFindings(findings, TLintSeverity::Warning)) +
                     ", \"findings\": [";
  for (std::size_t i = 0; i < findings.size(); ++i) {
    const TLintFinding& f = findings[i];
    json += i == 0 ? "\n  " : ",\n  ";
    json += "{\"severity\": \"" + std::string(SeverityName(f.severity)) +
            "\", \"file\": " + JsonString(f.file) + ", \"section\": " + JsonString(f.section) +
            ", \"key\": " + JsonString(f.key) + ", \"line\": " + std::to_string(f.line) +
            ", \"message\": " + JsonString(f.message) + "}";
  }
  json += findings.empty() ? "]}\n" : "\n]}\n";
  return json;
}

}  // namespace quarnel::skinpack
