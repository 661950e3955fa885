// The linter's findings as people read them (one line each, like a compiler's) and as editors
// read them (JSON). Pure code, any thread.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/skinpack/skin_lint.h"

namespace quarnel::skinpack {

// Where the findings' files are: a folder, whose files are paths below it, or a package, whose
// entries are written "package:entry".
struct TLintOrigin {
  std::string path;
  bool folder = false;
};

// "skinpack: error: dir/skin.ini:12: [Buttons] Bitmap: the bitmap ... is not in the skin"
void PrintFindings(const TLintOrigin& origin, const std::vector<TLintFinding>& findings, std::ostream& out);

// {"path": ..., "errors": N, "warnings": N, "findings": [{"severity", "file", "section", "key",
// "line", "message"}, ...]}
std::string FindingsJson(const TLintOrigin& origin, const std::vector<TLintFinding>& findings);

int CountFindings(const std::vector<TLintFinding>& findings, TLintSeverity severity);

}  // namespace quarnel::skinpack
