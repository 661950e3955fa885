// The skin linter: every fault an author can make in a skin's files, each with the file,
// section, key and line it concerns and a plain sentence. Errors make the skin draw wrongly;
// warnings are what the engine ignores or carries for nothing. Pure code, any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quarnel::skinpack {

enum class TLintSeverity { Warning, Error };

struct TLintFinding {
  TLintSeverity severity = TLintSeverity::Error;
  std::string file;  // entry name; empty for the skin as a whole
  std::string section;
  std::string key;
  int line = 0;  // in the definition text, from 1; 0: none
  std::string message;
};

// A file of the skin: a package entry, or a file of an unpacked folder.
struct TSkinFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// Findings in the order of the definition text, then the files no key names.
std::vector<TLintFinding> LintSkin(const std::vector<TSkinFile>& files);

}  // namespace quarnel::skinpack
