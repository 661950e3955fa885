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

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
      quoted += escape;
    } else {
      quoted += c;
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
