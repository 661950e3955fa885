// skinpack check: lints a skin package or an unpacked skin folder and reports every finding,
// as text lines or as JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quarnel::skinpack {

inline constexpr int kCheckClean = 0;
inline constexpr int kCheckWarnings = 1;  // warnings only
inline constexpr int kCheckErrors = 2;

// `args`: the package or folder and optionally "--json". Findings go to `err` (as JSON to `out`
// with --json), the summary line to `out`. Throws UsageError for a wrong command line.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarnel::skinpack
